#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "platform/profile/ProfileDocument.h"
#include "platform/profile/ProfileGuard.h"

namespace platform {

// The profile file on disk. Every write is committed atomically, so a crash or
// a full disk leaves the old file whole. A load and a one-key read go to the
// file afresh; a save starts from the bytes this copy last read or wrote,
// read again only when the file's stamp says it changed since.
class ProfileFile {
public:
    explicit ProfileFile(QString path);
    const QString &path() const { return m_path; }

    // A missing file loads as an empty document. False (with a reason) when
    // the file exists but cannot be read, or is not a regular file. The file
    // as read is what later saves compare against.
    bool load(ProfileDocument &doc, QString *error = nullptr) const;
    // Atomic replace of the whole file. False (with a reason) on any failure,
    // in which case the previous file is untouched. Never replaces anything
    // but a regular file.
    bool save(const ProfileDocument &doc, QString *error = nullptr) const;

    // One key's value: "" for a missing file, section or key.
    QString read(const QString &section, const QString &key) const;
    // Writes one key (added at the end of its section when new), committed atomically.
    bool write(const QString &section, const QString &key, const QString &value,
               QString *error = nullptr) const;

    // Where the last save kept another writer's version of the file (each
    // such version in a file of its own), once; empty when it kept none.
    QString takeBackupNotice() const { return std::exchange(m_backupNotice, QString()); }
    // Why the last save could keep no earlier version (see ProfileVersions.h),
    // once; empty when it kept what it was to keep. The save went on anyway.
    QString takeVersionProblem() const { return std::exchange(m_versionProblem, QString()); }

    // Another program's version of the file, found where this copy's was.
    struct OutsideChange {
        // What this copy last read or wrote, and what is there now.
        QByteArray base, theirs;
        ProfileStamp stamp;
    };
    // The file as another program left it, when it changed since this copy
    // last read or wrote it; nothing when it is as this copy left it (our
    // own saves included), is missing, was never read, or cannot be read.
    std::optional<OutsideChange> outsideChange(QString *error = nullptr) const;
    // Takes another program's version as read: later saves start from it
    // and keep no copy of it.
    void adopt(const OutsideChange &change) const { m_known = Known{change.stamp, change.theirs}; }
    // What this copy last read or wrote; empty before the first load.
    QByteArray knownBytes() const { return m_known && m_known->seen ? m_known->bytes : QByteArray(); }

    // How many times the whole file has been read from disk.
    int reads() const { return m_reads; }

private:
    friend class ProfileUpdate;
    bool readBytes(QByteArray &bytes, ProfileStamp &stamp, QString *error) const;

    // The file as this copy last read or wrote it.
    struct Known {
        ProfileStamp stamp;
        QByteArray bytes;
        // False after a load that failed: whatever a save finds there is
        // somebody else's.
        bool seen = true;
    };
    QString m_path;
    // Nothing before the first load.
    mutable std::optional<Known> m_known;
    mutable QString m_backupNotice;
    mutable QString m_versionProblem;
    mutable int m_reads = 0;
};

// One read-modify-write of the profile under its lock. When the file changed
// on disk since this copy last read or wrote it, load() first keeps that
// version as an earlier version marked as another program's (or, where the
// versions' folder takes none, with keepBackup), so no other writer's
// shortcuts are lost silently.
class ProfileUpdate {
public:
    explicit ProfileUpdate(const ProfileFile &file) : m_file(file), m_lock(file.path()) {}
    bool load(ProfileDocument &doc, QString *error = nullptr);
    bool save(const ProfileDocument &doc, QString *error = nullptr) { return m_file.save(doc, error); }
    // As save(), after keeping the file as load() found it as an earlier
    // version: the caller knows that what it writes differs in what matters.
    // A version that cannot be kept never stops the save (see
    // ProfileFile::takeVersionProblem).
    bool saveKeepingVersion(const ProfileDocument &doc, QString *error = nullptr);

private:
    const ProfileFile &m_file;
    ProfileLock m_lock;
    // The file as load() found it, and whether it was kept already.
    std::optional<QByteArray> m_before;
    bool m_beforeKept = false;
};

} // namespace platform
