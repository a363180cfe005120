#include "shortcuts/Icons.h"

#include "platform/TargetIcons.h"

namespace shortcuts {

QIcon Icons::GetFileIcon(const QString &key, Size size)
{
    // A themed icon scales; handing the list the icon itself rather than a
    // rendered pixmap keeps it sharp at any device pixel ratio. Both sizes
    // therefore come from the same icon, drawn at 32 or 16 pixels.
    Q_UNUSED(size);
    return m_lookup.iconForKey(key);
}

QString Icons::keyFor(const QString &target)
{
    if (!m_userFolders)
        m_userFolders = platform::TargetIcons::userFolders();
    return platform::TargetIcons::keyFor(target, *m_userFolders);
}

} // namespace shortcuts
