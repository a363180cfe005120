// What a text names, asked at every place that takes one: one row per text,
// one column per way in, each cell what that way makes of it.
#include <QDir>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

#include "app/CommandLine.h"
#include "platform/session/DroppedLinks.h"
#include "platform/icons/IconLookup.h"
#include "shortcuts/Adding.h"
#include "shortcuts/Icons.h"
#include "shortcuts/Launch.h"
#include "shortcuts/Paste.h"
#include "shortcuts/Targets.h"
#include "support/QtPrinters.h"
#include "support/Recorders.h"

namespace {

const QString kNothing = QStringLiteral("-");

// A private desktop: a home folder, a handler for "steam" links and none
// for anything else; the command line runs in args/, the program in cwd/.
class TargetsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_root = QFileInfo(m_dir.path()).canonicalFilePath();
        for (const char *folder : {"args", "cwd", "home", "Folder", "data/applications", "config"})
            ASSERT_TRUE(QDir(m_root).mkpath(QString::fromUtf8(folder)));
        for (const char *file : {"args/notes.txt", "cwd/notes.txt", "home/x", "a b.txt", "args/www.example.org",
                                 "cwd/www.example.org", "cwd/mailto:me", "data/applications/game.desktop"})
            touch(QString::fromUtf8(file), "x");
        touch(QStringLiteral("editor.desktop"), "[Desktop Entry]\nType=Application\nName=Editor\nExec=ed\n");
        touch(QStringLiteral("config/mimeapps.list"), "[Default Applications]\nx-scheme-handler/steam=game.desktop;\n");
        for (const auto &[name, value] : {std::pair{"HOME", "home"}, {"XDG_CONFIG_HOME", "config"},
                                          {"XDG_CONFIG_DIRS", "none"}, {"XDG_DATA_HOME", "data"},
                                          {"XDG_DATA_DIRS", "none"}}) {
            m_saved.append({name, qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt});
            qputenv(name, QFile::encodeName(at(QString::fromUtf8(value))));
        }
        m_savedCwd = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(at(QStringLiteral("cwd"))));
    }
    void TearDown() override
    {
        QDir::setCurrent(m_savedCwd);
        for (const auto &[name, value] : m_saved)
            value ? qputenv(name, *value) : qunsetenv(name);
    }

    QString at(const QString &relative) const { return m_root + u'/' + relative; }
    void touch(const QString &relative, const QByteArray &content) const
    {
        QFile file(at(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << relative.toStdString();
        file.write(content);
    }
    // $D is the temporary folder, $A the command line's, $C the program's, $H home.
    QString expand(QString text) const
    {
        return text.replace(QLatin1String("$A"), at(QStringLiteral("args")))
            .replace(QLatin1String("$C"), at(QStringLiteral("cwd")))
            .replace(QLatin1String("$H"), at(QStringLiteral("home")))
            .replace(QLatin1String("$D"), m_root);
    }

    QTemporaryDir m_dir;
    QString m_root;
    QString m_savedCwd;
    QList<std::pair<const char *, std::optional<QByteArray>>> m_saved;
};

// What each way in makes of one text, "-" for nothing.
struct Cells {
    QString commandLine, handOver, paste, drop, prompt, launch, icon, stored;
    bool operator==(const Cells &) const = default;
};

void PrintTo(const Cells &c, std::ostream *os)
{
    const std::pair<const char *, const QString *> cells[] = {
        {"command line", &c.commandLine}, {"hand-over", &c.handOver}, {"paste", &c.paste}, {"drop", &c.drop},
        {"Add URL", &c.prompt},           {"launch", &c.launch},      {"icon", &c.icon},   {"stored", &c.stored}};
    for (const auto &[name, cell] : cells)
        *os << "\n  " << name << ": " << cell->toStdString();
}

QString orNothing(const std::optional<QString> &value) { return value ? *value : kNothing; }

Cells cellsFor(const QString &text, const QString &commandLineFolder)
{
    Cells cells;
    // The command line as the program parses it; a second start's targets
    // as the running copy checks them.
    cells.commandLine = app::parseCommandLine({QStringLiteral("tessaflow"), text}, commandLineFolder).targets.value(0, kNothing);
    QString refusal;
    cells.handOver = orNothing(app::handedOverTarget(text, &refusal));
    // Ctrl+V with the text on the clipboard.
    QMimeData pasted;
    pasted.setText(text);
    const auto paste = shortcuts::pasted(pasted).shortcuts;
    cells.paste = paste.isEmpty() ? kNothing : paste.first().target;
    // A drag that carries the text as its uri-list, as far as the list takes it.
    QMimeData dragged;
    dragged.setData(QStringLiteral("text/uri-list"), text.toUtf8() + "\r\n");
    const platform::DroppedLinks links = platform::droppedLinks(dragged);
    const auto drop = shortcuts::droppedShortcuts(links.urls, links.titles);
    cells.drop = drop.isEmpty() ? kNothing : drop.first().target;
    cells.prompt = orNothing(shortcuts::urlTarget(text));
    // A shortcut with this target, opened, drawn and stored.
    testing_support::RecordingOpener opener;
    shortcuts::Launch(text, opener);
    cells.launch = (opener.uris.isEmpty() ? QStringLiteral("path ") : QStringLiteral("uri ")) + opener.opened.value(0);
    platform::IconLookup lookup;
    cells.icon = shortcuts::Icons(lookup).keyFor(text);
    const QString stored = shortcuts::storedTarget(text);
    cells.stored = stored.isEmpty() ? kNothing : stored + (shortcuts::isMissing(text) ? QStringLiteral(" missing") : QString());
    return cells;
}

TEST_F(TargetsTest, EveryWayInReadsATextByTheSameRule)
{
    const QString longLink = QStringLiteral("https://example.org/") + QString(4980, u'a');
    const QString longWord(5000, u'w');
    struct Row {
        QString text;
        Cells expected;
    };
    const Row rows[] = {
        // text                          command line                 hand-over                    paste                        drop                        Add URL prompt               launch                              icon                       stored
        {"http://x",                    {"http://x",                 "http://x",                  "http://x",                  "http://x",                 "http://x",                  "uri http://x",                     "uri:http",                "http://x"}},
        {"HTTP://X",                    {"HTTP://X",                 "HTTP://X",                  "HTTP://X",                  "http://x",                 "HTTP://X",                  "uri HTTP://X",                     "uri:http",                "HTTP://X"}},
        // "www." is a web address even beside a file of that name.
        {"www.example.org",             {"http://www.example.org",   "http://www.example.org",    "https://www.example.org",   "-",                        "https://www.example.org",    "uri http://www.example.org",       "uri:http",                "www.example.org"}},
        {"WWW.Example.com/page",        {"http://WWW.Example.com/page", "http://WWW.Example.com/page", "https://WWW.Example.com/page", "-",              "https://WWW.Example.com/page", "uri http://WWW.Example.com/page", "uri:http",                "WWW.Example.com/page"}},
        // A host alone is an address only where a person types one, and is
        // then meant for https.
        {"example.org",                 {"-",                        "-",                         "https://example.org",       "-",                        "https://example.org",        "path $C/example.org",              "missing:.org",            "$C/example.org missing"}},
        {"localhost:3000",              {"-",                        "-",                         "https://localhost:3000",    "-",                        "https://localhost:3000",     "path $C/localhost:3000",           "missing:.",               "$C/localhost:3000 missing"}},
        {"mailto:a@b",                  {"mailto:a@b",               "mailto:a@b",                "mailto:a@b",                "mailto:a@b",               "mailto:a@b",                "uri mailto:a@b",                   "uri:mailto",              "mailto:a@b"}},
        // A file of that name in the folder a text is read in comes first.
        {"mailto:me",                   {"mailto:me",                "mailto:me",                 "$C/mailto:me",              "mailto:me",                "$C/mailto:me",              "path $C/mailto:me",                "."           ,            "$C/mailto:me"}},
        {"steam:run/42",                {"steam:run/42",             "steam:run/42",              "steam:run/42",              "steam:run/42",             "steam:run/42",              "uri steam:run/42",                 "uri:steam",               "steam:run/42"}},
        {"nohandler:x",                 {"-",                        "-",                         "-",                         "-",                        "-",                         "path $C/nohandler:x",              "missing:.",               "$C/nohandler:x missing"}},
        // Typed or pasted, a link needs what its scheme needs: a host, a
        // program that opens it. Elsewhere it is kept as given.
        {"https://",                    {"https://",                 "https://",                  "-",                         "https://",                 "-",                         "uri https://",                     "uri:https",               "https://"}},
        {"http://www.",                 {"http://www.",              "http://www.",               "-",                         "http://www.",              "-",                         "uri http://www.",                  "uri:http",                "http://www."}},
        {"htp://example.org",           {"htp://example.org",        "htp://example.org",         "-",                         "htp://example.org",        "-",                         "uri htp://example.org",            "uri:htp",                 "htp://example.org"}},
        {"https://example.org/a b",     {"https://example.org/a b",  "https://example.org/a b",   "https://example.org/a b",   "https://example.org/a%20b", "https://example.org/a b",   "uri https://example.org/a b",      "uri:https",               "https://example.org/a b"}},
        {"ftp://files.example.org/a.txt", {"ftp://files.example.org/a.txt", "ftp://files.example.org/a.txt", "ftp://files.example.org/a.txt", "ftp://files.example.org/a.txt", "ftp://files.example.org/a.txt", "uri ftp://files.example.org/a.txt", "uri:ftp", "ftp://files.example.org/a.txt"}},
        // A file:// URI is its path; what is stored stays as it was written.
        {"file://$D/a%20b.txt",         {"$D/a b.txt",               "$D/a b.txt",                "$D/a b.txt",                "$D/a b.txt",               "$D/a b.txt",                "path $D/a b.txt",                  ".txt",                    "file://$D/a%20b.txt"}},
        {"file://$D/gone.txt",          {"-",                        "-",                         "-",                         "$D/gone.txt",              "-",                         "path $D/gone.txt",                 "missing:.txt",            "file://$D/gone.txt missing"}},
        {"~/x",                         {"-",                        "-",                         "$H/x",                      "-",                        "$H/x",                      "path $C/~/x",                      "missing:.",               "$C/~/x missing"}},
        {"$D/a b.txt",                  {"$D/a b.txt",               "$D/a b.txt",                "$D/a b.txt",                "-",                        "$D/a b.txt",                "path $D/a b.txt",                  ".txt",                    "$D/a b.txt"}},
        {"$D/gone.txt",                 {"-",                        "-",                         "-",                         "-",                        "-",                         "path $D/gone.txt",                 "missing:.txt",            "$D/gone.txt missing"}},
        {"$D/Folder/",                  {"$D/Folder",                "$D/Folder",                 "$D/Folder",                 "-",                        "$D/Folder",                 "path $D/Folder",                   "folder:",                 "$D/Folder"}},
        {"$D/editor.desktop",           {"$D/editor.desktop",        "$D/editor.desktop",         "$D/editor.desktop",         "-",                        "$D/editor.desktop",         "path $D/editor.desktop",           "desktop:$D/editor.desktop", "$D/editor.desktop"}},
        // A relative name: in the command line's folder, else the program's.
        {"notes.txt",                   {"$A/notes.txt",             "-",                         "$C/notes.txt",              "-",                         "$C/notes.txt",             "path $C/notes.txt",                ".txt",                    "$C/notes.txt"}},
        {"words with blanks",           {"-",                        "-",                         "-",                         "-",                        "-",                         "path $C/words with blanks",        "missing:.",               "$C/words with blanks missing"}},
        {"C:\\foo",                     {"-",                        "-",                         "-",                         "-",                        "-",                         "path $C/C:\\foo",                  "missing:.",               "$C/C:\\foo missing"}},
        {"a:b",                         {"-",                        "-",                         "-",                         "-",                        "-",                         "path $C/a:b",                      "missing:.",               "$C/a:b missing"}},
        {"",                            {"-",                        "-",                         "-",                         "-",                        "-",                         "path ",                            "missing:.",               "-"}},
        {longLink,                      {longLink,                   longLink,                    longLink,                    longLink,                   longLink,                    "uri " + longLink,                  "uri:https",               longLink}},
        {longWord,                      {"-",                        "-",                         "-",                         "-",                        "-",                         "path $C/" + longWord,              "missing:.",               "$C/" + longWord + " missing"}},
    };
    for (const Row &row : rows) {
        const QString text = expand(row.text);
        SCOPED_TRACE(text.left(80).toStdString());
        Cells expected = row.expected;
        for (QString *cell : {&expected.commandLine, &expected.handOver, &expected.paste, &expected.drop, &expected.prompt,
                              &expected.launch, &expected.icon, &expected.stored})
            *cell = expand(*cell);
        EXPECT_EQ(cellsFor(text, at(QStringLiteral("args"))), expected);
        // Dragged out of the list, a shortcut carries what opening it hands over.
        const std::unique_ptr<QMimeData> out(shortcuts::exportedData({text}));
        EXPECT_EQ(out->text(), expected.launch.mid(expected.launch.indexOf(u' ') + 1));
    }
}

// Schemes the desktop opens, from the handler lists; hosts with ports, drives
// and names that only look like schemes are not links.
TEST_F(TargetsTest, LinksAreSchemesTheDesktopOpens)
{
    using shortcuts::readTarget;
    using shortcuts::Source;
    using Kind = shortcuts::Target::Kind;
    for (const char *link : {"https://example.org", "HTTP://X", "ftp://host/f", "git+ssh://h/r", "webcal://h/c.ics",
                             "Steam://open", "a.b-c+d://x"})
        EXPECT_EQ(readTarget(QString::fromUtf8(link), Source::HandOver).kind, Kind::WebAddress) << link;
    for (const char *link : {"mailto:a@b.org", "TEL:+4912345", "sms:123", "magnet:?xt=urn:btih:abc", "news:comp.lang",
                             "xmpp:a@b", "sip:a@b", "geo:1,2", "callto:x", "data:text/plain,hi", "steam:run/42"})
        EXPECT_EQ(readTarget(QString::fromUtf8(link), Source::HandOver).kind, Kind::OtherUri) << link;
    for (const char *other : {"localhost:3000", "example.org:8080/x", "c:", "c:/x", "c://x", "nohandler:x",
                              "/abs/mailto:x", "notes:2024.txt", ":x", "1abc:x", "a_b://x", "steam:8080"})
        EXPECT_FALSE(readTarget(QString::fromUtf8(other), Source::HandOver).isLink()) << other;
    EXPECT_EQ(readTarget(QStringLiteral("TEL:+49"), Source::Stored).scheme(), QStringLiteral("tel"));
    EXPECT_EQ(readTarget(QStringLiteral("www.x.org"), Source::Stored).scheme(), QStringLiteral("http"));
    EXPECT_EQ(readTarget(QStringLiteral("/x.org"), Source::Stored).scheme(), QString());

    // A stored target is read against the current folder: a file there is
    // the file, until it goes.
    EXPECT_EQ(readTarget(QStringLiteral("mailto:me"), Source::Stored).kind, Kind::LocalPath);
    ASSERT_TRUE(QFile::remove(at(QStringLiteral("cwd/mailto:me"))));
    EXPECT_EQ(readTarget(QStringLiteral("mailto:me"), Source::Stored).kind, Kind::OtherUri);
}

// A symbolic link that leads nowhere still names something: it is added, and
// shown as missing.
TEST_F(TargetsTest, ADanglingLinkIsAPathThatIsMissing)
{
    const QString dangling = at(QStringLiteral("dangling"));
    ASSERT_TRUE(QFile::link(at(QStringLiteral("nowhere")), dangling));
    EXPECT_EQ(app::commandLineTarget(dangling, m_root), dangling);
    EXPECT_EQ(shortcuts::urlTarget(dangling), dangling);
    EXPECT_TRUE(shortcuts::isMissing(dangling));
    EXPECT_FALSE(shortcuts::isMissing(at(QStringLiteral("a b.txt"))));
    EXPECT_FALSE(shortcuts::isMissing(QStringLiteral("www.gone.example")));
}

} // namespace
