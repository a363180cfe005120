#include "shortcuts/Locating.h"

#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

#include "platform/process/Opener.h"
#include "shortcuts/Targets.h"

namespace shortcuts {

FolderPlace folderPlaceOf(const QString &storedTarget)
{
    const Target target = readTarget(storedTarget, Source::Stored);
    if (target.kind != Target::Kind::LocalPath)
        return {};
    if (target.present())
        return {FolderPlace::Kind::SelectedInFolder, target.text};
    // Up from a target that is gone: "/" is always there, and each step is
    // shorter than the last.
    QString folder = QFileInfo(target.text).absolutePath();
    while (!QFileInfo(folder).isDir())
        folder = QFileInfo(folder).absolutePath();
    return {FolderPlace::Kind::FolderOpened, folder};
}

bool ShowInFolder(const QString &storedTarget, platform::Opener &opener)
{
    const FolderPlace place = folderPlaceOf(storedTarget);
    switch (place.kind) {
    case FolderPlace::Kind::Nowhere:
        return false;
    case FolderPlace::Kind::SelectedInFolder:
        opener.showInFolder(place.path);
        break;
    case FolderPlace::Kind::FolderOpened:
        opener.openPath(place.path);
        break;
    }
    return true;
}

QMimeData *copiedTarget(const QString &storedTarget)
{
    const Target target = readTarget(storedTarget, Source::Stored);
    if (target.kind == Target::Kind::Nothing)
        return nullptr;
    const QUrl url = target.isLink() ? QUrl(target.text) : QUrl::fromLocalFile(target.text);
    auto *data = new QMimeData;
    data->setUrls({url});
    // Set after the URLs, which would also set the text to the URI.
    data->setText(target.text);
    return data;
}

} // namespace shortcuts
