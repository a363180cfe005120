#include "platform/globalkey/KeyCodes.h"

#include <QStringList>
#include <algorithm>

namespace platform::keys {

namespace {

struct Named {
    int key;
    quint32 keysym;
    const char *name; // the keysym's name
};

// Keys beyond Latin-1 that a show/hide key may use.
constexpr Named kNamed[] = {
    {Qt::Key_Space, 0x20, "space"},          {Qt::Key_Escape, 0xff1b, "Escape"},
    {Qt::Key_Tab, 0xff09, "Tab"},            {Qt::Key_Backspace, 0xff08, "BackSpace"},
    {Qt::Key_Return, 0xff0d, "Return"},      {Qt::Key_Enter, 0xff8d, "KP_Enter"},
    {Qt::Key_Insert, 0xff63, "Insert"},      {Qt::Key_Delete, 0xffff, "Delete"},
    {Qt::Key_Pause, 0xff13, "Pause"},        {Qt::Key_Print, 0xff61, "Print"},
    {Qt::Key_Home, 0xff50, "Home"},          {Qt::Key_End, 0xff57, "End"},
    {Qt::Key_Left, 0xff51, "Left"},          {Qt::Key_Up, 0xff52, "Up"},
    {Qt::Key_Right, 0xff53, "Right"},        {Qt::Key_Down, 0xff54, "Down"},
    {Qt::Key_PageUp, 0xff55, "Page_Up"},     {Qt::Key_PageDown, 0xff56, "Page_Down"},
    {Qt::Key_Menu, 0xff67, "Menu"},
};

bool isModifierKey(int key)
{
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Meta
           || key == Qt::Key_AltGr || key == Qt::Key_CapsLock || key == Qt::Key_NumLock
           || key == Qt::Key_ScrollLock || key == Qt::Key_Super_L || key == Qt::Key_Super_R;
}

// The keysym and its name; nothing for a key with neither.
std::optional<std::pair<quint32, QString>> keysymOf(int key)
{
    if (key >= Qt::Key_F1 && key <= Qt::Key_F35) {
        const int n = key - Qt::Key_F1;
        return std::pair{quint32(0xffbe + n), QStringLiteral("F%1").arg(n + 1)};
    }
    for (const Named &named : kNamed)
        if (named.key == key)
            return std::pair{named.keysym, QString::fromLatin1(named.name)};
    // Latin-1 keys are their own keysyms; a letter's is the small one.
    if ((key > 0x20 && key < 0x7f) || (key >= 0xa0 && key <= 0xff)) {
        const QChar c = QChar(key).toLower();
        return std::pair{quint32(c.unicode()), QString(c)};
    }
    return std::nullopt;
}

} // namespace

std::optional<X11Key> x11KeyOf(QKeyCombination key)
{
    if (isModifierKey(key.key()))
        return std::nullopt;
    const auto keysym = keysymOf(key.key());
    if (!keysym)
        return std::nullopt;
    X11Key x{keysym->first, 0};
    const Qt::KeyboardModifiers modifiers = key.keyboardModifiers();
    if (modifiers & Qt::ShiftModifier)
        x.modifiers |= kShift;
    if (modifiers & Qt::ControlModifier)
        x.modifiers |= kControl;
    if (modifiers & Qt::AltModifier)
        x.modifiers |= kMod1;
    if (modifiers & Qt::MetaModifier)
        x.modifiers |= kMod4;
    return x;
}

std::vector<quint16> withLockModifiers(quint16 modifiers, quint16 numLock, quint16 scrollLock)
{
    std::vector<quint16> combinations;
    for (const quint16 caps : {quint16(0), kLock})
        for (const quint16 num : {quint16(0), numLock})
            for (const quint16 scroll : {quint16(0), scrollLock}) {
                const quint16 mask = modifiers | caps | num | scroll;
                if (std::find(combinations.begin(), combinations.end(), mask) == combinations.end())
                    combinations.push_back(mask);
            }
    return combinations;
}

bool takesTyping(QKeyCombination key)
{
    if (key.keyboardModifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const int code = key.key();
    // Below Qt's special keys every code is a character.
    if (code < Qt::Key_Escape)
        return code > 0;
    switch (code) {
    case Qt::Key_Escape: case Qt::Key_Tab: case Qt::Key_Backtab: case Qt::Key_Backspace: case Qt::Key_Return:
    case Qt::Key_Enter: case Qt::Key_Delete: case Qt::Key_Home: case Qt::Key_End: case Qt::Key_Left:
    case Qt::Key_Up: case Qt::Key_Right: case Qt::Key_Down: case Qt::Key_PageUp: case Qt::Key_PageDown:
        return true;
    default:
        return false;
    }
}

QString portalTrigger(QKeyCombination key)
{
    if (isModifierKey(key.key()))
        return {};
    const auto keysym = keysymOf(key.key());
    if (!keysym)
        return {};
    QStringList parts;
    const Qt::KeyboardModifiers modifiers = key.keyboardModifiers();
    if (modifiers & Qt::ControlModifier)
        parts << QStringLiteral("CTRL");
    if (modifiers & Qt::AltModifier)
        parts << QStringLiteral("ALT");
    if (modifiers & Qt::ShiftModifier)
        parts << QStringLiteral("SHIFT");
    if (modifiers & Qt::MetaModifier)
        parts << QStringLiteral("LOGO");
    parts << keysym->second;
    return parts.join(u'+');
}

} // namespace platform::keys
