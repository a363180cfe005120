#include "platform/session/Autostart.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include "platform/xdg/DesktopEntry.h"

namespace platform {

namespace {
QString sameFile(const QString &path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? QFileInfo(path).absoluteFilePath() : canonical;
}
} // namespace

Autostart::Autostart(QString entryPath, QString executable)
    : m_entryPath(std::move(entryPath)), m_executable(std::move(executable))
{
}

QString Autostart::defaultEntryPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/autostart/tessaflow.desktop");
}

Autostart::Seen Autostart::seen() const
{
    const QFileInfo info(m_entryPath);
    if (!info.exists())
        return {};
    return {true, info.lastModified(), info.size()};
}

bool Autostart::enabled() const
{
    // Read again only when the entry changed (or came, or went) since.
    const Seen now = seen();
    if (m_known && now == m_seen)
        return m_seenEnabled;
    bool on = false;
    if (const auto entry = platform::DesktopEntry::read(m_entryPath, QString())) {
        const QString program = platform::DesktopEntry::execProgram(entry->exec);
        on = !program.isEmpty() && sameFile(program) == sameFile(m_executable);
    }
    m_seen = now;
    m_seenEnabled = on;
    m_known = true;
    return on;
}

bool Autostart::setEnabled(bool on, QString *error)
{
    m_known = false;
    auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    if (!on) {
        if (QFile::exists(m_entryPath) && !QFile::remove(m_entryPath))
            return fail(QCoreApplication::translate("Autostart", "could not remove %1").arg(m_entryPath));
        return true;
    }
    // Written by the rules or not at all: a path written raw could end the
    // Exec line and add keys of its own.
    QString why;
    const auto exec = platform::DesktopEntry::execValue(
        {QFileInfo(m_executable).absoluteFilePath(), QStringLiteral("--minimized")}, &why);
    if (!exec)
        return fail(QCoreApplication::translate("Autostart", "no login entry can start this copy: %1").arg(why));
    const QString folder = QFileInfo(m_entryPath).absolutePath();
    if (!QDir().mkpath(folder))
        return fail(QCoreApplication::translate("Autostart", "could not create %1").arg(folder));
    const QString text =
        QStringLiteral("[Desktop Entry]\n"
                       "Type=Application\n"
                       "Name=Tessaflow\n"
                       "Comment=Launch files, folders and web addresses from one window\n"
                       "Exec=%1\n"
                       "Icon=tessaflow\n"
                       "Terminal=false\n"
                       "X-GNOME-Autostart-enabled=true\n")
            .arg(*exec);
    QSaveFile file(m_entryPath);
    if (!file.open(QIODevice::WriteOnly))
        return fail(QCoreApplication::translate("Autostart", "could not write %1: %2").arg(m_entryPath, file.errorString()));
    const QByteArray bytes = text.toUtf8();
    if (file.write(bytes) != bytes.size() || !file.commit())
        return fail(QCoreApplication::translate("Autostart", "could not write %1: %2").arg(m_entryPath, file.errorString()));
    return true;
}

} // namespace platform
