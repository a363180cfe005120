// Which language the program speaks for the user's language list, as the
// program itself prints it (--help needs no display).
#include <QProcess>
#include <QProcessEnvironment>
#include <gtest/gtest.h>

namespace {

QByteArray helpIn(const QString &language, const QString &lang = QStringLiteral("en_US.UTF-8"))
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"})
        env.remove(QLatin1String(name));
    env.insert(QStringLiteral("LANG"), lang);
    if (!language.isNull())
        env.insert(QStringLiteral("LANGUAGE"), language);
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(TESSAFLOW_BINARY), {QStringLiteral("--help")});
    return process.waitForFinished(10000) ? process.readAllStandardOutput() : QByteArray();
}

const QByteArray kGerman = "Ein Starter f\xc3\xbcr Dateien";
const QByteArray kEnglish = "A launcher for files";

TEST(Languages, TheFirstLanguageWithATranslationSpeaksAndEnglishEndsTheList)
{
    // What has no translation, or is no language at all, is passed over.
    EXPECT_TRUE(helpIn(QStringLiteral("xx:de")).contains(kGerman));
    EXPECT_TRUE(helpIn(QStringLiteral("ga:de")).contains(kGerman));
    EXPECT_TRUE(helpIn(QStringLiteral("de")).contains(kGerman));
    // English, the texts' own language, ends the search.
    EXPECT_TRUE(helpIn(QStringLiteral("en:de")).contains(kEnglish));
    // A C messages locale speaks English whatever the list says.
    EXPECT_TRUE(helpIn(QStringLiteral("de"), QStringLiteral("C")).contains(kEnglish));
}

} // namespace
