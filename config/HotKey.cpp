#include "config/HotKey.h"

namespace config {

namespace {
bool isModifierOnly(Qt::Key key)
{
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Meta
           || key == Qt::Key_AltGr || key == Qt::Key_unknown;
}
} // namespace

QKeySequence hotKeyOf(const QString &stored)
{
    const QKeySequence keys = QKeySequence::fromString(stored.trimmed(), QKeySequence::PortableText);
    if (keys.isEmpty() || isModifierOnly(keys[0].key()))
        return {};
    return QKeySequence(keys[0]);
}

QString hotKeyText(const QKeySequence &keys)
{
    if (keys.isEmpty() || isModifierOnly(keys[0].key()))
        return {};
    return QKeySequence(keys[0]).toString(QKeySequence::PortableText);
}

} // namespace config
