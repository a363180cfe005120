#include "launcher/OutsideChanges.h"

#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <utility>

#include "platform/profile/ConflictCopies.h"
#include "platform/profile/ProfileVersions.h"
#include "shortcuts/Merge.h"

namespace launcher {

ProfileWatch::ProfileWatch(Controller &controller, platform::FolderWatch &watch, std::chrono::milliseconds settle)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(settle);
    QObject::connect(&m_settle, &QTimer::timeout, &controller, [this, &controller] {
        // Before the profile is read there is nothing to merge with; while a
        // question, a chooser or a menu is up, a command may be waiting on
        // the rows it was asked about: later.
        if (!controller.loaded() || QApplication::activeModalWidget() || QApplication::activePopupWidget())
            m_settle.start();
        else
            controller.mergeOutsideChanges();
    });
    watch.watch(controller.profilePath(), [this] { m_settle.start(); });
    // Conflict copies left while no copy of the program ran are looked at
    // once it has read the profile.
    m_settle.start();
}

namespace {

// The one place a version of the profile is kept aside: another program's
// shortcuts that a merge takes away, or a conflict copy moved out of the way.
QString keepVersion(const QString &profilePath, const QByteArray &bytes, QString *error)
{
    // An earlier version marked as another program's; beside the profile
    // only when the versions' folder takes nothing, so it is never lost.
    QString reason;
    const QString kept = platform::keepVersion(profilePath, bytes, platform::VersionKind::ChangedElsewhere,
                                               QDateTime::currentDateTimeUtc(), {}, &reason);
    return kept.isEmpty() ? platform::keepBackup(profilePath, bytes, error) : kept;
}

} // namespace

void Controller::mergeOutsideChanges()
{
    // Only a list read from the profile is ours to merge.
    if (!m_loaded)
        return;
    const platform::ProfileFile &file = m_ini.file();
    const auto change = file.outsideChange();
    const QStringList copies = platform::conflictCopies(m_ini.path());
    if (!change && copies.isEmpty())
        return;

    const QByteArray baseBytes = change ? change->base : file.knownBytes();
    const shortcuts::ListState base = config::storedState(baseBytes);
    shortcuts::ListState ours = m_model.state();
    QStringList unshown = m_list.unshown;
    // The list as the file on disk stores it, once the merge is through.
    shortcuts::ListState onDisk = base;
    int conflicts = 0;
    bool removedThere = false;
    const auto mergeIn = [&](const shortcuts::ListState &theirs, shortcuts::Removals removals) {
        shortcuts::Merged merged = shortcuts::merge(base, theirs, ours, removals);
        conflicts += merged.conflicts;
        removedThere = removedThere || merged.removedThere;
        ours = std::move(merged.state);
    };
    if (change) {
        onDisk = config::storedState(change->theirs, &unshown);
        mergeIn(onDisk, shortcuts::Removals::Taken);
    }
    // The copies read, to put away once their shortcuts are saved.
    std::vector<std::pair<QString, QByteArray>> putAway;
    for (const QString &copy : copies) {
        QByteArray bytes;
        platform::ProfileStamp stamp;
        if (!platform::readProfileBytes(copy, bytes, stamp, nullptr))
            continue;
        // A copy may be older than the base (left while no copy of the
        // program ran): what it lacks may never have been there.
        mergeIn(config::storedState(bytes), shortcuts::Removals::Ignored);
        putAway.emplace_back(copy, bytes);
    }
    // What went there is kept in the version this copy had.
    if (removedThere)
        keepVersion(m_ini.path(), baseBytes, nullptr);
    if (change)
        file.adopt(*change);
    m_list.unshown = unshown;

    if (!shortcuts::sameContent(ours, m_model.state())) {
        // Shown without a save of its own: only a list that differs from the
        // file is written, below, so two machines never bounce it.
        const bool loaded = std::exchange(m_loaded, false);
        replaceShortcuts(ours);
        m_loaded = loaded;
    }
    // A copy stays where it is until its shortcuts are in the profile (a
    // failed save is told by save()).
    if (!shortcuts::sameContent(ours, onDisk) && !save())
        putAway.clear();
    // Out of the way, never lost: a copy is removed only once it is kept as
    // a version of its own.
    for (const auto &[copy, bytes] : putAway) {
        QString reason;
        if (keepVersion(m_ini.path(), bytes, &reason).isEmpty() || !QFile::remove(copy))
            //: %1 is a copy of the profile a sync tool left beside it, %2 why it stays.
            m_reporter.notice(tr("The shortcuts of %1 were taken in, but the file could not be put away: %2")
                                  .arg(copy, reason.isEmpty() ? tr("it cannot be removed") : reason));
    }
    if (conflicts > 0)
        //: %1 is the profile's path; %n how many shortcuts now show twice.
        m_reporter.notice(tr("%1 was changed by another program while the same shortcuts were changed here. %n "
                             "shortcut(s) now show twice: the version made here, and the other one right after it.",
                             nullptr, conflicts)
                              .arg(m_ini.path()));
}

} // namespace launcher
