#pragma once

#include <QKeyCombination>
#include <QString>
#include <optional>
#include <vector>

// How one key with its modifiers is named to the window system: the X11
// keysym and modifier mask a global grab needs, and the trigger text the
// desktop portal's global shortcuts take.
namespace platform::keys {

// X11 modifier masks.
inline constexpr quint16 kShift = 1, kLock = 2, kControl = 4, kMod1 = 8, kMod4 = 64;

struct X11Key {
    quint32 keysym = 0;
    quint16 modifiers = 0;
};

// The keysym and modifier mask of a key (Alt is Mod1, Meta the logo key's
// Mod4); nothing for no key or a modifier alone.
std::optional<X11Key> x11KeyOf(QKeyCombination key);

// `modifiers` with every combination of the lock modifiers: Caps Lock and
// the masks Num Lock and Scroll Lock have on this keyboard (0 when a lock has
// none), each once, so a grab fires whatever lights are on.
std::vector<quint16> withLockModifiers(quint16 modifiers, quint16 numLock, quint16 scrollLock);

// Whether a key is one that types or moves through text (a character, Space,
// Enter, Escape, Tab, Backspace, Delete, the arrows and page keys) without
// Ctrl, Alt or the logo key: taken from the whole desktop, no program could
// have it any more. Shift alone leaves a letter a letter.
bool takesTyping(QKeyCombination key);

// The portal's preferred trigger for a key, in the form the freedesktop
// key-trigger convention uses ("CTRL+ALT+space"); empty for no key.
QString portalTrigger(QKeyCombination key);

} // namespace platform::keys
