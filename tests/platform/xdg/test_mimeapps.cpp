// Which applications open a kind of file, in the order the desktop offers them.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/xdg/MimeApps.h"
#include "support/QtPrinters.h"

using namespace platform;

namespace {

Application app(const char *id, const char *name, QStringList types)
{
    Application a;
    a.id = QLatin1String(id);
    a.name = QLatin1String(name);
    a.path = QStringLiteral("/apps/") + a.id;
    a.mimeTypes = std::move(types);
    return a;
}

QStringList ids(const std::vector<Application> &apps)
{
    QStringList found;
    for (const Application &a : apps)
        found << a.id;
    return found;
}

class MimeAppsTest : public ::testing::Test {
protected:
    QString list(const char *name, const QByteArray &content)
    {
        const QString path = m_dir.filePath(QLatin1String(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return path;
    }
    QTemporaryDir m_dir;
    const std::vector<Application> installed{
        app("zed.desktop", "Zed", {"text/plain"}),
        app("c-ide.desktop", "C IDE", {"text/x-csrc"}),
        app("alpha.desktop", "alpha writer", {"text/plain", "application/rtf"}),
        app("viewer.desktop", "Viewer", {"image/png"}),
        app("hidden-default.desktop", "Unlisted", {}),
        app("browser.desktop", "Browser", {"x-scheme-handler/https", "text/html"}),
    };
    const QStringList cSource{"text/x-csrc", "text/plain"};
};

TEST_F(MimeAppsTest, WithoutListsTheDeclaredOnesComeByName)
{
    EXPECT_EQ(ids(MimeApps::applicationsFor(cSource, installed, {})),
              (QStringList{"alpha.desktop", "c-ide.desktop", "zed.desktop"}));
    EXPECT_EQ(ids(MimeApps::applicationsFor({"x-scheme-handler/https"}, installed, {})), (QStringList{"browser.desktop"}));
    EXPECT_TRUE(MimeApps::applicationsFor({"audio/ogg"}, installed, {}).empty());
}

TEST_F(MimeAppsTest, TheDefaultComesFirstThenTheAddedOnes)
{
    const QStringList lists{
        list("user.list", "[Default Applications]\ntext/plain=missing.desktop;zed.desktop;\n"
                          "[Added Associations]\ntext/x-csrc=viewer.desktop;\n"),
        list("system.list", "[Default Applications]\ntext/x-csrc=alpha.desktop\n"),
    };
    // The most specific type's default wins over its parent's, even from a less important list.
    EXPECT_EQ(ids(MimeApps::applicationsFor(cSource, installed, lists)),
              (QStringList{"alpha.desktop", "viewer.desktop", "c-ide.desktop", "zed.desktop"}));
    // For plain text the first installed default of the user's list.
    EXPECT_EQ(ids(MimeApps::applicationsFor({"text/plain"}, installed, lists)),
              (QStringList{"zed.desktop", "alpha.desktop"}));
    // A default that lists no type of its own still comes first.
    const QStringList other{list("other.list", "[Default Applications]\nimage/png=hidden-default.desktop\n")};
    EXPECT_EQ(ids(MimeApps::applicationsFor({"image/png"}, installed, other)),
              (QStringList{"hidden-default.desktop", "viewer.desktop"}));
}

TEST_F(MimeAppsTest, RemovedAssociationsHoldForLessImportantListsOnly)
{
    const QStringList lists{
        list("user.list", "[Removed Associations]\ntext/plain=zed.desktop;alpha.desktop;\n"
                          "[Added Associations]\ntext/plain=c-ide.desktop;\n"),
        list("system.list", "[Default Applications]\ntext/plain=zed.desktop\n"
                            "[Added Associations]\ntext/plain=alpha.desktop;\n"),
    };
    // Neither the system's default nor its added one nor MimeType= brings them back.
    EXPECT_EQ(ids(MimeApps::applicationsFor({"text/plain"}, installed, lists)), (QStringList{"c-ide.desktop"}));
    // Added in the more important list, removed in the less important one: kept.
    const QStringList reversed{lists[1], list("late.list", "[Removed Associations]\ntext/plain=alpha.desktop;\n")};
    EXPECT_EQ(ids(MimeApps::applicationsFor({"text/plain"}, installed, reversed)),
              (QStringList{"zed.desktop", "alpha.desktop"}));
    // Removed for plain text, it still opens what it declares for a more specific type.
    const QStringList notPlain{list("plain.list", "[Removed Associations]\ntext/plain=c-ide.desktop;zed.desktop;\n")};
    EXPECT_EQ(ids(MimeApps::applicationsFor(cSource, installed, notPlain)),
              (QStringList{"alpha.desktop", "c-ide.desktop"}));
}

TEST_F(MimeAppsTest, AFileIsOpenedAsItsTypeAndItsParents)
{
    const QString source = m_dir.filePath(QStringLiteral("main.c"));
    QFile file(source);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("int main(void) { return 0; }\n");
    file.close();
    const QStringList types = MimeApps::typesOfFile(source);
    ASSERT_FALSE(types.isEmpty());
    EXPECT_EQ(types.first(), QStringLiteral("text/x-csrc"));
    EXPECT_TRUE(types.contains(QStringLiteral("text/plain"))) << types.join(u' ').toStdString();
    EXPECT_LT(types.indexOf(QStringLiteral("text/x-csrc")), types.indexOf(QStringLiteral("text/plain")));
    EXPECT_FALSE(types.contains(QStringLiteral("application/octet-stream")));
    EXPECT_EQ(MimeApps::typesOfFile(m_dir.path()).value(0), QStringLiteral("inode/directory"));
}

TEST_F(MimeAppsTest, ListFilesComeMostImportantFirst)
{
    const QByteArray saved[] = {qgetenv("XDG_CONFIG_HOME"), qgetenv("XDG_CONFIG_DIRS"), qgetenv("XDG_CURRENT_DESKTOP"),
                                qgetenv("XDG_DATA_HOME"), qgetenv("XDG_DATA_DIRS")};
    const QString root = m_dir.path();
    for (const char *sub : {"config", "sysconf", "data", "sysdata"})
        QDir(root).mkpath(QLatin1String(sub));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(root + "/config"));
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(root + "/sysconf"));
    qputenv("XDG_CURRENT_DESKTOP", "XFCE");
    qputenv("XDG_DATA_HOME", QFile::encodeName(root + "/data"));
    qputenv("XDG_DATA_DIRS", QFile::encodeName(root + "/sysdata"));
    const QStringList files = MimeApps::listFiles();
    int i = 0;
    for (const char *name : {"XDG_CONFIG_HOME", "XDG_CONFIG_DIRS", "XDG_CURRENT_DESKTOP", "XDG_DATA_HOME",
                             "XDG_DATA_DIRS"}) {
        if (saved[i].isNull())
            qunsetenv(name);
        else
            qputenv(name, saved[i]);
        ++i;
    }
    EXPECT_EQ(files, (QStringList{root + "/config/xfce-mimeapps.list", root + "/config/mimeapps.list",
                                  root + "/sysconf/xfce-mimeapps.list", root + "/sysconf/mimeapps.list",
                                  root + "/data/applications/xfce-mimeapps.list",
                                  root + "/data/applications/mimeapps.list",
                                  root + "/sysdata/applications/xfce-mimeapps.list",
                                  root + "/sysdata/applications/mimeapps.list"}));
}

} // namespace
