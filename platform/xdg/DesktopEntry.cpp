#include "platform/xdg/DesktopEntry.h"

#include <QCoreApplication>
#include <QHash>

#include "platform/xdg/RegularFile.h"

namespace platform::DesktopEntry {

namespace {

// Reads the groups of `text` into `groups`; with `only` set, just that group,
// and it stops where that group ends.
void parse(const QByteArray &text, KeyFile &groups, const QString &only)
{
    QHash<QString, QString> *group = nullptr;
    qsizetype at = 0;
    for (int lines = 0; at < text.size() && lines < 10000; ++lines) {
        qsizetype end = text.indexOf('\n', at);
        if (end < 0)
            end = text.size();
        const QString line = QString::fromUtf8(QByteArrayView(text).sliced(at, end - at)).trimmed();
        at = end + 1;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            const QString name = line.mid(1, line.size() - 2);
            if (!only.isEmpty() && group)
                return; // the one group asked for has ended
            // The first of repeated groups counts.
            group = groups.contains(name) || (!only.isEmpty() && name != only) ? nullptr : &groups[name];
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (!group || eq <= 0 || line.startsWith(QLatin1Char('#')))
            continue;
        const QString key = line.left(eq).trimmed();
        if (!group->contains(key)) // the first of repeated keys counts
            group->insert(key, line.mid(eq + 1).trimmed());
    }
}

// Such files are small; a huge one is not one of them. Read in one go:
// reading line by line with a length cap allocated (and mapped) a buffer
// of the cap's size for every line. A shortcut's target may be a FIFO
// named x.desktop: only a regular file is read.
KeyFile readFile(const QString &path, const QString &only)
{
    KeyFile groups;
    QByteArray text;
    if (readRegularFile(path, 4 * 1024 * 1024, &text) == FileRead::Done)
        parse(text, groups, only);
    return groups;
}

} // namespace

QString unescaped(const QString &value)
{
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c != u'\\' || i + 1 == value.size()) {
            out += c;
            continue;
        }
        switch (value[++i].unicode()) {
        case u's': out += u' '; break;
        case u'n': out += u'\n'; break;
        case u't': out += u'\t'; break;
        case u'r': out += u'\r'; break;
        default: out += value[i]; break;
        }
    }
    return out;
}

QStringList localeSuffixes(const QString &locale)
{
    QString rest = locale.section(QLatin1Char('.'), 0, 0); // no encoding
    QString modifier;
    if (const qsizetype at = rest.indexOf(QLatin1Char('@')); at >= 0) {
        modifier = rest.mid(at);
        rest.truncate(at);
    }
    const QString lang = rest.section(QLatin1Char('_'), 0, 0);
    const QString country = rest.contains(QLatin1Char('_')) ? rest.section(QLatin1Char('_'), 1) : QString();
    QStringList keys;
    if (lang.isEmpty() || lang == QLatin1String("C") || lang == QLatin1String("POSIX"))
        return keys;
    if (!country.isEmpty() && !modifier.isEmpty())
        keys << lang + QLatin1Char('_') + country + modifier;
    if (!country.isEmpty())
        keys << lang + QLatin1Char('_') + country;
    if (!modifier.isEmpty())
        keys << lang + modifier;
    keys << lang;
    return keys;
}

QString userLocale()
{
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty())
            return value;
    }
    return {};
}

KeyFile readKeyFile(const QString &path) { return readFile(path, QString()); }

QHash<QString, QString> readGroup(const QString &path, const QString &group)
{
    return readFile(path, group).value(group);
}

namespace {

QString localizedAsWritten(const QHash<QString, QString> &group, const QString &key, const QStringList &suffixes)
{
    for (const QString &suffix : suffixes) {
        const auto found = group.constFind(key + QLatin1Char('[') + suffix + QLatin1Char(']'));
        if (found != group.cend() && !found->isEmpty())
            return *found;
    }
    return group.value(key);
}

} // namespace

QString localized(const QHash<QString, QString> &group, const QString &key, const QStringList &suffixes)
{
    return unescaped(localizedAsWritten(group, key, suffixes));
}

QStringList localizedList(const QHash<QString, QString> &group, const QString &key, const QStringList &suffixes)
{
    return listValue(localizedAsWritten(group, key, suffixes));
}

QStringList listValue(const QString &value)
{
    QStringList items;
    QString item;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] == u'\\' && i + 1 < value.size() && value[i + 1] == u';') {
            item += u';';
            ++i;
        } else if (value[i] == u';') {
            if (!item.isEmpty())
                items << unescaped(item);
            item.clear();
        } else {
            item += value[i];
            if (value[i] == u'\\' && i + 1 < value.size())
                item += value[++i]; // kept for unescaped()
        }
    }
    if (!item.isEmpty())
        items << unescaped(item);
    return items;
}

std::optional<Entry> read(const QString &path, const QString &locale)
{
    const KeyFile groups = readKeyFile(path);
    const auto found = groups.constFind(QStringLiteral("Desktop Entry"));
    if (found == groups.constEnd())
        return std::nullopt;
    const auto value = [&keys = *found](const QString &key) { return unescaped(keys.value(key)); };
    Entry entry;
    entry.name = localized(*found, QStringLiteral("Name"), localeSuffixes(locale));
    entry.icon = value(QStringLiteral("Icon"));
    entry.exec = value(QStringLiteral("Exec"));
    return entry;
}

std::optional<Entry> read(const QString &path) { return read(path, userLocale()); }

QString execArgument(const QString &argument)
{
    static const QString reserved = QStringLiteral(" \t\n\r\"'\\><~|&;$*?#()`");
    bool quote = argument.isEmpty();
    for (const QChar c : argument)
        quote = quote || reserved.contains(c);
    QString arg;
    for (const QChar c : argument) {
        if (c == u'%')
            arg += QLatin1String("%%"); // field codes start with %
        else if (quote && (c == u'"' || c == u'`' || c == u'$' || c == u'\\'))
            arg += QLatin1Char('\\') + c;
        else
            arg += c;
    }
    if (quote)
        arg = QLatin1Char('"') + arg + QLatin1Char('"');
    // The value's own escape layer: a line break would end the line, and
    // what follows it would be read as keys of their own.
    QString value;
    value.reserve(arg.size());
    for (const QChar c : std::as_const(arg)) {
        switch (c.unicode()) {
        case u'\\': value += QLatin1String("\\\\"); break;
        case u'\n': value += QLatin1String("\\n"); break;
        case u'\t': value += QLatin1String("\\t"); break;
        case u'\r': value += QLatin1String("\\r"); break;
        default: value += c; break;
        }
    }
    return value;
}

std::optional<QString> execValue(const QStringList &arguments, QString *why)
{
    auto refuse = [why](const QString &reason) {
        if (why)
            *why = reason;
        return std::nullopt;
    };
    if (arguments.isEmpty() || arguments.first().isEmpty())
        return refuse(QCoreApplication::translate("DesktopEntry", "there is no program to start"));
    for (const QString &argument : arguments) {
        for (const QChar c : argument) {
            const bool control = (c.unicode() < 0x20 && c != u'\n' && c != u'\t' && c != u'\r') || c.unicode() == 0x7f;
            // What could not be decoded from the file name is no longer that name.
            if (control || c == QChar::ReplacementCharacter)
                //: %1 is a program or an argument given to it.
                return refuse(
                    QCoreApplication::translate("DesktopEntry", "%1 holds characters a desktop entry cannot hold").arg(argument));
        }
    }
    QStringList words;
    // GLib looks the program up before it turns "%%" back into "%", so it
    // finds no program whose path holds one; env, found on every PATH,
    // starts it instead. env would take a first word holding "=" for a
    // variable to set.
    const QString &program = arguments.first();
    if (program.contains(u'%')) {
        if (program.contains(u'='))
            //: %1 is the program's path.
            return refuse(QCoreApplication::translate("DesktopEntry", "%1 holds both \"%\" and \"=\", which no desktop can start")
                              .arg(program));
        words << QStringLiteral("/usr/bin/env");
    }
    for (const QString &argument : arguments)
        words << execArgument(argument);
    return words.join(u' ');
}

QStringList execArguments(const QString &exec)
{
    QStringList arguments;
    QString current;
    bool inQuotes = false, any = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (inQuotes) {
            if (c == u'\\' && i + 1 < exec.size())
                current += exec[++i];
            else if (c == u'%' && i + 1 < exec.size() && exec[i + 1] == u'%')
                current += exec[++i];
            else if (c == u'"')
                inQuotes = false;
            else
                current += c;
        } else if (c == u'"') {
            inQuotes = any = true;
        } else if (c == u' ' || c == u'\t') {
            if (any)
                arguments << current;
            current.clear();
            any = false;
        } else if (c == u'%' && i + 1 < exec.size() && exec[i + 1] == u'%') {
            current += c;
            ++i;
            any = true;
        } else {
            current += c;
            any = true;
        }
    }
    if (any)
        arguments << current;
    return arguments;
}

QString execProgram(const QString &exec)
{
    const QStringList arguments = execArguments(exec);
    if (arguments.size() >= 2 && arguments.first() == QLatin1String("/usr/bin/env"))
        return arguments[1];
    return arguments.value(0);
}

} // namespace platform::DesktopEntry
