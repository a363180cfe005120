#pragma once

#include <QString>

class QMimeData;

namespace platform {
class Opener;
}

namespace shortcuts {

// Where a shortcut's target is shown in the file manager: a file or folder
// that is there, selected in its folder; for one that is gone, the nearest
// folder above it that is still there, opened; for a link, nowhere.
struct FolderPlace {
    enum class Kind { Nowhere, SelectedInFolder, FolderOpened };
    Kind kind = Kind::Nowhere;
    QString path;
};
FolderPlace folderPlaceOf(const QString &storedTarget);

// Shows the target there through the desktop; false for a link.
bool ShowInFolder(const QString &storedTarget, platform::Opener &opener);

// What copying a shortcut's target gives: its path or address as text, and
// as a URI list for programs that take files. Null for a target that names
// nothing. The caller owns it.
QMimeData *copiedTarget(const QString &storedTarget);

} // namespace shortcuts
