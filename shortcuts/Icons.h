#pragma once

#include <QHash>
#include <QIcon>
#include <QString>
#include <optional>

#include "platform/IconLookup.h"

namespace shortcuts {

// The file-type icons of shortcuts: large (32 x 32) and small (16 x 16)
// pictures for an icon type key (".ext", "." or "").
class Icons {
public:
    enum Size { Large = 0, Small = 1 };
    explicit Icons(platform::IconLookup &lookup) : m_lookup(lookup) {}
    // Never null: a type without an icon of its own gets a generic one.
    QIcon GetFileIcon(const QString &key, Size size);
    // The icon key for what a target is: a folder, a URI, a program, a
    // desktop entry, a missing target, or a file of some type.
    QString keyFor(const QString &target);

private:
    platform::IconLookup &m_lookup;
    // Read once, at the first folder.
    std::optional<QHash<QString, QString>> m_userFolders;
};

} // namespace shortcuts
