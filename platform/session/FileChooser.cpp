#include "platform/session/FileChooser.h"

#include <QFileDialog>
#include <QListView>
#include <QTreeView>

namespace platform {

QStringList DialogFileChooser::chooseFiles(QWidget *parent, const QString &title, const QString &folder)
{
    return QFileDialog::getOpenFileNames(parent, title, folder);
}

QString DialogFileChooser::chooseSaveFile(QWidget *parent, const QString &title, const QString &suggested)
{
    return QFileDialog::getSaveFileName(parent, title, suggested);
}

QStringList DialogFileChooser::chooseFolders(QWidget *parent, const QString &title, const QString &folder)
{
    QFileDialog dialog(parent, title, folder);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    // Its views take one folder unless told otherwise; the names of several
    // go into the name field, and from there into the answer.
    if (auto *list = dialog.findChild<QListView *>(QStringLiteral("listView")))
        list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    if (auto *tree = dialog.findChild<QTreeView *>(QStringLiteral("treeView")))
        tree->setSelectionMode(QAbstractItemView::ExtendedSelection);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}

} // namespace platform
