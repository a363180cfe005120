#include "platform/globalkey/GlobalKey.h"

#include <QCoreApplication>

namespace platform {

QString bindToggleAdvice(const QString &why)
{
    //: %1 is a sentence saying why the key cannot be taken here.
    return QCoreApplication::translate("GlobalKey",
                                       "%1 To show and hide Tessaflow with a key, bind the command \"tessaflow --toggle\" "
                                       "to it in your desktop's keyboard settings.")
        .arg(why);
}

void NoGlobalKey::set(const QKeySequence &key)
{
    problem(key.isEmpty() ? QString()
                          : bindToggleAdvice(QCoreApplication::translate("GlobalKey", "This desktop gives programs no global keys.")));
}

} // namespace platform
