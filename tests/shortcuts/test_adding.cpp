// What a drop and the web-address prompt add.
#include <QDir>
#include <QMimeData>

#include "platform/session/DroppedLinks.h"
#include "shortcuts/Adding.h"
#include "shortcuts/TypedText.h"
#include "support/ShortcutFixture.h"

using namespace testing_support;
using shortcuts::droppedPaths;
using shortcuts::urlTarget;

namespace {

using AddingTest = ShortcutFixtureInTempDir;

TEST_F(AddingTest, OnlyLocalFilesOfADropCountInOrderAndAtMost4000)
{
    // As a file manager's text/uri-list arrives: percent-encoded, with a
    // comment line and a web link among the files.
    QMimeData data;
    data.setData(QStringLiteral("text/uri-list"),
                 "file:///home/u/My%20Docs/plan%7Cv2.txt\r\n"
                 "# a comment\r\n"
                 "https://example.com/page\r\n"
                 "file:///home/u/Gr%C3%BC%C3%9Fe\r\n");
    EXPECT_EQ(droppedPaths(data.urls()),
              (QStringList{QStringLiteral("/home/u/My Docs/plan|v2.txt"), QStringLiteral("/home/u/Grüße")}));

    // Bytes that are no UTF-8 (legal in Linux names) would come back as another name.
    QStringList refused;
    EXPECT_EQ(droppedPaths(QList<QUrl>{QUrl::fromEncoded("file:///d/bad%FFname"), QUrl::fromEncoded("file:///d/ok")},
                           &refused),
              QStringList{"/d/ok"});
    ASSERT_EQ(refused.size(), 1);
    EXPECT_TRUE(shortcuts::refusedNamesText(refused).contains(QStringLiteral("/d/bad\uFFFDname")));
    // "%00" would cut the name short: no such file can exist.
    EXPECT_EQ(droppedPaths(QList<QUrl>{QUrl::fromEncoded("file:///d/a%00b")}), QStringList());

    QList<QUrl> many;
    for (int i = 0; i < 4100; ++i)
        many << QUrl::fromLocalFile(QStringLiteral("/d/%1").arg(i));
    const QStringList taken = droppedPaths(many);
    ASSERT_EQ(taken.size(), shortcuts::kMaxDropNames);
    EXPECT_EQ(taken.last(), QStringLiteral("/d/3999"));
}

TEST_F(AddingTest, DroppedFilesAreAddedInOrderEachWithItsOwnIconAndTheLastSelected)
{
    add(QStringLiteral("http://example.com"));
    model.remove(0);
    const QString a = touch(QStringLiteral("a.pdf"));
    QDir(dir.path()).mkdir(QStringLiteral("folder"));
    const QString folder = path(QStringLiteral("folder"));
    ASSERT_TRUE(shortcuts::AddDropped(list, {a, folder, a}));
    EXPECT_EQ(targets(), (QStringList{a, folder, a}));
    EXPECT_EQ(captions(), (QStringList{"a.pdf", "folder", "a.pdf"}));
    EXPECT_EQ(model.at(0).iconKey, QStringLiteral(".pdf"));
    EXPECT_TRUE(model.at(1).iconKey.startsWith(QStringLiteral("folder:")));
    EXPECT_EQ(view.selectedRow(), 2);
    // A drop that cannot add everything keeps what came before the failure.
    EXPECT_FALSE(shortcuts::AddDropped(list, QStringList{folder, QString(), a}));
    EXPECT_EQ(targets(), (QStringList{a, folder, a, folder}));
    EXPECT_EQ(view.selectedRow(), 3);
}

TEST_F(AddingTest, TheUrlPromptsAnswers)
{
    EXPECT_FALSE(urlTarget(std::nullopt)); // Cancel
    EXPECT_FALSE(urlTarget(QString()));
    EXPECT_FALSE(urlTarget(QStringLiteral("http://www.")));
    EXPECT_FALSE(urlTarget(QStringLiteral("  http://www.  ")));
    EXPECT_EQ(urlTarget(QStringLiteral(" https://example.com/a b ")), QStringLiteral("https://example.com/a b"));
    EXPECT_EQ(urlTarget(QStringLiteral("HTTP://X.ORG")), QStringLiteral("HTTP://X.ORG"));
    EXPECT_EQ(urlTarget(QStringLiteral("example.com")), QStringLiteral("https://example.com"));
    EXPECT_EQ(urlTarget(QStringLiteral("www.example.com/x")), QStringLiteral("https://www.example.com/x"));
    EXPECT_EQ(urlTarget(QStringLiteral("mailto:someone@example.com")), QStringLiteral("mailto:someone@example.com"));
    EXPECT_EQ(urlTarget(QStringLiteral("magnet:?xt=urn:btih:1")), QStringLiteral("magnet:?xt=urn:btih:1"));
    EXPECT_EQ(urlTarget(QStringLiteral("localhost:3000")), QStringLiteral("https://localhost:3000"));
    // A name of something that exists is a path, made absolute.
    touch(QStringLiteral("notes.txt"));
    EXPECT_EQ(urlTarget(QStringLiteral("notes.txt")), path(QStringLiteral("notes.txt")));
    EXPECT_EQ(urlTarget(dir.path()), dir.path());

    // What cannot be an address is refused, and the prompt says why; what
    // it takes it says nothing about.
    for (const QString &text : {QStringLiteral("not a url at all"), QStringLiteral("Links:"), QStringLiteral("hello"),
                                QStringLiteral("   ")}) {
        EXPECT_FALSE(urlTarget(text)) << text.toStdString();
        EXPECT_FALSE(shortcuts::urlRefusal(text).isEmpty()) << text.toStdString();
    }
    // A path to nothing is refused as one, not as a poor web address.
    for (const QString &text : {QStringLiteral("/no/such/file"), QStringLiteral("file:///no/such/file")}) {
        EXPECT_FALSE(urlTarget(text)) << text.toStdString();
        EXPECT_EQ(shortcuts::urlRefusal(text), QStringLiteral("There is no file or folder at /no/such/file."));
    }
    for (const QString &text : {QStringLiteral("notes.txt"), QStringLiteral("example.com"),
                                QStringLiteral("https://example.com/a b")})
        EXPECT_EQ(shortcuts::urlRefusal(text), QString()) << text.toStdString();
    // A link needs what its scheme needs: a web address a host, any other
    // scheme a program on the desktop that opens it.
    for (const QString &text : {QStringLiteral("https://"), QStringLiteral("http://www."),
                                QStringLiteral("https://exa mple.com")})
        EXPECT_EQ(shortcuts::urlRefusal(text),
                  QStringLiteral("This is not a web address: it needs a host such as example.com."))
            << text.toStdString();
    EXPECT_EQ(shortcuts::urlRefusal(QStringLiteral("htp://example.org")),
              QStringLiteral("Nothing on this desktop opens htp: links."));
}

TEST(WebCaption, HostAndLastPathPartOrTheMailAddress)
{
    const std::pair<const char *, const char *> rows[] = {
        {"https://example.net/wiki", "example.net \u203A wiki"},
        {"http://example.org", "example.org"},
        {"https://example.com/docs/", "example.com \u203A docs"},
        {"http://localhost:3000/a%20b?q=1#top", "localhost:3000 \u203A a b"},
        {"www.example.org/x", "www.example.org \u203A x"},
        {"mailto:someone@example.com?subject=Hi", "someone@example.com"},
        {"magnet:?xt=urn:btih:1", ""},
    };
    for (const auto &[address, caption] : rows)
        EXPECT_EQ(shortcuts::webCaption(QString::fromUtf8(address)), QString::fromUtf8(caption)) << address;
}

} // namespace

namespace {

TEST_F(AddingTest, DroppedLinksBecomeWebShortcutsInDropOrderWithTheirTitles)
{
    const QString a = touch(QStringLiteral("a.txt"));
    // As a browser offers a link, with a file of a mixed drop before it.
    QMimeData data;
    data.setData(QStringLiteral("text/uri-list"), QUrl::fromLocalFile(a).toEncoded() +
                                                      "\r\nhttps://example.org/page.html\r\n"
                                                      "https://example.org/other\r\n"
                                                      "mailto:someone@example.org\r\n");
    const QString moz = QStringLiteral("https://example.org/page.html\nAn example page");
    data.setData(QStringLiteral("text/x-moz-url"),
                 QByteArray(reinterpret_cast<const char *>(moz.utf16()), moz.size() * 2));
    const platform::DroppedLinks links = platform::droppedLinks(data);
    const auto dropped = shortcuts::droppedShortcuts(links.urls, links.titles);
    ASSERT_EQ(dropped.size(), 4);
    ASSERT_TRUE(shortcuts::AddDropped(list, dropped));
    EXPECT_EQ(targets(), (QStringList{a, "https://example.org/page.html", "https://example.org/other",
                                      "mailto:someone@example.org"}));
    EXPECT_EQ(captions(), (QStringList{"a.txt", "An example page", "https://example.org/other",
                                       "mailto:someone@example.org"}));

    // _NETSCAPE_URL alone, in UTF-8.
    QMimeData netscape;
    netscape.setData(QStringLiteral("_NETSCAPE_URL"), "https://example.net/\nGrüße");
    const platform::DroppedLinks titled = platform::droppedLinks(netscape);
    EXPECT_EQ(titled.titles, QStringList{QStringLiteral("Grüße")});

    // Nothing usable: plain text, a relative name, a comment.
    QMimeData useless;
    useless.setText(QStringLiteral("just some words"));
    useless.setData(QStringLiteral("text/uri-list"), "# comment\r\nrelative/name\r\n");
    EXPECT_TRUE(platform::droppedLinks(useless).isEmpty());
}

} // namespace
