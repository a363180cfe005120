#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>

namespace platform {

// Reading and writing freedesktop.org desktop entries (.desktop files).
namespace DesktopEntry {

// The keys of an entry's [Desktop Entry] group the launcher uses, with the
// string escapes (\s, \n, \t, \r, \\) undone.
struct Entry {
    QString name; // localized for the given locale where the entry has it
    QString icon; // a theme name or an absolute path
    QString exec;
};

// The groups of a freedesktop.org key file (desktop entries, mimeapps.list,
// mimeinfo.cache): group name -> key -> value as written (escapes kept). The
// first of repeated groups and keys counts; comments are skipped. Empty when
// the file is missing or not a regular file.
using KeyFile = QHash<QString, QHash<QString, QString>>;
KeyFile readKeyFile(const QString &path);
// One group of such a file, read only as far as that group goes: listing
// every application reads this for each entry. Empty as above.
QHash<QString, QString> readGroup(const QString &path, const QString &group);

// The localized key suffixes a locale ("lang_COUNTRY.ENCODING@MODIFIER", any
// part missing) looks for, best first: "de_DE", "de" for "de_DE.UTF-8".
QStringList localeSuffixes(const QString &locale);
// The user's locale as desktop entries are matched against it (LC_ALL,
// LC_MESSAGES, LANG).
QString userLocale();
// A value with the string escapes undone.
QString unescaped(const QString &value);
// `key` of `group` in the language of `suffixes` where the entry has it,
// else the untranslated one, escapes undone.
QString localized(const QHash<QString, QString> &group, const QString &key, const QStringList &suffixes);
// A list value ("a;b\;c;"): its items, escapes undone, empty ones left out.
QStringList listValue(const QString &value);
// The same for a list value in the language of `suffixes` (as localized()).
QStringList localizedList(const QHash<QString, QString> &group, const QString &key, const QStringList &suffixes);

// Nothing when the file cannot be read or has no [Desktop Entry] group.
// `locale` as "lang_COUNTRY@MODIFIER" (any part may be missing).
std::optional<Entry> read(const QString &path, const QString &locale);
// The same for the user's language (LC_ALL, LC_MESSAGES, LANG).
std::optional<Entry> read(const QString &path);

// One argument of an Exec line, quoted where the rules ask for it, "%"
// doubled, and with the string escapes applied (\\, \n, \t, \r), ready to
// be written after "Exec=".
QString execArgument(const QString &argument);
// A whole Exec value that starts the program arguments.first() with the
// rest, as GLib, KDE and systemd read it. Nothing, with the reason, when an
// argument holds what no entry can carry (other control characters, a name
// that could not be decoded).
std::optional<QString> execValue(const QStringList &arguments, QString *why = nullptr);
// The arguments of an Exec value as read() returns it, quotes removed.
QStringList execArguments(const QString &exec);
// The program an Exec value starts: its first argument, or the one after
// the env that execValue() puts in front of some.
QString execProgram(const QString &exec);

} // namespace DesktopEntry
} // namespace platform
