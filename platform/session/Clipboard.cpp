#include "platform/session/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace platform {

const QMimeData *SystemClipboard::contents() const
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    return clipboard ? clipboard->mimeData(QClipboard::Clipboard) : nullptr;
}

void SystemClipboard::copy(QMimeData *data)
{
    if (QClipboard *clipboard = QGuiApplication::clipboard())
        clipboard->setMimeData(data, QClipboard::Clipboard);
    else
        delete data;
}

} // namespace platform
