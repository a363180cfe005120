// Every translation shipped is complete: no text left unfinished or empty,
// and every count the language tells apart has its own form.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTranslator>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

struct Counted {
    QString context, source;
};

// One line per text that is not translated in the .ts file at `path`; the
// texts with plural forms in `counted`, checked in the compiled file.
QStringList untranslated(const QString &path, QList<Counted> *counted)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("cannot be read")};
    QStringList problems;
    QXmlStreamReader xml(&file);
    QString context, source;
    bool numerus = false;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        } else if (name == QLatin1String("source")) {
            source = xml.readElementText();
            if (numerus)
                counted->append({context, source});
        } else if (name == QLatin1String("translation")) {
            const auto type = xml.attributes().value(QLatin1String("type"));
            if (!type.isEmpty())
                problems << type.toString() + QStringLiteral(": ") + source;
            else if (!numerus && xml.readElementText().isEmpty())
                problems << QStringLiteral("empty: ") + source;
        }
    }
    if (xml.hasError())
        problems << xml.errorString();
    return problems;
}

TEST(TranslationsComplete, EveryLanguageHasEveryTextAndEveryCountForm)
{
    const QFileInfoList files =
        QDir(QStringLiteral(TRANSLATIONS_DIR)).entryInfoList({QStringLiteral("tessaflow_*.ts")}, QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (const QFileInfo &ts : files) {
        QList<Counted> counted;
        const QStringList problems = untranslated(ts.filePath(), &counted);
        EXPECT_TRUE(problems.isEmpty()) << ts.fileName().toStdString() << ": " << problems.size()
                                        << " texts not translated, the first:\n"
                                        << problems.mid(0, 5).join(QLatin1Char('\n')).toStdString();
        // The compiled translation, as the program loads it, by the
        // language's own plural rules: a text for every count.
        QTranslator compiled;
        ASSERT_TRUE(compiled.load(ts.completeBaseName(), QStringLiteral(":/i18n"))) << ts.fileName().toStdString();
        for (const Counted &c : counted)
            for (int n : {0, 1, 2, 3, 4, 5, 11, 21, 22, 25, 101, 111, 1000}) {
                const QString text = compiled.translate(c.context.toUtf8(), c.source.toUtf8(), nullptr, n);
                EXPECT_FALSE(text.isEmpty()) << ts.fileName().toStdString() << ", " << n << ": "
                                             << c.source.toStdString();
                if (text.isEmpty())
                    break;
            }
    }
}

} // namespace
