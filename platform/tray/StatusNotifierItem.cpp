#include "platform/tray/StatusNotifierItem.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QImage>
#include <QtEndian>

#include "platform/tray/DBusMenu.h"
#include "platform/tray/Tray.h"

namespace platform {

namespace {
const QString kObjectPath = QStringLiteral("/StatusNotifierItem");
const QString kMenuPath = QStringLiteral("/MenuBar");

// The sizes panels draw: hosts pick the nearest.
SniImages imagesOf(const QIcon &icon)
{
    SniImages images;
    for (const int side : {16, 22, 32, 48, 64}) {
        const QImage image = icon.pixmap(side, side).toImage().convertToFormat(QImage::Format_ARGB32);
        if (image.isNull())
            continue;
        SniImage out{image.width(), image.height(), QByteArray()};
        out.pixels.resize(qsizetype(image.width()) * image.height() * 4);
        auto *to = reinterpret_cast<quint32 *>(out.pixels.data());
        for (int y = 0; y < image.height(); ++y) {
            const auto *from = reinterpret_cast<const quint32 *>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x)
                *to++ = qToBigEndian(from[x]);
        }
        images << out;
    }
    return images;
}
} // namespace

QDBusArgument &operator<<(QDBusArgument &argument, const SniImage &image)
{
    argument.beginStructure();
    argument << image.width << image.height << image.pixels;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, SniImage &image)
{
    argument.beginStructure();
    argument >> image.width >> image.height >> image.pixels;
    argument.endStructure();
    return argument;
}

QDBusArgument &operator<<(QDBusArgument &argument, const SniToolTip &tip)
{
    argument.beginStructure();
    argument << tip.iconName << tip.images << tip.title << tip.text;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, SniToolTip &tip)
{
    argument.beginStructure();
    argument >> tip.iconName >> tip.images >> tip.title >> tip.text;
    argument.endStructure();
    return argument;
}

StatusNotifierItem::StatusNotifierItem(const QIcon &icon, const QString &tip, std::function<void(TrayClick)> clicked,
                                       QMenu *menu)
    : m_service(QStringLiteral("org.kde.StatusNotifierItem-%1-1").arg(QCoreApplication::applicationPid())),
      m_tip(tip),
      m_images(imagesOf(icon)),
      m_clicked(std::move(clicked))
{
    // The types must be known before the object's interface is described.
    qDBusRegisterMetaType<SniImage>();
    qDBusRegisterMetaType<SniImages>();
    qDBusRegisterMetaType<SniToolTip>();
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (menu && bus.isConnected())
        m_menu = std::make_unique<DBusMenu>(*menu, kMenuPath);
    m_valid = bus.isConnected() &&
              bus.registerObject(kObjectPath, this,
                                 QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals |
                                     QDBusConnection::ExportAllProperties) &&
              bus.registerService(m_service);
}

StatusNotifierItem::~StatusNotifierItem()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.unregisterService(m_service);
    bus.unregisterObject(kObjectPath);
}

QDBusObjectPath StatusNotifierItem::menu() const
{
    // Without an exported menu, hosts ask for it with ContextMenu.
    return QDBusObjectPath(m_menu && m_menu->valid() ? kMenuPath : QStringLiteral("/NO_DBUSMENU"));
}

void StatusNotifierItem::registerWithWatcher()
{
    if (!m_valid)
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.kde.StatusNotifierWatcher"), QStringLiteral("/StatusNotifierWatcher"),
        QStringLiteral("org.kde.StatusNotifierWatcher"), QStringLiteral("RegisterStatusNotifierItem"));
    call << m_service;
    QDBusConnection::sessionBus().send(call);
}

// The owner may take the item away in its answer to a click: never inside
// the D-Bus call that is still running.
void StatusNotifierItem::report(TrayClick click)
{
    QMetaObject::invokeMethod(
        this, [this, click] { m_clicked(click); }, Qt::QueuedConnection);
}

void StatusNotifierItem::Activate(int, int) { report(TrayClick::Activate); }
void StatusNotifierItem::SecondaryActivate(int, int) { report(TrayClick::Middle); }
void StatusNotifierItem::ContextMenu(int, int) { report(TrayClick::Context); }
void StatusNotifierItem::Scroll(int, const QString &) {}

} // namespace platform
