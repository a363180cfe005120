#include "app/frmTessaflow.h"

#include <QCursor>
#include <QFileInfo>
#include <QMimeData>

#include "Version.h"
#include "config/HotKey.h"
#include "shortcuts/Adding.h"
#include "shortcuts/Deleting.h"
#include "shortcuts/Launch.h"
#include "shortcuts/Paste.h"
#include "shortcuts/TypedText.h"

// The user's commands: the list's mouse and keys, its context menu, drops,
// pastes and the file chooser, each handed to the shortcut and options code.
namespace app {

void frmTessaflow::Launch(const QString &sFileName) { shortcuts::Launch(sFileName, m_services.opener); }

void frmTessaflow::lstButtons_DblClick() { mnuOpen_Click(); }

void frmTessaflow::mnuOpen_Click()
{
    const int selected = m_lstButtons->selectedRow();
    const bool opens = selected >= 0 && !shortcuts::isMissing(m_model.at(selected).target);
    // A shortcut whose target is gone may be removed instead, after a question.
    if (shortcuts::OpenOrOfferRemoval(m_list, m_services.opener, m_services.dialogs))
        Save_Config();
    else if (opens)
        m_showHide->openedShortcut();
}

void frmTessaflow::lstButtons_linksDropped(const QList<QUrl> &urls, const QStringList &titles)
{
    QStringList refused;
    const auto dropped = shortcuts::droppedShortcuts(urls, titles, &refused);
    if (!dropped.isEmpty())
        m_finder.clear(); // what is added shows
    if (!refused.isEmpty())
        m_services.dialogs.notify(QLatin1String(kProductName), shortcuts::refusedNamesText(refused));
    if (dropped.isEmpty())
        return;
    // An add that fails ends the drop without a save; what was added before
    // it stays in the list and goes out with the next save.
    if (shortcuts::AddDropped(m_list, dropped))
        Save_Config();
}

void frmTessaflow::mnuURL_Click()
{
    m_finder.clear();
    shortcuts::AddUrl(m_list, m_services.dialogs);
    Save_Config();
}

void frmTessaflow::lstButtons_MouseDown(int button)
{
    // Only the right button brings the menu up.
    if ((button & 2) != 0 && m_commands->menu().isEnabled())
        popUpContextMenu(QCursor::pos());
}

void frmTessaflow::popUpContextMenu(const QPoint &globalPos) { m_commands->menu().exec(globalPos); }

void frmTessaflow::mnuDelete_Click()
{
    if (shortcuts::DeleteSelected(m_list, m_services.dialogs))
        Save_Config();
}

void frmTessaflow::mnuOptions_Click()
{
    // Open already: shown again as it is, nothing re-read.
    if (!m_frmOptions) {
        m_frmOptions = new options::frmOptions(
            *m_lstButtons, [this] { Save_Config(); }, [this](const QString &url) { Launch(url); },
            {[this] { return m_services.autostart.enabled(); },
             [this](bool on) { mPopLogin_Click(on); }},
            {[this] { return config::hotKeyOf(m_hotKeyText); },
             [this](const QKeySequence &key) {
                 m_hotKeyText = config::hotKeyText(key);
                 m_showHide->useKey(key);
             },
             [this] { return m_showHide->keyProblem(); }, [this] { return m_showHide->keyTrigger(); }});
        platform::placeCentredOver(*m_frmOptions, *this);
    }
    m_frmOptions->setWindowIcon(windowIcon());
    m_frmOptions->show();
    m_frmOptions->raise();
    m_frmOptions->activateWindow();
}

std::vector<Command> frmTessaflow::commandTable()
{
    std::vector<Command> table = {
        {"mnuOpen", QT_TRANSLATE_NOOP("ContextMenu", "&Open Shortcut"), {Qt::Key_Return, Qt::Key_Enter}, true,
         [this] { mnuOpen_Click(); }},
        {"mnuRename", QT_TRANSLATE_NOOP("ContextMenu", "&Rename"), {Qt::Key_F2}, true,
         [this] { m_lstButtons->StartLabelEdit(); }},
        {"mnuDelete", QT_TRANSLATE_NOOP("ContextMenu", "&Delete Shortcut"), QKeySequence::keyBindings(QKeySequence::Delete),
         true, [this] { mnuDelete_Click(); }},
        menuSeparator("mnuline1"),
        {"mnuURL", QT_TRANSLATE_NOOP("ContextMenu", "&Add URL Shortcut"), {}, false, [this] { mnuURL_Click(); }},
        // The platform's paste keys, Ctrl+V first.
        {"mnuPaste", QT_TRANSLATE_NOOP("ContextMenu", "&Paste"), QKeySequence::keyBindings(QKeySequence::Paste), false,
         [this] { mnuPaste_Click(); }},
        {"mnuAddFiles", QT_TRANSLATE_NOOP("ContextMenu", "Add &Files\u2026"), {Qt::Key_Insert}, false,
         [this] { mnuAddFiles_Click(); }},
        {"mnuAddFolders", QT_TRANSLATE_NOOP("ContextMenu", "Add Fo&lder\u2026"), {}, false,
         [this] { mnuAddFolders_Click(); }},
        menuSeparator("mnuline2"),
        {"mnuOptions", QT_TRANSLATE_NOOP("ContextMenu", "&Options"), {}, false, [this] { mnuOptions_Click(); }},
        // The context menu from the keyboard, at the selected shortcut.
        {"menuKey", nullptr, {Qt::Key_Menu, QKeySequence(Qt::SHIFT | Qt::Key_F10)}, false, [this] {
             const int selected = m_lstButtons->selectedRow();
             const QRect item = selected >= 0 ? m_lstButtons->visualRect(m_lstButtons->indexOf(selected))
                                         : QRect(m_lstButtons->viewport()->rect().center(), QSize(1, 1));
             popUpContextMenu(m_lstButtons->viewport()->mapToGlobal(item.center()));
         }},
    };
    // Alt+1 … Alt+9: the first nine shortcuts as shown, the matches' order
    // while typing finds some.
    for (int n = 1; n <= 9; ++n)
        table.push_back({"openShown", nullptr, {QKeySequence(Qt::ALT | Qt::Key(Qt::Key_0 + n))}, false, [this, n] {
                             if (const int row = m_lstButtons->shownRow(n); row >= 0) {
                                 m_lstButtons->selectRow(row);
                                 mnuOpen_Click();
                             }
                         }});
    return table;
}

void frmTessaflow::addTrayCommands()
{
    // The check mark says what the login entry does now, whoever changed it.
    m_mPopLogin = m_mPopupSys->addAction(tr("Start at &Login"));
    m_mPopLogin->setObjectName(QStringLiteral("mPopLogin"));
    m_mPopLogin->setCheckable(true);
    connect(m_mPopLogin, &QAction::triggered, this, &frmTessaflow::mPopLogin_Click);
    connect(m_mPopupSys, &QMenu::aboutToShow, this, [this] {
        m_mPopLogin->setChecked(m_services.autostart.enabled());
    });
}

void frmTessaflow::addTargets(const QStringList &targets)
{
    if (!targets.isEmpty())
        m_finder.clear(); // what is added shows
    // As a drop: a failed add ends it without a save.
    if (!targets.isEmpty() && shortcuts::AddDropped(m_list, targets))
        Save_Config();
}

void frmTessaflow::mnuPaste_Click()
{
    const QMimeData *data = m_services.clipboard.contents();
    const shortcuts::Pasted pasted = data ? shortcuts::pasted(*data) : shortcuts::Pasted();
    const int before = m_list.count();
    if (!pasted.shortcuts.isEmpty())
        m_finder.clear(); // what is added shows
    // As a drop: a failed add ends it without a save.
    if (!pasted.shortcuts.isEmpty() && shortcuts::AddDropped(m_list, pasted.shortcuts))
        Save_Config();
    // Said only when something was left out.
    const QString report = shortcuts::pasteReport(pasted, m_list.count() - before);
    if (!report.isEmpty())
        m_services.dialogs.notify(QLatin1String(kProductName), report);
}

void frmTessaflow::mnuAddFiles_Click()
{
    addChosen(m_services.fileChooser.chooseFiles(this, tr("Tessaflow - Add Files"), m_chooserFolder));
}

void frmTessaflow::mnuAddFolders_Click()
{
    addChosen(m_services.fileChooser.chooseFolders(this, tr("Tessaflow - Add Folders"), m_chooserFolder));
}

void frmTessaflow::addChosen(const QStringList &chosen)
{
    if (!chosen.isEmpty())
        m_chooserFolder = QFileInfo(chosen.last()).absolutePath();
    addTargets(chosen);
}

void frmTessaflow::mPopLogin_Click(bool checked)
{
    platform::Autostart &autostart = m_services.autostart;
    QString reason;
    if (!autostart.setEnabled(checked, &reason))
        m_services.dialogs.showError(QLatin1String(kProductName),
                                     //: %1 says why.
                                     tr("Starting at login could not be changed: %1").arg(reason));
    m_mPopLogin->setChecked(autostart.enabled());
    // The options dialog's box says the same.
    if (m_frmOptions)
        m_frmOptions->showLogin();
}

} // namespace app
