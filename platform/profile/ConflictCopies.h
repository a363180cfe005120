#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// Whether `fileName` is a copy a sync tool left beside the profile named
// `profileName` when two machines changed it at once: for tsw.ini,
// tsw.sync-conflict-DATE-ID.ini, tsw (conflicted copy DATE).ini,
// tsw (NAME's conflicted copy DATE).ini, tsw-conflict-DATE.ini,
// tsw_conflict-DATE.ini and the like. Never the profile itself.
bool isConflictCopy(const QString &profileName, const QString &fileName);

// The paths of the conflict copies beside the profile at `profilePath`,
// regular files only, sorted by name.
QStringList conflictCopies(const QString &profilePath);

} // namespace platform
