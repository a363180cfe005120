#include "shortcuts/Launch.h"

#include "platform/desktop/PathOps.h"

namespace shortcuts {

QString launchTarget(const QString &sFileName)
{
    const bool webPrefix = sFileName.startsWith(QLatin1String("http://")) || sFileName.startsWith(QLatin1String("www"));
    if (!webPrefix && platform::PathOps::FileExists(sFileName)) {
        const QString absolute = platform::PathOps::GetAbsolutePathName(sFileName);
        if (!absolute.isEmpty())
            return absolute;
    }
    return sFileName;
}

void Launch(const QString &sFileName, platform::Opener &opener) { opener.open(launchTarget(sFileName)); }

bool OpenSelected(const ShortcutList &list, platform::Opener &opener)
{
    const int selected = list.lstButtons.SelectedItem();
    if (selected < 1 || selected > list.lstPrograms.ListCount())
        return false;
    // Item i pairs with target i - 1, whatever the list shows where.
    Launch(list.lstPrograms.List(selected - 1), opener);
    return true;
}

} // namespace shortcuts
