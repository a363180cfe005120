#include "platform/profile/ProfileFile.h"
#include "platform/profile/ProfileVersions.h"

#include <QCoreApplication>
#include <QSaveFile>
#include <QDateTime>
#include <utility>

namespace platform {

ProfileFile::ProfileFile(QString path) : m_path(std::move(path)) {}

bool ProfileFile::readBytes(QByteArray &bytes, ProfileStamp &stamp, QString *error) const
{
    ++m_reads;
    return readProfileBytes(m_path, bytes, stamp, error);
}

bool ProfileFile::load(ProfileDocument &doc, QString *error) const
{
    QByteArray bytes;
    ProfileStamp stamp;
    if (!readBytes(bytes, stamp, error)) {
        m_known = Known{{}, {}, false};
        return false;
    }
    m_known = Known{stamp, bytes};
    doc = ProfileDocument::parse(bytes);
    return true;
}

bool ProfileFile::save(const ProfileDocument &doc, QString *error) const
{
    const auto fail = [&](QSaveFile &file) {
        if (error)
            *error = QCoreApplication::translate("ProfileFile", "Cannot write %1: %2").arg(m_path, file.errorString());
        return false;
    };
    // QSaveFile writes a temporary file beside the target and renames it over
    // the old one only on commit; it also keeps the old file's permissions.
    // Unbuffered, because a short write hidden in the buffer is flushed on
    // commit without any error (Qt 6.4), which would commit a cut file.
    if (!mayReplace(m_path, error))
        return false;
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(file);
    QByteArray bytes = doc.serialize();
    if (file.write(bytes) != bytes.size()) {
        if (error) {
            const QString reason = file.error() != QFileDevice::NoError
                                       ? file.errorString()
                                       : QCoreApplication::translate("ProfileFile",
                                                                     "only part of the data could be written (disk full?)");
            *error = QCoreApplication::translate("ProfileFile", "Cannot write %1: %2").arg(m_path, reason);
        }
        file.cancelWriting();
        return false;
    }
    if (!file.commit())
        return fail(file);
    // Kept as the file last written, for the next save to start from: without
    // the slack of the conversion, which reserves for the longest encoding.
    bytes.squeeze();
    m_known = Known{stampOfWritten(m_path), bytes};
    return true;
}

QString ProfileFile::read(const QString &section, const QString &key) const
{
    // A look at one key: what later saves compare against stays as it was.
    QByteArray bytes;
    ProfileStamp stamp;
    if (!readBytes(bytes, stamp, nullptr))
        return {};
    return ProfileDocument::parse(bytes).value(section, key);
}

bool ProfileFile::write(const QString &section, const QString &key, const QString &value,
                        QString *error) const
{
    const QString reason = ProfileDocument::unstorableReason(section, key, value);
    if (!reason.isEmpty()) {
        if (error)
            *error = QCoreApplication::translate("ProfileFile", "Cannot write %1: %2").arg(m_path, reason);
        return false;
    }
    ProfileUpdate update(*this);
    ProfileDocument doc;
    // Never replace a file whose contents we could not see.
    if (!update.load(doc, error))
        return false;
    doc.setValue(section, key, value);
    return update.save(doc, error);
}

std::optional<ProfileFile::OutsideChange> ProfileFile::outsideChange(QString *error) const
{
    ProfileStamp stamp;
    if (!m_known || !m_known->seen || !statProfile(m_path, stamp, error) || !stamp.exists || stamp == m_known->stamp)
        return std::nullopt;
    QByteArray bytes;
    if (!readBytes(bytes, stamp, error) || !stamp.exists)
        return std::nullopt;
    if (bytes == m_known->bytes) {
        // Touched or rewritten as it was: nothing to merge, and no need to
        // read it again for the same stamp.
        m_known->stamp = stamp;
        return std::nullopt;
    }
    return OutsideChange{m_known->bytes, bytes, stamp};
}

bool ProfileUpdate::load(ProfileDocument &doc, QString *error)
{
    if (!m_lock.acquire(error))
        return false;
    auto &known = m_file.m_known;
    ProfileStamp stamp;
    if (!statProfile(m_file.m_path, stamp, error))
        return false;
    // Unchanged since this copy read or wrote it: what it has is the file.
    if (known && known->seen && stamp == known->stamp) {
        if (stamp.exists)
            m_before = known->bytes;
        doc = ProfileDocument::parse(known->bytes);
        return true;
    }
    QByteArray bytes;
    if (!m_file.readBytes(bytes, stamp, error))
        return false;
    const bool ours = known && known->seen && known->stamp.exists && bytes == known->bytes;
    if (known && stamp.exists && !ours) {
        // Another writer's version: kept before ours replaces it, or not
        // replaced at all. Beside the profile when the versions' folder
        // takes nothing.
        QString problem;
        QString backup = keepVersion(m_file.m_path, bytes, VersionKind::ChangedElsewhere,
                                     QDateTime::currentDateTimeUtc(), {}, &problem);
        if (backup.isEmpty()) {
            m_file.m_versionProblem = problem;
            backup = keepBackup(m_file.m_path, bytes, error);
        }
        if (backup.isEmpty())
            return false;
        m_file.m_backupNotice = backup;
        m_beforeKept = true;
    }
    if (stamp.exists)
        m_before = bytes;
    known = ProfileFile::Known{stamp, bytes};
    doc = ProfileDocument::parse(bytes);
    return true;
}

} // namespace platform

namespace platform {

bool ProfileUpdate::saveKeepingVersion(const ProfileDocument &doc, QString *error)
{
    // Nothing to keep of a file that was not there or was empty.
    if (m_before && !m_before->isEmpty() && !m_beforeKept) {
        QString problem;
        if (keepVersion(m_file.m_path, *m_before, VersionKind::Replaced, QDateTime::currentDateTimeUtc(), {}, &problem)
                .isEmpty())
            m_file.m_versionProblem = problem;
        m_beforeKept = true;
    }
    return save(doc, error);
}

} // namespace platform
