#pragma once

#include <QHash>
#include <QIcon>
#include <QString>

namespace platform {

// Icons by type key, without touching any file:
//   ".ext" -> the icon of the MIME type registered for that extension
//             (its theme icon, then its generic icon, then a bundled fallback),
//   "."    -> a generic file icon,
//   ""     -> the icon for an unknown item.
// Never returns a null icon. Each key is looked up once and then cached.
class IconLookup {
public:
    IconLookup();
    QIcon iconForKey(const QString &key);
    int lookups() const { return m_lookups; }

    // Makes sure a theme with real file-type icons is in use when the desktop
    // names none (offscreen, bare X sessions).
    static void ensureIconTheme();

private:
    QIcon lookup(const QString &key) const;

    QHash<QString, QIcon> m_cache;
    int m_lookups = 0;
};

} // namespace platform
