// How the show/hide key is named to X11 and to the desktop portal, and how
// the profile stores it.
#include <gtest/gtest.h>
#include <vector>

#include "config/HotKey.h"
#include "platform/globalkey/KeyCodes.h"
#include "support/QtPrinters.h"

namespace keys = platform::keys;

namespace {

TEST(KeyCodes, KeysymsModifiersAndPortalTriggers)
{
    const struct {
        const char *key;
        quint32 keysym;
        quint16 modifiers;
        const char *trigger;
    } rows[] = {
        {"Ctrl+Alt+Space", 0x20, keys::kControl | keys::kMod1, "CTRL+ALT+space"},
        {"Ctrl+Alt+K", 0x6b, keys::kControl | keys::kMod1, "CTRL+ALT+k"}, // a letter's keysym is the small one
        {"Meta+Shift+F12", 0xffc9, keys::kMod4 | keys::kShift, "SHIFT+LOGO+F12"},
        {"Alt+1", 0x31, keys::kMod1, "ALT+1"},
        {"Ctrl+PgDown", 0xff56, keys::kControl, "CTRL+Page_Down"},
        {"F5", 0xffc2, 0, "F5"},
        {"Ctrl+\xc3\xa9", 0xe9, keys::kControl, "CTRL+\xc3\xa9"}, // Latin-1
    };
    for (const auto &row : rows) {
        const QKeySequence key = config::hotKeyOf(QString::fromUtf8(row.key));
        ASSERT_FALSE(key.isEmpty()) << row.key;
        const auto x = keys::x11KeyOf(key[0]);
        ASSERT_TRUE(x) << row.key;
        EXPECT_EQ(x->keysym, row.keysym) << row.key;
        EXPECT_EQ(x->modifiers, row.modifiers) << row.key;
        EXPECT_EQ(keys::portalTrigger(key[0]), QString::fromUtf8(row.trigger)) << row.key;
    }
    // A modifier alone names no key.
    EXPECT_FALSE(keys::x11KeyOf(QKeyCombination(Qt::ControlModifier, Qt::Key_Control)));
    EXPECT_TRUE(keys::portalTrigger(QKeyCombination(Qt::AltModifier, Qt::Key_Alt)).isEmpty());
}

TEST(KeyCodes, KeysThatTypeNeedCtrlAltOrTheLogoKey)
{
    // Taken from every program's typing: refused.
    for (const char *typing : {"A", "Shift+A", "7", "Space", "Shift+Space", "Return", "Enter", "Esc", "Tab",
                               "Backspace", "Del", "Left", "PgDown", "Home", ",", "\xc3\xa9"}) {
        const QKeySequence key = config::hotKeyOf(QString::fromUtf8(typing));
        ASSERT_FALSE(key.isEmpty()) << typing;
        EXPECT_TRUE(keys::takesTyping(key[0])) << typing;
    }
    // Function and media keys, and anything with Ctrl, Alt or the logo key: allowed.
    for (const char *free : {"F1", "Shift+F12", "F24", "Media Play", "Volume Up", "Pause", "Print", "Ctrl+A",
                             "Alt+Space", "Meta+E", "Ctrl+Shift+Return", "Alt+Tab", "Ctrl+Alt+Del"}) {
        const QKeySequence key = config::hotKeyOf(QString::fromUtf8(free));
        ASSERT_FALSE(key.isEmpty()) << free;
        EXPECT_FALSE(keys::takesTyping(key[0])) << free;
    }
}

TEST(KeyCodes, EveryCombinationOfTheLockModifiersOnce)
{
    // Caps Lock is Lock; Num Lock Mod2 and Scroll Lock Mod5 on most keyboards.
    EXPECT_EQ(keys::withLockModifiers(keys::kControl, 16, 128),
              (std::vector<quint16>{4, 4 | 128, 4 | 16, 4 | 16 | 128, 4 | 2, 4 | 2 | 128, 4 | 2 | 16, 4 | 2 | 16 | 128}));
    // A keyboard without Scroll Lock: four grabs, none twice.
    EXPECT_EQ(keys::withLockModifiers(keys::kMod1, 16, 0), (std::vector<quint16>{8, 8 | 16, 8 | 2, 8 | 2 | 16}));
}

TEST(HotKey, WhatTheProfileStores)
{
    const struct {
        const char *stored, *read;
    } rows[] = {
        {"Ctrl+Alt+Space", "Ctrl+Alt+Space"},
        {" ctrl+alt+k ", "Ctrl+Alt+K"}, // trimmed, in its usual spelling
        {"Meta+F1", "Meta+F1"},
        {"Ctrl+K, Ctrl+L", "Ctrl+K"},   // one key only
        {"", ""},
        {"Ctrl+", ""},                  // a modifier alone
        {"Nonsense+Key", ""},
    };
    for (const auto &row : rows)
        EXPECT_EQ(config::hotKeyText(config::hotKeyOf(QString::fromUtf8(row.stored))), QString::fromUtf8(row.read))
            << row.stored;
}

} // namespace
