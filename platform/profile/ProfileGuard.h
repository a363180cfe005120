#pragma once

#include <QByteArray>
#include <QLockFile>
#include <QString>
#include <chrono>
#include <memory>

namespace platform {

// Where and when the profile was as this copy last read or wrote it. A file
// replaced (another inode), rewritten or touched since differs in at least
// one of these; only then need its bytes be read to know whether it changed.
// (An in-place rewrite of the same size within the file system's clock tick
// of our own write could pass unseen on a kernel with coarse timestamps; a
// writer going through a new file, as every save here does, never can.)
struct ProfileStamp {
    bool exists = false;
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 mtimeNs = 0;
    qint64 ctimeNs = 0;
    bool operator==(const ProfileStamp &) const = default;
};

// Why a file of mode `mode` (st_mode) is not one to read or replace: "it
// is a symbolic link", "it is a FIFO, not a regular file", …
QString kindOfFile(unsigned mode);

// The stamp of what is at `path` now, without opening it: a missing file
// gives a stamp saying so. False with a reason where readProfileBytes()
// would refuse (not a regular file, no access to the folder).
bool statProfile(const QString &path, ProfileStamp &stamp, QString *error);

// Reads a profile without ever blocking or reading without end: only a
// regular file, or a link to one, is opened, and without waiting for a
// writer. A missing file gives empty bytes and a stamp saying so. False with
// a reason for anything else (a FIFO, a device, a folder, no read rights).
bool readProfileBytes(const QString &path, QByteArray &bytes, ProfileStamp &stamp, QString *error);

// Whether a save may replace what is at `path`: nothing, or a regular file
// (through links). A save never turns a device or FIFO into a plain file.
bool mayReplace(const QString &path, QString *error);

// The stamp of the file just written.
ProfileStamp stampOfWritten(const QString &path);

// How many numbered backups (PROFILE.bak.N) are kept at most.
inline constexpr int kKeptBackups = 10;

// Keeps `bytes`, another writer's version of the profile, in a file of its
// own beside it: PROFILE.bak when that name is free, else PROFILE.bak.N, one
// above the highest N there. Never replaces anything, never writes through a
// link, and the file is on disk when this returns. Of the numbered backups
// the oldest beyond kKeptBackups are removed; PROFILE.bak (which may be one
// the user keeps) never is. Returns the file's path, or empty with a reason.
QString keepBackup(const QString &profilePath, const QByteArray &bytes, QString *error);

// How long a save waits for another writer's lock.
inline constexpr int kLockWaitMs = 750;

// The profile's advisory lock, a QLockFile beside it, held for one
// read-modify-write so two writers never interleave. A folder where no lock
// can be created goes without (the save there fails with its own reason);
// anything but a regular file at the lock's name is reported, never read.
class ProfileLock {
public:
    explicit ProfileLock(const QString &profilePath);
    ~ProfileLock();
    ProfileLock(const ProfileLock &) = delete;
    ProfileLock &operator=(const ProfileLock &) = delete;
    // False (with a reason) when another writer holds it for longer than
    // kLockWaitMs, or the lock's name is taken by something else.
    bool acquire(QString *error);

private:
    QString m_profilePath;
    std::unique_ptr<QLockFile> m_lock;
};

// Removes the temporary files that saves killed between writing and renaming
// left beside the profile: PROFILE.XXXXXX, regular, owned by this user and
// older than `minAge`, so a save running in another copy is never touched.
// Returns how many were removed.
int removeStaleTemporaries(const QString &profilePath, std::chrono::seconds minAge = std::chrono::seconds(5));

} // namespace platform
