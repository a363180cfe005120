#include "platform/profile/ProfileFile.h"

#include <QCoreApplication>
#include <QSaveFile>
#include <utility>

namespace platform {

ProfileFile::ProfileFile(QString path) : m_path(std::move(path)) {}

bool ProfileFile::load(ProfileDocument &doc, QString *error) const
{
    QByteArray bytes;
    ProfileStamp stamp;
    if (!readProfileBytes(m_path, bytes, stamp, error)) {
        // Unseen: whatever is found there at a save is somebody else's.
        m_known = ProfileStamp{true, -1, 0, {}};
        return false;
    }
    m_known = stamp;
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
    const QByteArray bytes = doc.serialize();
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
    m_known = stampOfWritten(m_path, bytes);
    return true;
}

QString ProfileFile::read(const QString &section, const QString &key) const
{
    // A look at one key: what later saves compare against stays as it was.
    QByteArray bytes;
    ProfileStamp stamp;
    if (!readProfileBytes(m_path, bytes, stamp, nullptr))
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

bool ProfileUpdate::load(ProfileDocument &doc, QString *error)
{
    if (!m_lock.acquire(error))
        return false;
    QByteArray bytes;
    ProfileStamp stamp;
    if (!readProfileBytes(m_file.m_path, bytes, stamp, error))
        return false;
    if (m_file.m_known && stamp.exists && stamp != *m_file.m_known) {
        // Another writer's version: kept before ours replaces it, or not
        // replaced at all.
        const QString backup = keepBackup(m_file.m_path, bytes, error);
        if (backup.isEmpty())
            return false;
        m_file.m_backupNotice = backup;
    }
    m_file.m_known = stamp;
    doc = ProfileDocument::parse(bytes);
    return true;
}

} // namespace platform
