#include "platform/desktop/GlobalKey.h"

namespace platform {

QString bindToggleAdvice(const QString &why)
{
    return QStringLiteral("%1 To show and hide Tessaflow with a key, bind the command \"tessaflow --toggle\" "
                          "to it in your desktop's keyboard settings.")
        .arg(why);
}

void NoGlobalKey::set(const QKeySequence &key)
{
    problem(key.isEmpty() ? QString()
                          : bindToggleAdvice(QStringLiteral("This desktop gives programs no global keys.")));
}

} // namespace platform
