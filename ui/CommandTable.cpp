#include "ui/CommandTable.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

#include "platform/icons/IconPictures.h"

#include "shortcuts/Locating.h"
#include "shortcuts/Targets.h"

namespace ui {

namespace {

// A name from elsewhere, shown as it is: no "&" of it marks an access key.
QString asMenuText(const QString &name) { return QString(name).replace(QLatin1Char('&'), QLatin1String("&&")); }

// The selected desktop entry's own actions ("New Window", …), each an item.
QList<QAction *> desktopActionItems(launcher::Controller &controller, QObject &parent)
{
    QList<QAction *> items;
    const QString entry = controller.selectedTarget();
    for (const platform::DesktopEntry::Action &one : controller.selectedActions()) {
        auto *item = new QAction(platform::IconPictures::named(one.icon), asMenuText(one.name), &parent);
        item->setObjectName(QStringLiteral("mnuDesktopAction"));
        item->setProperty("desktopAction", one.id);
        QObject::connect(item, &QAction::triggered, &controller,
                         [c = &controller, entry, id = one.id] { c->startAction(entry, id); });
        items << item;
    }
    return items;
}

// The applications that open the selected shortcut, then the way to any other.
void fillOpenWith(QMenu &menu, launcher::Controller &controller,
                  const std::function<void(const QString &)> &chooseOther)
{
    const QString target = controller.selectedTarget();
    for (const platform::Application &app : controller.openWithCandidates(target)) {
        QAction *item = menu.addAction(controller.icons().iconForKey(QStringLiteral("desktop:") + app.path),
                                       asMenuText(app.name));
        item->setObjectName(QStringLiteral("mnuOpenWithApplication"));
        item->setProperty("desktopEntry", app.path);
        QObject::connect(item, &QAction::triggered, &controller,
                         [c = &controller, target, entry = app.path] { c->openWith(target, entry); });
    }
    menu.addSeparator();
    QAction *other = menu.addAction(QCoreApplication::translate("ContextMenu", "Other Application\u2026"));
    other->setObjectName(QStringLiteral("mnuOpenWithOther"));
    QObject::connect(other, &QAction::triggered, &menu, [chooseOther, target] { chooseOther(target); });
}

// The groups the selected shortcuts can move to, then a new one to make.
void fillMoveToGroup(QMenu &menu, launcher::Controller &controller)
{
    for (const QString &group : controller.groups()) {
        if (group == controller.shownGroup())
            continue;
        QAction *item = menu.addAction(asMenuText(shortcuts::groupTitle(group)));
        item->setObjectName(QStringLiteral("mnuMoveToGroupItem"));
        QObject::connect(item, &QAction::triggered, &controller,
                         [c = &controller, group] { c->moveSelectedToGroup(group); });
    }
    if (controller.groups().size() > 1)
        menu.addSeparator();
    QAction *made = menu.addAction(QCoreApplication::translate("ContextMenu", "&New Group\u2026"));
    made->setObjectName(QStringLiteral("mnuNewGroup"));
    QObject::connect(made, &QAction::triggered, &controller, [c = &controller] { c->newGroupForSelected(); });
}

// "&Undo Delete “report”", or greyed "&Undo" when there is nothing to undo.
void fitUndo(QAction &action, const QString &step)
{
    action.setEnabled(!step.isEmpty());
    //: A menu item; %1 names the change it undoes, such as: Delete “report”.
    action.setText(step.isEmpty() ? QCoreApplication::translate("ContextMenu", "&Undo")
                                  : QCoreApplication::translate("ContextMenu", "&Undo %1").arg(asMenuText(step)));
}

void fitRedo(QAction &action, const QString &step)
{
    action.setEnabled(!step.isEmpty());
    //: A menu item; %1 names the change it makes again, such as: Delete “report”.
    action.setText(step.isEmpty() ? QCoreApplication::translate("ContextMenu", "&Redo")
                                  : QCoreApplication::translate("ContextMenu", "&Redo %1").arg(asMenuText(step)));
}

const char *const kCopyPath = QT_TRANSLATE_NOOP("ContextMenu", "Cop&y Path");
const char *const kCopyAddress = QT_TRANSLATE_NOOP("ContextMenu", "Cop&y Address");
const char *const kOpenShortcut = QT_TRANSLATE_NOOP("ContextMenu", "&Open Shortcut");
//: The first item of the menu of an installed application offered while typing.
const char *const kOpenApplication = QT_TRANSLATE_NOOP("ContextMenu", "&Open Application");
} // namespace

std::vector<Command> commandTable(launcher::Controller &controller, platform::ListView &list,
                                  std::function<void()> showOptions, std::function<void()> showAddApplications,
                                  std::function<void()> showProperties,
                                  std::function<void(const QString &target)> chooseOpenWith)
{
    launcher::Controller *c = &controller;
    std::vector<Command> table = {
        // A shortcut, or an application offered while typing.
        {"mnuOpen", kOpenShortcut, {Qt::Key_Enter, Qt::Key_Return}, false, [c] { c->openSelected(); }, false,
         [&list](QAction &action) {
             const bool application = list.selectedRow() < 0 && list.selectedOffer() >= 0;
             action.setEnabled(list.selectedRow() >= 0 || application);
             action.setText(QCoreApplication::translate("ContextMenu", application ? kOpenApplication : kOpenShortcut));
         }},
        {.name = "mnuDesktopActions", .items = [c](QObject &parent) { return desktopActionItems(*c, parent); }},
        {.name = "mnuOpenWith",
         .text = QT_TRANSLATE_NOOP("ContextMenu", "Open &With\u2026"),
         .needsSelection = true,
         // Nothing to open when the target is gone.
         .fit = [c](QAction &action) { action.setEnabled(!shortcuts::isMissing(c->selectedTarget())); },
         .submenu = [c, choose = std::move(chooseOpenWith)](QMenu &menu) { fillOpenWith(menu, *c, choose); }},
        {"mnuShowInFolder", QT_TRANSLATE_NOOP("ContextMenu", "S&how in Folder"), {}, true,
         [c] { c->showSelectedInFolder(); }, false,
         // A web address has no folder.
         [c](QAction &action) {
             action.setEnabled(shortcuts::folderPlaceOf(c->selectedTarget()).kind
                               != shortcuts::FolderPlace::Kind::Nowhere);
         }},
        {"mnuCopyPath", kCopyPath, QKeySequence::keyBindings(QKeySequence::Copy),
         true, [c] { c->copySelectedTarget(); }, false,
         [c](QAction &action) {
             const bool link = shortcuts::readTarget(c->selectedTarget(), shortcuts::Source::Stored).isLink();
             action.setText(link ? QCoreApplication::translate("ContextMenu", kCopyAddress)
                                 : QCoreApplication::translate("ContextMenu", kCopyPath));
         }},
        {.name = "mnuMoveToGroup",
         .text = QT_TRANSLATE_NOOP("ContextMenu", "Move to &Group"),
         .needsSelection = true,
         .submenu = [c](QMenu &menu) { fillMoveToGroup(menu, *c); }},
        {"mnuRename", QT_TRANSLATE_NOOP("ContextMenu", "&Rename"), {Qt::Key_F2}, true,
         [&list] { list.editCaption(); }},
        {"mnuDelete", QT_TRANSLATE_NOOP("ContextMenu", "&Delete Shortcut"),
         QKeySequence::keyBindings(QKeySequence::Delete), true, [c] { c->deleteSelected(); }},
        {"mnuMoveLeft", QT_TRANSLATE_NOOP("ContextMenu", "Move &Left"), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Left)},
         true, [c] { c->moveSelected(-1); }},
        {"mnuMoveRight", QT_TRANSLATE_NOOP("ContextMenu", "Move &Right"),
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Right)}, true, [c] { c->moveSelected(1); }},
        {"mnuProperties", QT_TRANSLATE_NOOP("ContextMenu", "Propert&ies\u2026"),
         {QKeySequence(Qt::ALT | Qt::Key_Return), QKeySequence(Qt::ALT | Qt::Key_Enter)}, true,
         std::move(showProperties)},
        menuSeparator("mnuline1"),
        {"mnuURL", QT_TRANSLATE_NOOP("ContextMenu", "&Add URL Shortcut"), {}, false, [c] { c->addUrl(); }},
        // The platform's paste keys, Ctrl+V first.
        {"mnuPaste", QT_TRANSLATE_NOOP("ContextMenu", "&Paste"), QKeySequence::keyBindings(QKeySequence::Paste), false,
         [c] { c->paste(); }},
        {"mnuAddFiles", QT_TRANSLATE_NOOP("ContextMenu", "Add &Files\u2026"), {Qt::Key_Insert}, false,
         [c] { c->addFiles(); }},
        {"mnuAddFolders", QT_TRANSLATE_NOOP("ContextMenu", "Add Fo&lder\u2026"), {}, false,
         [c] { c->addFolders(); }},
        {"mnuAddApplications", QT_TRANSLATE_NOOP("ContextMenu", "Add Appli&cation\u2026"), {}, false,
         std::move(showAddApplications)},
        menuSeparator("mnulineUndo"),
        {"mnuUndo", QT_TRANSLATE_NOOP("ContextMenu", "&Undo"), {QKeySequence(Qt::CTRL | Qt::Key_Z)}, false,
         [c] { c->undo(); }, false, [c](QAction &action) { fitUndo(action, c->undoName()); }},
        {"mnuRedo", QT_TRANSLATE_NOOP("ContextMenu", "&Redo"),
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)}, false,
         [c] { c->redo(); }, false, [c](QAction &action) { fitRedo(action, c->redoName()); }},
        menuSeparator("mnuline2"),
        {"mnuOptions", QT_TRANSLATE_NOOP("ContextMenu", "&Options"), {}, false, std::move(showOptions)},
    };
    // The application offered while typing that is selected becomes a shortcut.
    table.push_back({"addOffered", nullptr,
                     {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)}, false,
                     [c] { c->addSelectedApplication(); }});
    // The next and the previous group.
    table.push_back({"nextGroup", nullptr,
                     {QKeySequence(Qt::CTRL | Qt::Key_PageDown), QKeySequence(Qt::CTRL | Qt::Key_Tab)}, false,
                     [c] { c->showNextGroup(1); }});
    table.push_back({"previousGroup", nullptr,
                     {QKeySequence(Qt::CTRL | Qt::Key_PageUp), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
                      QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab)},
                     false, [c] { c->showNextGroup(-1); }});
    for (int n = 1; n <= 9; ++n)
        table.push_back({"openShown", nullptr, {QKeySequence(Qt::ALT | Qt::Key(Qt::Key_0 + n))}, false,
                         [c, n] { c->openShown(n); }});
    return table;
}

} // namespace ui
