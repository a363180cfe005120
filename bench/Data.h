#pragma once
// The files and profiles the benchmarks use: real files of 18 types, folders
// and web addresses, in turn, as a user's list would hold them.
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

namespace bench {

// Shortcut i's target; files and folders are made under `root`.
inline QString makeTarget(const QString &root, int i)
{
    static const char *const kTypes[] = {"txt", "pdf", "png", "html", "sh",   "odt", "mp3", "zip", "jpg",
                                         "svg", "c",   "py",  "json", "xml", "csv", "gz",  "docx", "mp4"};
    constexpr int kKinds = 21; // 18 file types, 2 folders, 1 web address
    const int kind = i % kKinds;
    if (kind == kKinds - 1)
        return QStringLiteral("https://example.org/page%1").arg(i);
    if (kind >= 18) {
        const QString path = root + QStringLiteral("/folder%1").arg(i);
        QDir().mkpath(path);
        return path;
    }
    QDir().mkpath(root);
    const QString path = root + QStringLiteral("/file%1.%2").arg(i).arg(QLatin1String(kTypes[kind]));
    QFile file(path);
    if (!file.exists() && file.open(QIODevice::WriteOnly))
        file.write("x\n");
    return path;
}

inline QStringList makeTargets(const QString &root, int count)
{
    QStringList targets;
    for (int i = 0; i < count; ++i)
        targets << makeTarget(root, i);
    return targets;
}

// A profile of the targets as Tessaflow saves it, icons placed by hand, and
// optionally, before it, a section of `otherKeys` keys (another program's
// settings kept in the same file, which every lookup has to get past).
inline bool writeProfile(const QString &path, const QStringList &targets, int otherKeys = 0)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QByteArray text;
    if (otherKeys > 0) {
        text += "[Other]\n";
        for (int k = 0; k < otherKeys; ++k)
            text += "Key" + QByteArray::number(k) + "=value " + QByteArray::number(k) + '\n';
        text += '\n';
    }
    text += "[Tessaflow]\nTop=1500\nLeft=1500\nHeight=3480\nWidth=5190\nArrange=0\nSView=0\n";
    for (int i = 0; i < targets.size(); ++i) {
        const QString name = targets[i].section(QLatin1Char('/'), -1);
        text += QStringLiteral("%1=%2|%3|%4|%5\n")
                    .arg(i)
                    .arg(targets[i], name)
                    .arg((i % 4) * 1200)
                    .arg((i / 4) * 1050)
                    .toUtf8();
    }
    for (int k = int(targets.size()); k <= 100; ++k)
        text += QByteArray::number(k) + "=\n";
    return file.write(text) == text.size();
}

} // namespace bench
