#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <vector>

#include "platform/profile/ProfileVersions.h"
#include "shortcuts/ShortcutModel.h"

namespace config {

// The shortcuts and groups an earlier version of the profile holds, read as
// the profile itself is (Load_Config). False with a reason when it cannot be
// read or has no [Tessaflow] section (damaged: every profile kept had one);
// a version with the section but no shortcut reads as an empty list.
bool readVersion(const QString &versionPath, shortcuts::ListState &state, QString *error = nullptr);

// What restoring `version` over `now` changes: the captions it brings back
// and those it takes away, each in the order of its list; a shortcut counts
// as the same when its target and caption are.
struct VersionDifference {
    QStringList added;
    QStringList removed;
    bool groupsDiffer = false;
};
VersionDifference differenceOf(const shortcuts::ListState &version, const shortcuts::ListState &now);

// The difference as a short line: "+ report, notes; − old", at most
// `names` captions on each side, then "…"; empty when there is none.
QString differenceText(const VersionDifference &difference, int names = 3);

} // namespace config
