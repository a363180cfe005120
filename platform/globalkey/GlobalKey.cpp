#include "platform/globalkey/GlobalKey.h"

#include <QCoreApplication>

#include "platform/globalkey/KeyCodes.h"

namespace platform {

QString bindToggleAdvice(const QString &why)
{
    //: %1 is a sentence saying why the key cannot be taken here.
    return QCoreApplication::translate("GlobalKey",
                                       "%1 To show and hide Tessaflow with a key, bind the command \"tessaflow --toggle\" "
                                       "to it in your desktop's keyboard settings.")
        .arg(why);
}

QString keyRefusal(const QKeySequence &key)
{
    if (key.isEmpty() || !keys::takesTyping(key[0]))
        return {};
    //: %1 is the key, such as A or Space.
    return QCoreApplication::translate("GlobalKey",
                                       "%1 cannot be the show/hide key: every program would lose it for typing. "
                                       "Add Ctrl, Alt or the logo key, or choose a function key.")
        .arg(key.toString(QKeySequence::NativeText));
}

void NoGlobalKey::set(const QKeySequence &key)
{
    problem(key.isEmpty() ? QString()
                          : bindToggleAdvice(QCoreApplication::translate("GlobalKey", "This desktop gives programs no global keys.")));
}

} // namespace platform
