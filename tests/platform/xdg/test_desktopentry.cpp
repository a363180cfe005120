// Reading desktop entries and writing their Exec lines.
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/xdg/DesktopEntry.h"
#include "support/QtPrinters.h"

using namespace platform;

namespace {

TEST(DesktopEntry, NameIsLocalizedIconAndExecAreRead)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("app.desktop"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("# comment\n[Desktop Action new]\nName=Wrong\n[Desktop Entry]\nName=Files\nName[de]=Dateien\n"
               "Name[de_AT]=Dateien (AT)\nName[sr@latin]=Datoteke\nIcon = folder\nExec=files\\s%U\nName=Second\n"
               "[Other]\nIcon=wrong\n");
    file.close();
    const struct {
        const char *locale, *name;
    } rows[] = {{"", "Files"},         {"C.UTF-8", "Files"},          {"de_DE.UTF-8", "Dateien"},
                {"de_AT", "Dateien (AT)"}, {"sr_RS@latin", "Datoteke"}, {"fr_FR", "Files"}};
    for (const auto &row : rows) {
        const auto entry = DesktopEntry::read(path, QLatin1String(row.locale));
        ASSERT_TRUE(entry) << row.locale;
        EXPECT_EQ(entry->name, QString::fromUtf8(row.name)) << row.locale;
        EXPECT_EQ(entry->icon, QStringLiteral("folder"));
        EXPECT_EQ(entry->exec, QStringLiteral("files %U"));
    }
    EXPECT_FALSE(DesktopEntry::read(dir.filePath(QStringLiteral("none.desktop")), QString()));
}

TEST(DesktopEntry, ExecArgumentsRoundTrip)
{
    for (const QString &argument : {QStringLiteral("/usr/bin/tessaflow"), QStringLiteral("/home/u/my apps/t"),
                                    QStringLiteral("/a\"b`c$d\\e"), QStringLiteral("/x/100%/y"), QString()}) {
        const QString written = DesktopEntry::execArgument(argument) + QStringLiteral(" --minimized");
        // As read() hands the value back: the string escapes undone.
        const QString read = QString(written).replace(QStringLiteral("\\\\"), QStringLiteral("\\"));
        EXPECT_EQ(DesktopEntry::execArguments(read), (QStringList{argument, "--minimized"})) << written.toStdString();
    }
    EXPECT_EQ(DesktopEntry::execArgument(QStringLiteral("/usr/bin/tessaflow")), QStringLiteral("/usr/bin/tessaflow"));
    EXPECT_EQ(DesktopEntry::execArgument(QStringLiteral("/my apps/t")), QStringLiteral("\"/my apps/t\""));
}

TEST(DesktopEntry, ExecValuesAreOneLineOrRefused)
{
    EXPECT_EQ(*DesktopEntry::execValue({QStringLiteral("/a\nb\tc\\d"), QStringLiteral("-x")}),
              QStringLiteral("\"/a\\nb\\tc\\\\\\\\d\" -x"));
    // GLib looks a program up before it undoes "%%": one with "%" goes through env.
    EXPECT_EQ(*DesktopEntry::execValue({QStringLiteral("/x/100%/t")}), QStringLiteral("/usr/bin/env /x/100%%/t"));
    for (const QString &program : {QStringLiteral("/a\x01b/t"), QStringLiteral("/bad\ufffdname/t"),
                                   QStringLiteral("/a=b/100%/t"), QString()})
        EXPECT_FALSE(DesktopEntry::execValue({program})) << program.toStdString();
}

} // namespace
