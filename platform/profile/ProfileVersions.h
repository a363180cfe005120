#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <vector>

namespace platform {

// Who made the file a version keeps: this program's own save replaced it, or
// another program had changed it since this copy read it.
enum class VersionKind { Replaced, ChangedElsewhere };

// How many versions are kept: the newest `changes`, and beyond those the
// newest of each day for `days` days; then, newest first, no more than
// `totalBytes` together (the newest is kept whatever its size, and counts).
struct VersionLimits {
    int changes = 30;
    int days = 60;
    qint64 totalBytes = qint64(4) * 1024 * 1024;
};

// One earlier version of the profile, a file of its own in versionsFolder().
struct ProfileVersion {
    QString path;
    // When it was replaced (or found changed), UTC.
    QDateTime when;
    VersionKind kind = VersionKind::Replaced;
    qint64 size = 0;
    // Two versions kept in the same millisecond: the later one counts higher.
    int sequence = 0;
};

// The versions' folder, beside the profile and named after it: "tsw.ini"
// keeps its versions in "tsw.versions". Copying the profile's folder takes
// them along; no reader of the profile ever looks into it.
QString versionsFolder(const QString &profilePath);

// Keeps `bytes`, the profile as it was until `now`, as a new version: written
// to a temporary file in the folder, flushed to disk, then renamed to a name
// no other version has, so a crash leaves either no version or a whole one.
// The folder is made when missing; neither it nor any file in it is ever
// followed through a link, and nothing but a regular file there is opened.
// Then the versions beyond `limits` are removed. Returns the new version's
// path, or empty with a reason (the folder is not a folder, no rights, the
// disk is full); the profile itself is never touched.
QString keepVersion(const QString &profilePath, const QByteArray &bytes, VersionKind kind, const QDateTime &now,
                    const VersionLimits &limits = {}, QString *error = nullptr);

// The versions there are, newest first; none when there is no folder. False
// with a reason when something else is at the folder's name or it cannot be
// read. Only regular files with a version's name count.
bool listVersions(const QString &profilePath, std::vector<ProfileVersion> &versions, QString *error = nullptr);

// Which of `newestFirst` (as listVersions gives them) `limits` leave out at
// `now`: their indexes, ascending.
std::vector<size_t> versionsBeyond(const std::vector<ProfileVersion> &newestFirst, const QDateTime &now,
                                   const VersionLimits &limits);

} // namespace platform
