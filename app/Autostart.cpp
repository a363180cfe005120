#include "app/Autostart.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include "platform/desktop/DesktopEntry.h"

namespace app {

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

bool Autostart::enabled() const
{
    const auto entry = platform::DesktopEntry::read(m_entryPath, QString());
    if (!entry)
        return false;
    const QStringList arguments = platform::DesktopEntry::execArguments(entry->exec);
    return !arguments.isEmpty() && sameFile(arguments.first()) == sameFile(m_executable);
}

bool Autostart::setEnabled(bool on, QString *error)
{
    auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    if (!on) {
        if (QFile::exists(m_entryPath) && !QFile::remove(m_entryPath))
            return fail(QStringLiteral("could not remove %1").arg(m_entryPath));
        return true;
    }
    const QString folder = QFileInfo(m_entryPath).absolutePath();
    if (!QDir().mkpath(folder))
        return fail(QStringLiteral("could not create %1").arg(folder));
    const QString text =
        QStringLiteral("[Desktop Entry]\n"
                       "Type=Application\n"
                       "Name=Tessaflow\n"
                       "Comment=Launch files, folders and web addresses from one window\n"
                       "Exec=%1 --minimized\n"
                       "Icon=tessaflow\n"
                       "Terminal=false\n"
                       "X-GNOME-Autostart-enabled=true\n")
            .arg(platform::DesktopEntry::execArgument(QFileInfo(m_executable).absoluteFilePath()));
    QSaveFile file(m_entryPath);
    if (!file.open(QIODevice::WriteOnly))
        return fail(QStringLiteral("could not write %1: %2").arg(m_entryPath, file.errorString()));
    const QByteArray bytes = text.toUtf8();
    if (file.write(bytes) != bytes.size() || !file.commit())
        return fail(QStringLiteral("could not write %1: %2").arg(m_entryPath, file.errorString()));
    return true;
}

} // namespace app
