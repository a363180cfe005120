#include "platform/desktop/FileChooser.h"

#include <QFileDialog>

namespace platform {

QStringList DialogFileChooser::chooseFiles(QWidget *parent, const QString &title)
{
    return QFileDialog::getOpenFileNames(parent, title);
}

} // namespace platform
