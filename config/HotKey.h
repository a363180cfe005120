#pragma once

#include <QKeySequence>
#include <QString>

namespace config {

// The key that shows and hides the launcher from anywhere, as `HotKey=` in
// the [Tessaflow] section stores it: one key with its modifiers in Qt's
// portable text ("Ctrl+Alt+Space"). Absent or empty: no key.

// The key a stored value names: its first key only; none for an empty value,
// text that names no key, or a modifier alone.
QKeySequence hotKeyOf(const QString &stored);

// What the profile stores for a key: its first key, "" for none.
QString hotKeyText(const QKeySequence &keys);

} // namespace config
