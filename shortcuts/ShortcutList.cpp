#include "shortcuts/ShortcutList.h"

#include <QCoreApplication>
#include <QFileInfo>

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

ShortcutList::ShortcutList(ShortcutModel &model, platform::ListView &view) : model(model), view(view), shown(model)
{
    view.setItems(&shown);
}

ShortcutList::~ShortcutList()
{
    if (view.items() == &shown)
        view.setItems(nullptr);
}

bool ShortcutList::showGroup(const QString &name)
{
    if (!model.hasGroup(name))
        return false;
    model.setAddingGroup(name);
    if (name != shown.group()) {
        shown.setGroup(name);
        // The group's own places, laid out as when loaded.
        view.setItems(&shown);
    }
    return true;
}

void ShortcutList::addToSelection(int row)
{
    if (const int shownRow = shown.fromModel(row); shownRow >= 0)
        view.addToSelection(shownRow);
}

QPointF ShortcutList::placeOf(int row) const
{
    if (const int shownRow = shown.fromModel(row); shownRow >= 0)
        return view.placeOf(shownRow);
    const Shortcut &shortcut = model.at(row);
    return QPointF(shortcut.left.value_or(0), shortcut.top.value_or(0));
}

bool isWebAddress(const QString &target) { return readTarget(target, Source::Stored).isLink(); }

bool isMissing(const QString &target)
{
    if (target.isEmpty())
        return false;
    const Target read = readTarget(target, Source::Stored);
    // A symbolic link that leads nowhere names something, yet nothing opens.
    // What cannot be reached (a path too long, a folder without permission)
    // may be there: it is not missing.
    return !read.isLink()
           && (read.text.isEmpty()
               || platform::PathOps::PathPresence(read.text) == platform::PathOps::Presence::Missing);
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

QString matchText(int matching, int count)
{
    //: Read out while typing finds shortcuts: %1 of (%n) all shortcuts match.
    return QCoreApplication::translate("ShortcutList", "%1 of %n shortcuts match", nullptr, count).arg(matching);
}

std::optional<Shortcut> makeShortcut(const QString &target, const QString &caption)
{
    Shortcut shortcut;
    shortcut.target = storedTarget(target);
    if (shortcut.target.isEmpty())
        return std::nullopt;
    // A desktop entry added without a caption goes by the name it gives itself.
    shortcut.caption = caption.isEmpty() ? desktopEntryName(shortcut.target) : caption;
    if (shortcut.caption.isEmpty())
        shortcut.caption = GetFileName(target);
    if (shortcut.caption.isEmpty())
        shortcut.caption = target;
    return shortcut;
}

bool addShortcut(ShortcutModel &model, const QString &target, const QString &caption)
{
    auto shortcut = makeShortcut(target, caption);
    if (!shortcut)
        return false;
    model.add(std::move(*shortcut));
    return true;
}

} // namespace shortcuts
