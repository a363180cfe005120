#include "platform/session/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace platform {

const QMimeData *SystemClipboard::contents() const
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    return clipboard ? clipboard->mimeData(QClipboard::Clipboard) : nullptr;
}

} // namespace platform
