// The Add Applications window, driven by the keys and the mouse: the filter
// finds by keyword, several rows are chosen, Enter adds them as shortcuts
// and selects them in the main window, Escape adds nothing.
#include <QApplication>
#include <QDir>
#include <QListView>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "support/WindowFixture.h"
#include "ui/AddApplications.h"

using namespace testing_support;

namespace {

class AddApplicationsTest : public OpenWindowFixture {
protected:
    QString apps = dir.filePath(QStringLiteral("share/applications"));
    platform::ApplicationPlaces places{{dir.filePath(QStringLiteral("home")), dir.filePath(QStringLiteral("share"))},
                                       {}, {}, QStringLiteral("C")};

    void SetUp() override
    {
        OpenWindowFixture::SetUp();
        ASSERT_TRUE(QDir().mkpath(apps));
        entry("firefox", "[Desktop Entry]\nType=Application\nName=Firefox\nKeywords=browser;internet;\nExec=firefox %u\n");
        entry("chromium", "[Desktop Entry]\nType=Application\nName=Chromium\nGenericName=Web Browser\nExec=chromium\n");
        entry("xterm", "[Desktop Entry]\nType=Application\nName=XTerm\nGenericName=Terminal\nExec=xterm\n");
        entry("secret", "[Desktop Entry]\nType=Application\nName=Secret Browser\nNoDisplay=true\nExec=secret\n");
    }
    QString entry(const char *name, const QByteArray &body)
    {
        const QString path = apps + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".desktop");
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(body);
        return path;
    }
    QString path(const char *name) const { return apps + QLatin1Char('/') + QLatin1String(name) + ".desktop"; }
    static QStringList shownNames(const ui::AddApplications &dialog)
    {
        QStringList names;
        const QAbstractItemModel &shown = *dialog.list().model();
        for (int row = 0; row < shown.rowCount(); ++row)
            names << shown.index(row, 0).data(Qt::AccessibleTextRole).toString();
        return names;
    }
    std::unique_ptr<ui::AddApplications> openDialog()
    {
        auto dialog = std::make_unique<ui::AddApplications>(window->controller(), places, window.get());
        dialog->show();
        dialog->activateWindow();
        EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == dialog.get(); }));
        return dialog;
    }
};

TEST_F(AddApplicationsTest, AKeywordFindsThemAndEnterAddsEveryChosenOneSelected)
{
    window->controller().addTargets({QStringLiteral("https://example.org")});
    const auto dialog = openDialog();
    EXPECT_EQ(dialog->windowTitle(), "Tessaflow - Add Applications");
    EXPECT_EQ(QApplication::focusWidget(), &dialog->filter());
    EXPECT_EQ(shownNames(*dialog), (QStringList{"Chromium", "Firefox", "XTerm"})); // no NoDisplay one
    QTest::keyClicks(&dialog->filter(), "brow");
    EXPECT_EQ(shownNames(*dialog), (QStringList{"Chromium", "Firefox"}));
    // The best match is chosen; Ctrl+Down moves on without choosing, Ctrl+Space adds to the choice.
    EXPECT_EQ(dialog->chosen(), QStringList{path("chromium")});
    QTest::keyClick(&dialog->filter(), Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(dialog->chosen(), QStringList{path("chromium")});
    QTest::keyClick(&dialog->filter(), Qt::Key_Space, Qt::ControlModifier);
    EXPECT_EQ(dialog->chosen(), (QStringList{path("chromium"), path("firefox")}));
    EXPECT_EQ(QApplication::focusWidget(), &dialog->filter()); // still typing there
    QTest::keyClick(&dialog->filter(), Qt::Key_Return);
    EXPECT_TRUE(dialog->isHidden());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(targets(), (QStringList{"https://example.org", path("chromium"), path("firefox")}));
    // As a drop of the files would have captioned them, and selected in the main window.
    EXPECT_EQ(caption(1), "Chromium");
    EXPECT_EQ(list().selectedRows(), (std::vector<int>{1, 2}));
    EXPECT_TRUE(readProfile().contains(QFile::encodeName(path("firefox"))));
}

TEST_F(AddApplicationsTest, UpDownMoveFromTheFilterAndAddedOnesAreMarked)
{
    window->controller().addTargets({path("xterm")});
    const auto dialog = openDialog();
    const QModelIndex xterm = dialog->list().model()->index(2, 0);
    EXPECT_EQ(xterm.data(Qt::AccessibleDescriptionRole).toString(), "(already added)");
    EXPECT_EQ(dialog->list().model()->index(0, 0).data(Qt::AccessibleDescriptionRole).toString(), "Web Browser");
    QTest::keyClick(&dialog->filter(), Qt::Key_Down);
    QTest::keyClick(&dialog->filter(), Qt::Key_Down);
    EXPECT_EQ(dialog->chosen(), QStringList{path("xterm")});
    QTest::keyClick(&dialog->filter(), Qt::Key_Up);
    EXPECT_EQ(dialog->chosen(), QStringList{path("firefox")});
    // Shift+click adds the rows up to the one clicked.
    const QRect first = dialog->list().visualRect(dialog->list().model()->index(0, 0));
    QTest::mouseClick(dialog->list().viewport(), Qt::LeftButton, Qt::ShiftModifier, first.center());
    EXPECT_EQ(dialog->chosen(), (QStringList{path("chromium"), path("firefox")}));
    // Nothing matching: nothing to add.
    QTest::keyClicks(&dialog->filter(), "zzzz");
    EXPECT_TRUE(dialog->chosen().isEmpty());
    EXPECT_FALSE(dialog->findChild<QPushButton *>("cmdAdd")->isEnabled());
    QTest::keyClick(&dialog->filter(), Qt::Key_Return);
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(AddApplicationsTest, EscapeAndCloseAddNothing)
{
    const auto dialog = openDialog();
    QTest::keyClicks(&dialog->filter(), "fire");
    QTest::keyClick(&dialog->filter(), Qt::Key_Escape);
    EXPECT_TRUE(dialog->isHidden());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    const auto again = openDialog();
    again->findChild<QPushButton *>("cmdClose")->click();
    EXPECT_TRUE(again->isHidden());
    EXPECT_TRUE(targets().isEmpty());
}

TEST_F(AddApplicationsTest, TheContextMenuOpensItOverTheWindowWithTheDesktopsEntries)
{
    const QByteArray dataDirs = qgetenv("XDG_DATA_DIRS"), dataHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_DIRS", QFile::encodeName(dir.filePath("share")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(dir.filePath("home")));
    QApplication::setActiveWindow(window.get());
    list().setFocus();
    menuShownBy([&] { QTest::mouseClick(list().viewport(), Qt::RightButton, {}, QPoint(200, 150)); },
                QStringLiteral("Add Appli&cation\u2026"));
    qputenv("XDG_DATA_DIRS", dataDirs);
    qputenv("XDG_DATA_HOME", dataHome);
    auto *dialog = window->findChild<ui::AddApplications *>(QStringLiteral("frmAddApplications"));
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == dialog; }));
    EXPECT_TRUE(dialog->isModal() || dialog->windowModality() == Qt::WindowModal);
    EXPECT_EQ(shownNames(*dialog), (QStringList{"Chromium", "Firefox", "XTerm"}));
    QTest::keyClicks(&dialog->filter(), "term");
    QTest::keyClick(&dialog->filter(), Qt::Key_Enter);
    EXPECT_EQ(targets(), QStringList{path("xterm")});
    // It goes away once closed.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window->findChild<ui::AddApplications *>(); }));
}

} // namespace
