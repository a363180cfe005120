// The options dialog: view and arrangement, the link, saving on close.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include "support/WindowFixture.h"

using namespace testing_support;

namespace {

class OptionsTest : public OpenWindowFixture {
protected:

    options::frmOptions *showOptions()
    {
        window->showOptions();
        return window->frmOptions();
    }
    QByteArray keysOf(const QByteArray &profile)
    {
        QByteArray out;
        for (const QByteArray &line : profile.split('\n'))
            if (line.startsWith("Arrange=") || line.startsWith("SView="))
                out += line + ' ';
        return out.trimmed();
    }
};

TEST_F(OptionsTest, TitleOwnerModalityAndSizeOfTheDialog)
{
    options::frmOptions *dialog = showOptions();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Tessaflow - Options"));
    EXPECT_EQ(dialog->parent(), nullptr);      // no owner
    EXPECT_EQ(dialog->windowModality(), Qt::NonModal);
    EXPECT_TRUE(dialog->windowFlags() & Qt::Tool); // kept out of the task bar
    EXPECT_FALSE(dialog->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize()); // not resizable
    // Wide enough for its title beside the title bar's buttons, and for
    // every entry of its lists.
    QFont bold = dialog->font();
    bold.setBold(true);
    EXPECT_GT(dialog->width(), QFontMetrics(bold).horizontalAdvance(dialog->windowTitle()) + 60);
    for (QComboBox *box : {dialog->cmbArrange(), dialog->cmbView()})
        for (int i = 0; i < box->count(); ++i)
            EXPECT_GT(box->width(), box->fontMetrics().horizontalAdvance(box->itemText(i)));
    // Each list has a label whose access key takes the focus to it.
    QStringList labels;
    for (QLabel *label : dialog->findChildren<QLabel *>())
        if (label->buddy())
            labels << label->text() + QStringLiteral(" -> ") + label->buddy()->objectName();
    labels.sort();
    EXPECT_EQ(labels,
              (QStringList{"&Arrangement: -> cmbArrange", "&View: -> cmbView", "Show/hide &key: -> txtKey"}));
    EXPECT_EQ(dialog->chkLogin()->text(), QStringLiteral("Start at &login"));
    EXPECT_EQ(dialog->cmdClose()->text(), QStringLiteral("&Close"));
    EXPECT_EQ(dialog->cmbArrange()->toolTip(), QStringLiteral("Select Shortcut Arrangement"));
    EXPECT_EQ(dialog->cmbView()->toolTip(), QStringLiteral("Select Shortcut View"));
    EXPECT_EQ(dialog->cmbArrange()->itemText(2), QStringLiteral("Auto Arrange Icons Top"));
    EXPECT_EQ(dialog->cmbView()->itemText(2), QStringLiteral("List View"));
    EXPECT_FALSE(dialog->cmbArrange()->isEditable());
    EXPECT_EQ(dialog->cmdWWW()->text(), QStringLiteral("tessaflow.org"));
    // Reached by Tab, so the keyboard can open it too.
    EXPECT_TRUE(dialog->cmdWWW()->focusPolicy() & Qt::TabFocus);
    EXPECT_TRUE(dialog->cmdWWW()->font().bold());
    EXPECT_EQ(dialog->cmdWWW()->palette().color(QPalette::WindowText), QColor(0, 0, 192));
    EXPECT_EQ(dialog->palette().color(QPalette::Window), QColor(Qt::white));
    // The Tab key's order: the link last.
    QStringList tabOrder;
    for (QWidget *w = dialog->nextInFocusChain(); w != dialog; w = w->nextInFocusChain())
        if (w->focusPolicy() & Qt::TabFocus)
            tabOrder << w->objectName();
    EXPECT_EQ(tabOrder, (QStringList{"cmbArrange", "cmbView", "chkLogin", "chkFindApplications", "txtKey",
                                     "qt_keysequenceedit_lineedit",
                                     "cmdImport", "cmdExport", "cmdClose", "cmdWWW"}));
}

TEST_F(OptionsTest, ItOpensCentredOverTheMainWindowOnItsScreen)
{
    window->move(300, 200);
    QApplication::processEvents();
    options::frmOptions *dialog = showOptions();
    QApplication::processEvents();
    const QPoint off = dialog->frameGeometry().center() - window->frameGeometry().center();
    EXPECT_LE(off.manhattanLength(), 4) << off.x() << "," << off.y();
}

TEST_F(OptionsTest, ImportAndExportMenusReachTheChoosersAndTheList)
{
    options::frmOptions *dialog = showOptions();
    ASSERT_TRUE(dialog->cmdImport()->menu());
    const QList<QAction *> imports = dialog->cmdImport()->menu()->actions();
    ASSERT_EQ(imports.size(), 3);
    const QString marks = dir.filePath(QStringLiteral("marks.html"));
    QFile file(marks);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<DL><p><DT><A HREF=\"https://imported.example/\">Imported</A>\n");
    file.close();
    fileChooser.answer = {marks};
    imports[0]->trigger();
    EXPECT_EQ(fileChooser.shown, 1);
    const auto &shortcuts = window->controller().model().shortcuts();
    ASSERT_FALSE(shortcuts.empty());
    EXPECT_EQ(shortcuts.back().target, QStringLiteral("https://imported.example/"));
    ASSERT_FALSE(dialogs.shown.empty());
    EXPECT_TRUE(dialogs.shown.back().text.contains(QStringLiteral("1 added: Imported")));

    const QList<QAction *> exports = dialog->cmdExport()->menu()->actions();
    ASSERT_EQ(exports.size(), 2);
    const QString out = dir.filePath(QStringLiteral("out.html"));
    fileChooser.answer = {out};
    exports[1]->trigger();
    QFile written(out);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.readAll().contains("<A HREF=\"https://imported.example/\">Imported</A>"));
}

TEST_F(OptionsTest, StartAtLoginAndCloseDoWhatTheTrayAndTheCloseBoxDo)
{
    options::frmOptions *dialog = showOptions();
    dialog->chkLogin()->click();
    EXPECT_TRUE(autostart.enabled());
    // Changed from the tray menu, the box follows.
    window->controller().setStartAtLogin(false);
    EXPECT_FALSE(autostart.enabled());
    EXPECT_FALSE(dialog->chkLogin()->isChecked());

    dialog->cmbView()->setCurrentIndex(1);
    dialog->cmdClose()->click();
    QApplication::processEvents();
    EXPECT_EQ(window->frmOptions(), nullptr);
    EXPECT_EQ(keysOf(readProfile()), QByteArray("Arrange=0 SView=1"));
}

TEST_F(OptionsTest, FindingApplicationsIsOnUntilTurnedOffAndThenStored)
{
    options::frmOptions *dialog = showOptions();
    QCheckBox *box = dialog->chkFindApplications();
    EXPECT_EQ(box->text(), QStringLiteral("Find &applications too"));
    EXPECT_TRUE(box->isVisible());
    EXPECT_TRUE(box->isChecked());
    EXPECT_TRUE(window->controller().findsApplications());
    // Its access key is the arrangement's too: Alt+A reaches the arrangement
    // first, as it always did, and the box on the next press, unchanged.
    QApplication::setActiveWindow(dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    QTest::keyClick(dialog, Qt::Key_A, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), dialog->cmbArrange());
    QTest::keyClick(dialog, Qt::Key_A, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), box);
    EXPECT_TRUE(box->isChecked());
    dialog->cmdClose()->click();
    QApplication::processEvents();
    EXPECT_FALSE(readProfile().contains("FindApplications"));

    box = showOptions()->chkFindApplications();
    box->click();
    EXPECT_FALSE(window->controller().findsApplications());
    window->frmOptions()->cmdClose()->click();
    QApplication::processEvents();
    EXPECT_TRUE(readProfile().contains("\nFindApplications=0\n"));

    // The next start reads it and shows it.
    window->close();
    window.reset();
    window = open();
    EXPECT_FALSE(window->controller().findsApplications());
    EXPECT_FALSE(showOptions()->chkFindApplications()->isChecked());
}

TEST_F(OptionsTest, OpeningShowsTheStoredChoicesAndChangesNothing)
{
    for (int arrange = 0; arrange <= 2; ++arrange) {
        for (int view = 0; view <= 2; ++view) {
            SCOPED_TRACE(QStringLiteral("%1/%2").arg(arrange).arg(view).toStdString());
            window->close();
            window.reset();
            writeProfile(QStringLiteral("[Tessaflow]\nArrange=%1\nSView=%2\n").arg(arrange).arg(view).toUtf8());
            window = open();
            options::frmOptions *dialog = showOptions();
            EXPECT_EQ(dialog->cmbArrange()->currentIndex(), arrange);
            EXPECT_EQ(dialog->cmbView()->currentIndex(), view);
            EXPECT_EQ(list().Arrange(), arrange);
            EXPECT_EQ(list().View(), view);
        }
    }
}

TEST_F(OptionsTest, EachChoiceAppliesAtOnceAndIsSavedWhenTheDialogCloses)
{
    for (int arrange = 0; arrange <= 2; ++arrange) {
        for (int view = 0; view <= 2; ++view) {
            SCOPED_TRACE(QStringLiteral("%1/%2").arg(arrange).arg(view).toStdString());
            QFile::remove(profile);
            options::frmOptions *dialog = showOptions();
            dialog->cmbArrange()->setCurrentIndex(arrange);
            dialog->cmbView()->setCurrentIndex(view);
            EXPECT_EQ(list().Arrange(), arrange);
            EXPECT_EQ(list().View(), view);
            EXPECT_FALSE(QFile::exists(profile)); // nothing saved while it is open
            dialog->close();
            QApplication::processEvents();
            EXPECT_EQ(window->frmOptions(), nullptr);
            EXPECT_EQ(keysOf(readProfile()), QStringLiteral("Arrange=%1 SView=%2").arg(arrange).arg(view).toUtf8());
        }
    }
    // And they come back after a restart.
    window->close();
    window = open();
    EXPECT_EQ(list().Arrange(), 2);
    EXPECT_EQ(list().View(), 2);
}

TEST_F(OptionsTest, EscapeClosesTheDialogAndSaves)
{
    options::frmOptions *dialog = showOptions();
    dialog->cmbView()->setCurrentIndex(1);
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    QTest::keyClick(dialog->cmbView(), Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_EQ(window->frmOptions(), nullptr);
    EXPECT_EQ(keysOf(readProfile()), QByteArray("Arrange=0 SView=1"));
}

TEST_F(OptionsTest, AReportViewOpensWithNoViewChosenAndStaysUntilOneIsPicked)
{
    window->close();
    writeProfile("[Tessaflow]\nSView=3\n");
    window = open();
    ASSERT_EQ(list().View(), 3);
    options::frmOptions *dialog = showOptions();
    EXPECT_EQ(dialog->cmbView()->currentIndex(), -1);
    EXPECT_EQ(list().View(), 3);
    dialog->cmbView()->setCurrentIndex(1);
    EXPECT_EQ(list().View(), 1);
}

TEST_F(OptionsTest, OptionsAgainShowsTheSameDialogWithoutRereading)
{
    options::frmOptions *dialog = showOptions();
    list().setView(2); // changed behind the dialog's back
    EXPECT_EQ(showOptions(), dialog);
    EXPECT_EQ(dialog->cmbView()->currentIndex(), 0);
}

TEST_F(OptionsTest, TheLinkOpensTheWebSiteAndLeavesTheDialogOpen)
{
    options::frmOptions *dialog = showOptions();
    QTest::mouseClick(dialog->cmdWWW(), Qt::LeftButton);
    EXPECT_EQ(opener.opened, QStringList{"http://tessaflow.org/"});
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(QFile::exists(profile));
}

TEST_F(OptionsTest, TheMainWindowStaysUsableWhileTheDialogIsOpen)
{
    options::frmOptions *dialog = showOptions();
    dialogs.nextInput = QStringLiteral("https://example.com/");
    window->controller().addUrl();
    EXPECT_EQ(list().count(), 1);
    list().selectRow(0);
    window->controller().deleteSelected();
    EXPECT_EQ(list().count(), 0);
    // Hidden to the tray, the dialog stays.
    window->showMinimized();
    QTest::qWait(20);
    EXPECT_TRUE(window->isHidden());
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(OptionsTest, ClosingTheProgramClosesTheDialogFirstWithItsChoicesSaved)
{
    options::frmOptions *dialog = showOptions();
    QPointer<options::frmOptions> watched(dialog);
    dialog->cmbView()->setCurrentIndex(2);
    window->close();
    QApplication::processEvents();
    EXPECT_TRUE(watched.isNull() || !watched->isVisible());
    EXPECT_EQ(tray.removes, 1);
    EXPECT_EQ(keysOf(readProfile()), QByteArray("Arrange=0 SView=2"));
}

} // namespace
