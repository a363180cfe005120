#include "platform/desktop/DesktopEntry.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>

namespace platform::DesktopEntry {

namespace {

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

// Name[...] keys in the order the rules prefer them for a locale.
QStringList localeKeys(const QString &locale)
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

} // namespace

KeyFile readKeyFile(const QString &path)
{
    KeyFile groups;
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly | QIODevice::Text))
        return groups;
    QHash<QString, QString> *group = nullptr;
    // Such files are small; a huge one is not one of them. Read in one go:
    // reading line by line with a length cap allocated (and mapped) a buffer
    // of the cap's size for every line.
    const QByteArray text = file.read(4 * 1024 * 1024);
    qsizetype at = 0;
    for (int lines = 0; at < text.size() && lines < 10000; ++lines) {
        qsizetype end = text.indexOf('\n', at);
        if (end < 0)
            end = text.size();
        const QString line = QString::fromUtf8(QByteArrayView(text).sliced(at, end - at)).trimmed();
        at = end + 1;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            const QString name = line.mid(1, line.size() - 2);
            // The first of repeated groups counts.
            group = groups.contains(name) ? nullptr : &groups[name];
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (!group || eq <= 0 || line.startsWith(QLatin1Char('#')))
            continue;
        const QString key = line.left(eq).trimmed();
        if (!group->contains(key)) // the first of repeated keys counts
            group->insert(key, line.mid(eq + 1).trimmed());
    }
    return groups;
}

std::optional<Entry> read(const QString &path, const QString &locale)
{
    const KeyFile groups = readKeyFile(path);
    const auto found = groups.constFind(QStringLiteral("Desktop Entry"));
    if (found == groups.constEnd())
        return std::nullopt;
    const auto value = [&keys = *found](const QString &key) { return unescaped(keys.value(key)); };
    Entry entry;
    entry.name = value(QStringLiteral("Name"));
    for (const QString &suffix : localeKeys(locale)) {
        const QString localized = value(QStringLiteral("Name[%1]").arg(suffix));
        if (!localized.isEmpty()) {
            entry.name = localized;
            break;
        }
    }
    entry.icon = value(QStringLiteral("Icon"));
    entry.exec = value(QStringLiteral("Exec"));
    return entry;
}

std::optional<Entry> read(const QString &path) { return read(path, userLocale()); }

QString execArgument(const QString &argument)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
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
    // The value's own escape layer: a backslash is written doubled.
    return arg.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
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

} // namespace platform::DesktopEntry
