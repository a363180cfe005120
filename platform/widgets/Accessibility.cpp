#include "platform/widgets/Accessibility.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace platform {

namespace {
// Asked for each class of a widget from its own up: reaching "QWidget" means
// no more specific interface (a list, a button) claimed it.
QAccessibleInterface *windowInterface(const QString &className, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (className != QLatin1String("QWidget") || !widget || !widget->isWindow())
        return nullptr;
    // A tool window (the options) is read as the dialog it is.
    const bool dialog = widget->windowType() == Qt::Dialog || widget->windowType() == Qt::Tool;
    return new QAccessibleWidget(widget, dialog ? QAccessible::Dialog : QAccessible::Window);
}
} // namespace

void installAccessibleWindowRoles() { QAccessible::installFactory(windowInterface); }

} // namespace platform
