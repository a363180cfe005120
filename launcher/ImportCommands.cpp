#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include "config/ProfileImport.h"
#include "launcher/Controller.h"
#include "platform/profile/ProfileDocument.h"
#include "shortcuts/Importing.h"

namespace launcher {

namespace {

// Every browser writes this line first; a file saved as .html is taken too.
bool isBookmarksFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return file.read(4096).contains("NETSCAPE-Bookmark-file")
           || path.endsWith(QLatin1String(".html"), Qt::CaseInsensitive)
           || path.endsWith(QLatin1String(".htm"), Qt::CaseInsensitive);
}

// A bookmarks file is a few hundred kilobytes; nothing a browser wrote is
// near this.
constexpr qint64 kMaxBookmarksFile = 64 * 1024 * 1024;

} // namespace

QString Controller::imported(const shortcuts::Found &found)
{
    shortcuts::Imported merged = shortcuts::takeIn(m_model.state(), found, m_list.shownGroup());
    if (!merged.added.isEmpty())
        replaceShortcuts(std::move(merged.state));
    return shortcuts::importReport(merged);
}

QString Controller::importFrom(const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return imported(shortcuts::readDesktopFolder(path));
    if (!info.isFile() || !info.isReadable())
        //: %1 is a path.
        return tr("Nothing imported: %1 cannot be read.").arg(path);
    if (isBookmarksFile(path)) {
        QFile file(path);
        if (info.size() > kMaxBookmarksFile || !file.open(QIODevice::ReadOnly))
            return tr("Nothing imported: %1 cannot be read.").arg(path);
        return imported(shortcuts::readBookmarks(file.readAll()));
    }
    QString why;
    const shortcuts::Found found = config::readProfileToImport(path, &why);
    if (!why.isEmpty())
        //: %1 is a path, %2 why it could not be read.
        return tr("Nothing imported from %1: %2").arg(path, why);
    return imported(found);
}

QString Controller::importDocks()
{
    return imported(shortcuts::readDocks(QDir::homePath(),
                                         QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation)));
}

void Controller::importChosen(ImportKind kind)
{
    QString report;
    if (kind == ImportKind::Docks) {
        report = importDocks();
    } else {
        const QStringList chosen =
            kind == ImportKind::File
                ? m_services.fileChooser.chooseFiles(&m_dialogParent, tr("Tessaflow - Import"), m_chooserFolder)
                : m_services.fileChooser.chooseFolders(&m_dialogParent, tr("Tessaflow - Import"), m_chooserFolder);
        if (chosen.isEmpty())
            return;
        m_chooserFolder = QFileInfo(chosen.first()).absolutePath();
        QStringList reports;
        for (const QString &path : chosen)
            reports << importFrom(path);
        report = reports.join(QStringLiteral("\n\n"));
    }
    m_reporter.notice(report);
}

bool Controller::exportTo(ExportKind kind, const QString &path, QString *error)
{
    if (kind == ExportKind::Profile) {
        // The profile as it is now: what is shown saved first.
        save();
        platform::ProfileDocument doc;
        return m_ini.file().load(doc, error) && platform::ProfileFile(path).save(doc, error);
    }
    QSaveFile file(path);
    const QByteArray html = shortcuts::bookmarksHtml(m_model.state());
    if (file.open(QIODevice::WriteOnly) && file.write(html) == html.size() && file.commit())
        return true;
    *error = file.errorString();
    return false;
}

void Controller::exportChosen(ExportKind kind)
{
    const QString suggested = QDir(m_chooserFolder).filePath(
        kind == ExportKind::Profile ? QStringLiteral("tsw.ini") : QStringLiteral("bookmarks.html"));
    const QString path = m_services.fileChooser.chooseSaveFile(&m_dialogParent, tr("Tessaflow - Export"), suggested);
    if (path.isEmpty())
        return;
    m_chooserFolder = QFileInfo(path).absolutePath();
    QString why;
    if (!exportTo(kind, path, &why))
        //: %1 is a path, %2 why it could not be written.
        m_reporter.failure(tr("Could not export to %1: %2").arg(path, why));
}

} // namespace launcher
