#include "launcher/Controller.h"

#include <QFileInfo>
#include <QHash>
#include <QMimeData>
#include <utility>
#include <QPersistentModelIndex>

#include "platform/xdg/MimeApps.h"

#include "shortcuts/Adding.h"
#include "shortcuts/Deleting.h"
#include "shortcuts/Launch.h"
#include "shortcuts/Locating.h"
#include "shortcuts/OpenWith.h"
#include "shortcuts/Paste.h"
#include "shortcuts/Reordering.h"

namespace launcher {

Controller::Controller(const QString &profilePath, Services services, platform::ListView &view,
                       config::WindowFrame &frame, QWidget &dialogParent, QObject *parent)
    : QObject(parent),
      m_services(services),
      m_ini(profilePath),
      m_frame(frame),
      m_dialogParent(dialogParent),
      m_icons(services.iconLookup),
      m_model(m_icons),
      m_list{m_model, view},
      m_offers(m_icons,
               [this] {
                   QStringList targets;
                   for (const shortcuts::Shortcut &shortcut : m_model.shortcuts())
                       targets << shortcut.target;
                   return targets;
               }),
      m_reporter(services.dialogs)
{
    // An application offered while typing, double-clicked where it has a list of its own.
    connect(&view, &platform::ListView::offerOpenRequested, this, &Controller::openOffer);
    // Enter pressed while the applications were still being read: the best
    // one is opened as they come in (the finder has selected it by then).
    connect(&m_offers, &shortcuts::OfferedApplications::indexRead, this, [this] {
        if (std::exchange(m_openWhenRead, false) && m_list.selected() < 0)
            openOffer(m_list.view.selectedOffer());
    });
    // What a save must write: shortcuts that came, went, moved or were renamed.
    // New icons and the places a view writes are not changes of their own.
    const auto changed = [this] { m_changed = true; };
    connect(&m_model, &QAbstractItemModel::rowsInserted, this, changed);
    connect(&m_model, &QAbstractItemModel::rowsRemoved, this, changed);
    connect(&m_model, &QAbstractItemModel::modelReset, this, changed);
    connect(&m_model, &QAbstractItemModel::layoutChanged, this, changed);
    connect(&m_model, &shortcuts::ShortcutModel::groupsChanged, this, changed);
    // Steps whose change the model or view made before the controller hears of it.
    connect(&m_model, &shortcuts::ShortcutModel::captionEdited, this,
            [this](int row, const QString &was) { m_editedCaption.emplace(row, was); });
    connect(&view, &platform::ListView::handMoveStarting, this, [this] { m_beforeHandMove = m_model.state(); });
    connect(&view, &platform::ListView::movedByHand, this, &Controller::movedByHand);
    connect(&m_model, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex &, const QModelIndex &, const QList<int> &roles) {
                if (roles.contains(Qt::EditRole) || roles.contains(shortcuts::ShortcutModel::GroupRole))
                    m_changed = true;
            });
}

void Controller::saveChanges()
{
    // Only a list read from the profile may replace it.
    if (m_changed && m_loaded)
        save();
    m_changed = false;
}

void Controller::load()
{
    // Complete copies left by saves that were killed before their rename.
    platform::removeStaleTemporaries(m_ini.path());
    QString reason;
    config::ListLook look;
    look.findApplications = m_offers.enabled();
    const int added = config::loadList(m_ini, m_frame, look, m_list, &reason);
    m_offers.setEnabled(look.findApplications);
    m_changed = false;
    m_loaded = true;
    m_history.clear();
    emit historyChanged();
    emit groupShown();
    if (!added && !reason.isEmpty())
        //: %1 is the profile's path, %2 why it could not be read.
        m_reporter.readFailure(tr("The shortcuts could not be read from %1: %2").arg(m_ini.path(), reason));
}

bool Controller::save()
{
    QString reason;
    config::ListLook look;
    look.findApplications = m_offers.enabled();
    const bool saved = config::saveList(m_ini, m_frame, look, m_list, &reason);
    if (!saved)
        //: %1 is the profile's path, %2 why it could not be written.
        m_reporter.saveFailure(tr("The shortcuts could not be saved to %1: %2").arg(m_ini.path(), reason));
    // Each kept version has a file of its own, and the user hears of each.
    const QString backup = m_ini.file().takeBackupNotice();
    if (!backup.isEmpty())
        //: %1 is the profile's path, %2 the file that keeps the version found on disk.
        m_reporter.notice(tr("%1 was changed by another program since Tessaflow read it. That version was kept "
                             "as %2 before the shortcuts shown here were saved.")
                              .arg(m_ini.path(), backup));
    const QString versionProblem = m_ini.file().takeVersionProblem();
    if (!versionProblem.isEmpty())
        //: %1 why the shortcuts as they were could not be kept as an earlier version.
        m_reporter.versionFailure(tr("The shortcuts were saved, but their earlier version could not be kept. %1")
                                      .arg(versionProblem));
    return saved;
}

void Controller::end()
{
    if (m_loaded)
        save();
}

void Controller::openSelected()
{
    const int selected = m_list.selected();
    if (selected < 0) {
        if (m_list.view.selectedOffer() < 0 && m_offers.reading())
            m_openWhenRead = true;
        else
            openOffer(m_list.view.selectedOffer());
        return;
    }
    const QString target = m_model.at(selected).target;
    const bool opens = !shortcuts::isMissing(target);
    // A shortcut whose target is gone may be removed instead, after a question.
    command(deleteStep({selected}),
            [this] { shortcuts::OpenOrOfferRemoval(m_list, m_services.opener, m_services.dialogs); });
    if (!opens)
        return;
    if (m_frecency)
        m_frecency->opened(target, m_model.shortcuts());
    emit shortcutOpened();
}

void Controller::openShown(int n)
{
    const int row = m_list.shown.toModel(m_list.view.shownRow(n));
    if (row < 0)
        return;
    m_list.select(row);
    openSelected();
}

void Controller::deleteSelected()
{
    command(deleteStep(m_list.selectedRows()), [this] { shortcuts::DeleteSelected(m_list, m_services.dialogs); });
}

void Controller::showSelectedInFolder()
{
    const int selected = m_list.selected();
    if (selected >= 0)
        shortcuts::ShowInFolder(m_model.at(selected).target, m_services.opener);
}

QString Controller::selectedTarget() const
{
    const int selected = m_list.selected();
    return selected >= 0 ? m_model.at(selected).target : QString();
}

std::vector<platform::DesktopEntry::Action> Controller::selectedActions() const
{
    return shortcuts::desktopActions(selectedTarget());
}

void Controller::startAction(const QString &entryPath, const QString &actionId)
{
    m_services.opener.startEntry(shortcuts::handedTarget(entryPath), actionId, {});
    emit shortcutOpened();
}

std::vector<platform::Application> Controller::openWithCandidates(const QString &target) const
{
    if (shortcuts::openedAsTypes(target).isEmpty())
        return {}; // nothing to open: the applications are not read
    return shortcuts::openWithCandidates(target, platform::listApplications(platform::ApplicationPlaces::fromEnvironment()),
                                         platform::MimeApps::listFiles());
}

void Controller::openWith(const QString &target, const QString &entryPath)
{
    const QString handed = shortcuts::handedTarget(target);
    if (handed.isEmpty())
        return;
    m_services.opener.startEntry(entryPath, QString(), {handed});
    emit shortcutOpened();
}

void Controller::copySelectedTarget()
{
    const int selected = m_list.selected();
    if (selected < 0)
        return;
    if (QMimeData *copied = shortcuts::copiedTarget(m_model.at(selected).target))
        m_services.clipboard.copy(copied);
}

void Controller::moveSelected(int step)
{
    if (m_list.view.filtered())
        return;
    command(moveStep(m_list.selectedRows()), [&] {
        shortcuts::Reorder(m_list, shortcuts::orderStepped(m_list.shown.rowCount(), m_list.view.selectedRows(), step), true);
    });
}

void Controller::moveOnto(const std::vector<int> &rows, int target)
{
    // Where icons are placed by hand the view has put them already.
    command(moveStep(m_list.shown.toModel(rows)), [&] {
        shortcuts::Reorder(m_list, shortcuts::orderMovedOnto(m_list.shown.rowCount(), rows, target), false);
    });
}

void Controller::editSelected(const AskProperties &ask)
{
    const int selected = m_list.selected();
    if (selected < 0)
        return;
    // The shortcut asked about, wherever it is once the window closes.
    const QPersistentModelIndex asked(m_model.index(selected));
    const std::optional<shortcuts::Shortcut> edited = ask(m_model.at(selected));
    if (edited && asked.isValid())
        //: An undo step: %1 is the shortcut's caption before its properties were edited.
        command(tr("Properties of \u201C%1\u201D").arg(m_model.at(asked.row()).caption),
                [&] { m_model.edit(asked.row(), *edited); });
}

void Controller::addDropped(const QList<QUrl> &urls, const QStringList &titles)
{
    QStringList refused;
    const auto dropped = shortcuts::droppedShortcuts(urls, titles, &refused);
    if (!dropped.isEmpty())
        m_finder.clear(); // what is added shows
    if (!refused.isEmpty())
        m_reporter.notice(shortcuts::refusedNamesText(refused));
    command([&] { shortcuts::AddDropped(m_list, dropped); });
}

void Controller::addUrl()
{
    m_finder.clear();
    command([this] { shortcuts::AddUrl(m_list, m_services.dialogs); });
}

void Controller::paste()
{
    const QMimeData *data = m_services.clipboard.contents();
    shortcuts::Pasted pasted = data ? shortcuts::pasted(*data) : shortcuts::Pasted();
    const int before = m_list.count();
    const int existing = shortcuts::takeOutExisting(pasted, m_model);
    if (!pasted.shortcuts.isEmpty() || existing >= 0)
        m_finder.clear(); // what is added, or was there, shows
    command([&] { shortcuts::AddDropped(m_list, pasted.shortcuts); });
    // Already there and nothing new: the one that was there is selected.
    if (existing >= 0 && m_list.count() == before)
        m_list.show(existing);
    // Said only when something was left out.
    const QString report = shortcuts::pasteReport(pasted, m_list.count() - before);
    if (!report.isEmpty())
        m_reporter.notice(report);
}

void Controller::addFiles()
{
    addChosen(m_services.fileChooser.chooseFiles(&m_dialogParent, tr("Tessaflow - Add Files"), m_chooserFolder));
}

void Controller::addFolders()
{
    addChosen(
        m_services.fileChooser.chooseFolders(&m_dialogParent, tr("Tessaflow - Add Folders"), m_chooserFolder));
}

void Controller::addChosen(const QStringList &chosen)
{
    if (!chosen.isEmpty())
        m_chooserFolder = QFileInfo(chosen.last()).absolutePath();
    addTargets(chosen);
}

void Controller::addTargets(const QStringList &targets)
{
    if (targets.isEmpty())
        return;
    m_finder.clear(); // what is added shows
    command([&] { shortcuts::AddDropped(m_list, targets); });
}

void Controller::addApplications(const QStringList &entryFiles)
{
    // An application that is a shortcut already is selected, not added twice.
    QHash<QString, int> present;
    for (int row = m_model.count() - 1; row >= 0; --row)
        present.insert(QDir::cleanPath(m_model.at(row).target), row);
    QStringList missing;
    QList<int> chosen;
    for (const QString &file : entryFiles) {
        const auto at = present.constFind(QDir::cleanPath(file));
        if (at == present.constEnd())
            missing << file;
        else
            chosen << *at;
    }
    const int before = m_list.count();
    addTargets(missing);
    for (int row = before; row < m_list.count(); ++row)
        chosen << row;
    // Adding selected the last one added; what was chosen is selected as a whole.
    for (int n = 0; n < chosen.size(); ++n) {
        if (n == 0)
            m_list.select(chosen[n]);
        else
            m_list.addToSelection(chosen[n]);
    }
}

void Controller::openOffer(int offer)
{
    // A shortcut of another group opens as it would in its own.
    if (const int row = m_finder.offeredShortcut(offer); row >= 0) {
        const QString target = m_model.at(row).target;
        shortcuts::Launch(m_model.at(row), m_services.opener);
        if (m_frecency)
            m_frecency->opened(target, m_model.shortcuts());
        emit shortcutOpened();
        return;
    }
    const QString entry = m_offers.entryPath(m_finder.offeredApplication(offer));
    if (entry.isEmpty())
        return;
    // Started as a shortcut to its desktop entry starts it.
    shortcuts::Launch(entry, m_services.opener);
    emit shortcutOpened();
}

void Controller::addSelectedApplication()
{
    if (const QString entry = m_offers.entryPath(m_finder.offeredApplication(m_list.view.selectedOffer()));
        !entry.isEmpty())
        addApplications({entry});
}

void Controller::setFindApplications(bool on)
{
    // Kept as the options dialog closes, with the rest of its choices.
    m_offers.setEnabled(on);
}

void Controller::launch(const QString &target) { shortcuts::Launch(target, m_services.opener); }

void Controller::setStartAtLogin(bool on)
{
    QString reason;
    if (!m_services.autostart.setEnabled(on, &reason))
        //: %1 says why.
        m_reporter.failure(tr("Starting at login could not be changed: %1").arg(reason));
    emit startAtLoginChanged();
}

} // namespace launcher
