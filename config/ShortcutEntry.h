#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <utility>

#include "shortcuts/Shortcut.h"

namespace config {

// One shortcut as the profile stores it under a numbered key:
// target|caption|left|top, then further fields (the shortcut's properties,
// each "name=value", and whatever a later version writes). Positions are
// kept as the text they were stored as; the further fields as written.
struct ShortcutEntry {
    QString target;
    QString caption;
    QString left;
    QString top;
    QStringList fields = {};
};

// Joins the fields with "|". An entry whose target or caption holds "|" gets
// those two fields percent-escaped ("%" -> "%25", "|" -> "%7C") and a fifth
// field "%" that says so; a reader that only knows four fields still finds
// caption and position in their places; so does an entry with blanks at
// either end of the value, which the profile would trim (leading blanks of the
// target become "%20", "%A0", or "%u3000" beyond Latin-1). Every other entry
// keeps exactly the four-field form. The further fields follow the four (and
// the flag) as they are; one holding "|" or a line break cannot be written.
QString encodeEntry(const ShortcutEntry &entry);

// Nothing for a value shorter than two characters (the profile's "absent")
// or one with fewer than four fields. A fifth field "%" is the escape flag;
// every other field after the fourth goes to `fields`, as written.
std::optional<ShortcutEntry> decodeEntry(const QString &value);

// A property as a further field: "name=value", the value percent-encoded
// (UTF-8) where it holds "|", "%", "=", a control character (line breaks
// too) or a blank at either end, so that the field survives the profile.
QString propertyField(const QString &name, const QString &value);
// The value alone, encoded so (also what the profile's list of groups holds).
QString encodedValue(const QString &value);
// A value with every %XX decoded.
QString decodedValue(const QString &text);
// A further field read as a property: its name and its value with every
// %XX decoded; nothing for a field without "=" or without a name.
std::optional<std::pair<QString, QString>> propertyOf(const QString &field);

// The properties of a shortcut as further fields: args, dir, terminal (1),
// icon, comment, each only when set, after the fields this version does not
// know (shortcut.otherFields, as read). A shortcut without properties has
// none, and its entry the four-field form.
QStringList shortcutFields(const shortcuts::Shortcut &shortcut);
// The group field of a shortcut in group `name` (any but the first).
QString groupField(const QString &name);
// Fills the properties of `shortcut` (and its group) from further fields; a field this
// version does not read (unknown, empty, a terminal value but 1, or a
// property's name again before the last one of it) goes to otherFields as
// it is.
void readShortcutFields(const QStringList &fields, shortcuts::Shortcut &shortcut);

} // namespace config
