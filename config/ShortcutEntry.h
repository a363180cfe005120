#pragma once

#include <QString>
#include <optional>

namespace config {

// One shortcut as the profile stores it under a numbered key:
// target|caption|left|top. Positions are kept as the text they were stored as.
struct ShortcutEntry {
    QString target;
    QString caption;
    QString left;
    QString top;
};

// Joins the fields with "|". An entry whose target or caption holds "|" gets
// those two fields percent-escaped ("%" -> "%25", "|" -> "%7C") and a fifth
// field "%" that says so; a reader that only knows four fields still finds
// caption and position in their places; so does an entry with blanks at
// either end of the value, which the profile would trim (leading blanks of the
// target become "%20", "%A0", or "%u3000" beyond Latin-1). Every other entry
// keeps exactly the four-field form.
QString encodeEntry(const ShortcutEntry &entry);

// Nothing for a value shorter than two characters (the profile's "absent")
// or one with fewer than four fields; fields after the fourth are ignored
// unless the fifth is the escape flag.
std::optional<ShortcutEntry> decodeEntry(const QString &value);

} // namespace config
