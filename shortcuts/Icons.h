#pragma once

#include <QIcon>
#include <QString>

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

private:
    platform::IconLookup &m_lookup;
};

} // namespace shortcuts
