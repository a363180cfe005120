#include "shortcuts/ShortcutList.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "platform/profile/NumberText.h"
#include "platform/xdg/DesktopEntry.h"
#include "platform/xdg/PathOps.h"
#include "shortcuts/Targets.h"

namespace shortcuts {

using platform::PathOps::GetFileName;

namespace {
// The caption a desktop entry gives itself (its localized Name=); empty for
// any other target.
QString desktopEntryName(const QString &target)
{
    if (!target.endsWith(QLatin1String(".desktop"), Qt::CaseInsensitive)
        || readTarget(target, Source::Stored).kind != Target::Kind::LocalPath)
        return {};
    const auto entry = platform::DesktopEntry::read(target);
    return entry ? entry->name.trimmed() : QString();
}
} // namespace

bool isWebAddress(const QString &target) { return readTarget(target, Source::Stored).isLink(); }

bool isMissing(const QString &target)
{
    if (target.isEmpty())
        return false;
    const Target read = readTarget(target, Source::Stored);
    // A symbolic link that leads nowhere names something, yet nothing opens.
    return !read.isLink() && (read.text.isEmpty() || !QFileInfo::exists(read.text));
}

QString targetDetail(const QString &target)
{
    if (!isMissing(target))
        return target;
    return target + u'\n' + QCoreApplication::translate("ShortcutList", "This file or folder is missing.");
}

QString countText(int count)
{
    // Read out to screen readers as the list's description.
    if (count == 0)
        return QCoreApplication::translate("ShortcutList", "No shortcuts");
    return count == 1 ? QCoreApplication::translate("ShortcutList", "1 shortcut")
                      : QCoreApplication::translate("ShortcutList", "%n shortcuts", nullptr, count);
}

bool AddButton(ShortcutList &list, const QString &sFileName, const QString &sName, int sCount,
               const QString &szLeft, const QString &szTop)
{
    // Image numbers are 16-bit: past the limit a new shortcut could only show
    // somebody else's icon, so it is refused.
    if (list.IconList.Count() >= kMaxImages || list.IconListSml.Count() >= kMaxImages)
        return false;

    // Icons by what the target is, one lookup per kind.
    const QString typeKey = list.icons.keyFor(sFileName);
    list.IconList.Add(list.icons.GetFileIcon(typeKey, Icons::Large));
    list.IconListSml.Add(list.icons.GetFileIcon(typeKey, Icons::Small));

    // The target is formed before anything is added, so the list view and the
    // target list either both grow or neither does.
    const QString target = storedTarget(sFileName);
    if (target.isEmpty())
        return false;

    // A desktop entry added without a caption goes by the name it gives itself.
    QString caption = sName.isEmpty() ? desktopEntryName(target) : sName;
    if (caption.isEmpty())
        caption = GetFileName(sFileName);
    if (caption.isEmpty())
        caption = sFileName;
    // Captions may repeat (two readme.txt from different folders); the list
    // view's keys may not, so a repeated caption gets a key of its own.
    if (!list.lstButtons.Add(list.lstButtons.uniqueKey(caption), caption, sCount, sCount))
        return false;
    list.lstPrograms.AddItem(target);

    if (list.lstButtons.Arrange() == 0) {
        const int item = list.lstButtons.Count();
        if (const auto left = platform::numberOf(szLeft))
            list.lstButtons.setLeft(item, *left);
        if (const auto top = platform::numberOf(szTop))
            list.lstButtons.setTop(item, *top);
    }
    return true;
}

void RefreshIcons(ShortcutList &list)
{
    for (int i = 1; i <= list.count(); ++i) {
        const QString key = list.icons.keyFor(list.lstPrograms.List(i - 1));
        list.IconList.Replace(list.lstButtons.Icon(i), list.icons.GetFileIcon(key, Icons::Large));
        list.IconListSml.Replace(list.lstButtons.SmallIcon(i), list.icons.GetFileIcon(key, Icons::Small));
    }
    list.lstButtons.viewport()->update();
}

} // namespace shortcuts
