#include <QImage>
#include <QResource>

#include "ui/MainWindow.h"

namespace ui {

QIcon MainWindow::applicationIcon()
{
    // The PNG's pixels kept raw beside it: any image reader, even one told
    // the format, first looks through every image plugin Qt has, and that
    // and the decoding are a good part of a millisecond of each start. The
    // SVG of the same picture is not added: in an icon made of pixmaps it was
    // only ever drawn at its 64 pixels too, and reading it loaded Qt's SVG module.
    constexpr int side = 64;
    const QByteArray rgb = QResource(QStringLiteral(":/tessaflow/tessaflow-64.rgb")).uncompressedData();
    if (rgb.size() != side * side * 3)
        return {};
    const QImage image(reinterpret_cast<const uchar *>(rgb.constData()), side, side, side * 3, QImage::Format_RGB888);
    // Converted into an image of its own: the bytes above go away on return.
    return QIcon(QPixmap::fromImage(image.convertToFormat(QImage::Format_ARGB32_Premultiplied)));
}

} // namespace ui
