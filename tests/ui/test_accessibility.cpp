// What screen readers get through Qt's accessibility interface: the list and
// its shortcuts, the focus following the selection, and the dialogs' controls.
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

#include "platform/widgets/Accessibility.h"
#include "shortcuts/Adding.h"
#include "support/WindowFixture.h"

using namespace testing_support;

namespace {

QAccessibleInterface *accessible(QObject *object) { return QAccessible::queryAccessibleInterface(object); }

// A control's name as a screen reader gets it: its own, or that of the label
// it is labelled by (Qt names a combo box on Linux by its value).
QString spokenName(QWidget *widget)
{
    QAccessibleInterface *iface = accessible(widget);
    if (!iface)
        return {};
    for (const auto &[label, relation] : iface->relations(QAccessible::Label))
        if (!label->text(QAccessible::Name).isEmpty())
            return label->text(QAccessible::Name);
    return qobject_cast<QComboBox *>(widget) ? QString() : iface->text(QAccessible::Name);
}

// Every control the keyboard reaches in `dialog`, with the name it is read by.
QStringList controlNames(QWidget *dialog)
{
    QStringList names;
    for (QWidget *w : dialog->findChildren<QWidget *>())
        if (w->isVisibleTo(dialog) && w->focusPolicy() != Qt::NoFocus && !w->focusProxy())
            names << spokenName(w);
    return names;
}

class AccessibilityTest : public OpenWindowFixture {
protected:
    // Qt keeps an object's interface once made: the roles come before the window.
    void SetUp() override
    {
        platform::installAccessibleWindowRoles();
        platform::installAccessibleListItems();
        OpenWindowFixture::SetUp();
    }
    QAccessibleInterface *listInterface() { return accessible(&list()); }
    QString itemText(int row, QAccessible::Text t) { return listInterface()->child(row)->text(t); }
};

TEST_F(AccessibilityTest, TheListAndEachShortcutSayWhatTheyAre)
{
    // The main window is a window, the options a dialog, each named by its title.
    EXPECT_EQ(accessible(window.get())->role(), QAccessible::Window);
    EXPECT_EQ(accessible(window.get())->text(QAccessible::Name), window->windowTitle());
    EXPECT_EQ(accessible(&list())->role(), QAccessible::List);
    window->showOptions();
    EXPECT_EQ(accessible(window->frmOptions())->role(), QAccessible::Dialog);
    window->frmOptions()->close();

    QAccessibleInterface *iface = listInterface();
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->role(), QAccessible::List);
    EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("Shortcuts"));
    EXPECT_TRUE(iface->text(QAccessible::Description).startsWith(QStringLiteral("No shortcuts. Drop files")));

    QFile file(dir.filePath(QStringLiteral("Quarterly_report_of_the_northern_region_2024.txt")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const QString gone = dir.filePath(QStringLiteral("gone.txt"));
    window->controller().addTargets({file.fileName(), gone, QStringLiteral("https://example.org/")});
    list().grab(); // painted: the large-icon view breaks long captions when drawing them
    // Told once the batch is in, when the event loop comes back.
    EXPECT_TRUE(QTest::qWaitFor([&] { return iface->text(QAccessible::Description) == QStringLiteral("3 shortcuts"); }, 2000))
        << iface->text(QAccessible::Description).toStdString();
    ASSERT_EQ(iface->childCount(), 3);
    EXPECT_EQ(iface->child(0)->role(), QAccessible::ListItem);
    EXPECT_EQ(itemText(0, QAccessible::Name), QStringLiteral("Quarterly_report_of_the_northern_region_2024.txt"));
    EXPECT_EQ(itemText(0, QAccessible::Description), file.fileName());
    EXPECT_EQ(itemText(1, QAccessible::Name), QStringLiteral("gone.txt"));
    EXPECT_EQ(itemText(1, QAccessible::Description), gone + QStringLiteral("\nThis file or folder is missing."));
    EXPECT_EQ(itemText(2, QAccessible::Description), QStringLiteral("https://example.org/"));

    list().selectRow(1);
    window->controller().deleteSelected();
    EXPECT_TRUE(QTest::qWaitFor([&] { return iface->text(QAccessible::Description) == QStringLiteral("2 shortcuts"); }, 2000))
        << iface->text(QAccessible::Description).toStdString();
    list().selectRow(0);
    window->controller().deleteSelected();
    EXPECT_TRUE(QTest::qWaitFor([&] { return iface->text(QAccessible::Description) == QStringLiteral("1 shortcut"); }, 2000))
        << iface->text(QAccessible::Description).toStdString();
}

TEST_F(AccessibilityTest, WhileFilteringEveryShownRowIsDescribedByItsOwnTarget)
{
    window->controller().addTargets({QStringLiteral("https://alpha.example/"), QStringLiteral("https://beta.example/"),
                        QStringLiteral("https://gamma.example/")});
    // Arranged, the matches alone show, best first; placed by hand, every
    // shortcut stays in its place and the others fade.
    for (int arrange : {1, 0}) {
        SCOPED_TRACE(arrange);
        list().setArrange(arrange);
        window->finder().type(QStringLiteral("gamma"));
        const QAbstractItemModel &shown = *list().model();
        ASSERT_EQ(shown.rowCount(), arrange ? 1 : 3);
        for (int row = 0; row < shown.rowCount(); ++row) {
            const QModelIndex index = shown.index(row, 0);
            const QString name = index.data(Qt::AccessibleTextRole).toString();
            const QString target = QStringLiteral("https://%1/").arg(name);
            EXPECT_EQ(index.data(Qt::AccessibleDescriptionRole).toString(), target) << row;
            EXPECT_TRUE(index.data(Qt::ToolTipRole).toString().startsWith(name + QLatin1Char('\n') + target)) << row;
        }
        if (arrange) {
            // As a screen reader hears the first row.
            EXPECT_EQ(itemText(0, QAccessible::Name), QStringLiteral("gamma.example"));
            EXPECT_EQ(itemText(0, QAccessible::Description), QStringLiteral("https://gamma.example/"));
        }
        // The Alt+digit line counts the matches as shown.
        EXPECT_TRUE(list().indexOf(2).data(Qt::ToolTipRole).toString().endsWith(QStringLiteral("Alt+1 opens it")));
        window->finder().clear();
    }
}

TEST_F(AccessibilityTest, TheListSaysHowManyMatchWhileTypingFindsAndThatNoneDoes)
{
    window->controller().addTargets({QStringLiteral("https://alpha.example/"), QStringLiteral("https://beta.example/"),
                                     QStringLiteral("https://gamma.example/")});
    const auto description = [&] { return list().accessibleDescription(); };
    EXPECT_TRUE(QTest::qWaitFor([&] { return description() == QStringLiteral("3 shortcuts"); })) << description().toStdString();
    for (int arrange : {1, 0}) {
        SCOPED_TRACE(arrange);
        list().setArrange(arrange);
        window->finder().type(QStringLiteral("a"));
        EXPECT_EQ(description(), QStringLiteral("3 of 3 shortcuts match"));
        window->finder().type(QStringLiteral("lp"));
        EXPECT_EQ(description(), QStringLiteral("1 of 3 shortcuts match"));
        window->finder().type(QStringLiteral("zz"));
        EXPECT_EQ(description(), QStringLiteral("No shortcut matches \u201Calpzz\u201D"));
        window->finder().clear();
        EXPECT_EQ(description(), QStringLiteral("3 shortcuts"));
    }
    // The context menu has a name to be read by.
    EXPECT_FALSE(window->mnuPopup().accessibleName().isEmpty());
}

TEST_F(AccessibilityTest, TheFocusMovesWithTheSelection)
{
    window->controller().addTargets({QStringLiteral("https://one.example/"), QStringLiteral("https://two.example/"),
                        QStringLiteral("https://three.example/")});
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    list().setFocus();
    for (int view : {0, 2}) {
        list().setView(view);
        list().selectRow(0);
        QTest::keyClick(&list(), view == 0 ? Qt::Key_Right : Qt::Key_Down);
        QAccessibleInterface *focused = listInterface()->focusChild();
        ASSERT_NE(focused, nullptr) << view;
        EXPECT_EQ(focused->text(QAccessible::Name), QStringLiteral("two.example")) << view;
        EXPECT_TRUE(focused->state().focused) << view;
        EXPECT_TRUE(focused->state().selected) << view;
        EXPECT_FALSE(listInterface()->child(0)->state().selected) << view;
    }
}

TEST_F(AccessibilityTest, EachShortcutHasAnActionThatOpensItBesidesSelecting)
{
    window->controller().addTargets({QStringLiteral("https://alpha.example/"), QStringLiteral("https://beta.example/"),
                                     QStringLiteral("https://gamma.example/")});
    ASSERT_EQ(listInterface()->childCount(), 3);
    QAccessibleActionInterface *actions = listInterface()->child(1)->actionInterface();
    ASSERT_NE(actions, nullptr);
    // Open first: tools take it for the default.
    EXPECT_EQ(actions->actionNames(),
              QStringList({QAccessibleActionInterface::pressAction(), QAccessibleActionInterface::toggleAction()}));
    EXPECT_EQ(actions->localizedActionName(QAccessibleActionInterface::pressAction()), QStringLiteral("Open"));
    EXPECT_FALSE(actions->localizedActionName(QAccessibleActionInterface::toggleAction()).isEmpty());

    // Toggle still selects (beside what was selected: several may be), and selects only.
    actions->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(list().selectedRows(), (std::vector<int>{1, 2}));
    EXPECT_TRUE(listInterface()->child(1)->state().selected);
    EXPECT_TRUE(opener.opened.isEmpty());

    // Open opens that shortcut, whichever was selected, and selects it.
    list().selectRow(0);
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(opener.opened, QStringList{QStringLiteral("https://beta.example/")});
    EXPECT_EQ(list().selectedRow(), 1);

    // While typing finds, the shown item opens its own shortcut: here the
    // only match is the list's first item, the model's third.
    list().setArrange(1);
    window->finder().type(QStringLiteral("gamma"));
    ASSERT_EQ(listInterface()->childCount(), 1);
    QAccessibleInterface *match = listInterface()->child(0);
    EXPECT_EQ(match->text(QAccessible::Name), QStringLiteral("gamma.example"));
    EXPECT_EQ(listInterface()->indexOfChild(match), 0);
    EXPECT_EQ(match->parent(), listInterface());
    match->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(opener.opened.last(), QStringLiteral("https://gamma.example/"));
    EXPECT_EQ(opener.opened.size(), 2);
}

TEST_F(AccessibilityTest, EveryDialogControlIsNamedByItsLabel)
{
    window->showOptions();
    options::frmOptions *options = window->frmOptions();
    ASSERT_NE(options, nullptr);
    EXPECT_EQ(spokenName(options->cmbArrange()), QStringLiteral("Arrangement:"));
    EXPECT_EQ(spokenName(options->cmbView()), QStringLiteral("View:"));
    EXPECT_EQ(spokenName(options->chkLogin()), QStringLiteral("Start at login"));
    EXPECT_EQ(spokenName(options->cmdClose()), QStringLiteral("Close"));
    EXPECT_FALSE(controlNames(options).contains(QString())) << controlNames(options).join(u'|').toStdString();
    // The key field: the edit that takes the focus goes by the label, its clear button by what it does.
    QWidget *keyField = options->findChild<QWidget *>(QStringLiteral("txtKey"));
    ASSERT_NE(keyField, nullptr);
    auto *inner = keyField->findChild<QLineEdit *>();
    ASSERT_NE(inner, nullptr);
    EXPECT_EQ(accessible(inner)->text(QAccessible::Name), QStringLiteral("Show/hide key:"));
    for (QToolButton *clear : inner->findChildren<QToolButton *>())
        EXPECT_EQ(accessible(clear)->text(QAccessible::Name), QStringLiteral("Clear the key"));
    // A dialog to a screen reader, not a plain window.
    EXPECT_EQ(accessible(options)->role(), QAccessible::Dialog);
    // The web link is reached by Tab and opened by Enter.
    QWidget *link = options->findChild<QWidget *>(QStringLiteral("cmdWWW"));
    ASSERT_NE(link, nullptr);
    EXPECT_NE(link->focusPolicy(), Qt::NoFocus);
    EXPECT_FALSE(accessible(link)->text(QAccessible::Name).isEmpty());
    const auto opened = opener.opened.size();
    QTest::keyClick(link, Qt::Key_Return);
    EXPECT_EQ(opener.opened.size(), opened + 1);
    options->close();

    // The Add URL prompt, as the real dialog shows it.
    platform::WidgetDialogs dialogs(window.get());
    QStringList prompt;
    QTimer::singleShot(0, [&] {
        QWidget *box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        prompt << spokenName(box->findChild<QLineEdit *>()) << controlNames(box);
        box->close();
    });
    dialogs.inputText(shortcuts::kUrlPromptTitle, shortcuts::kUrlPrompt, QStringLiteral("http://"), QString(), {});
    ASSERT_FALSE(prompt.isEmpty());
    EXPECT_EQ(prompt.first(), shortcuts::kUrlPrompt);
    EXPECT_FALSE(prompt.contains(QString())) << prompt.join(u'|').toStdString();

    // A refused answer: the reason is the field's description, where the focus stays.
    QString described;
    QTimer::singleShot(0, [&] {
        QWidget *box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        auto *field = box->findChild<QLineEdit *>();
        field->setText(QStringLiteral("not an address"));
        QMetaObject::invokeMethod(box, "accept");
        described = accessible(field)->text(QAccessible::Description);
        box->close();
    });
    dialogs.inputText(shortcuts::kUrlPromptTitle, shortcuts::kUrlPrompt, QString(), QString(),
                      [](const QString &answer) { return answer == QLatin1String("not an address") ? QStringLiteral("why not") : QString(); });
    EXPECT_EQ(described, QStringLiteral("why not"));
}

} // namespace
