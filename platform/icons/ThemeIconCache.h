#pragma once

#include <QIcon>
#include <QString>

namespace platform {

// A theme icon whose pictures are kept as files in a cache folder, so that
// a start with a warm cache reads a few small images instead of loading the
// theme's index and parsing and rendering its SVG files. A picture that is not
// in the cache, or cannot be read from it, is drawn by the theme and stored.
// Pictures are kept per theme (and the state of its files), icon name, size
// and device pixel ratio; only the normal picture is stored, the others come
// from the theme.
//
// Null when the theme in use (or its fallback) has no icon of that name, as
// QIcon::fromTheme is. `folder` defaults to $XDG_CACHE_HOME/tessaflow/icons.
QIcon cachedThemeIcon(const QString &name);
QIcon cachedThemeIcon(const QString &name, const QString &folder);

// The icon names of the MIME type registered for a file name extension
// (".pdf"): the type's own and its generic one; both empty when no type is
// registered for it. Kept in the same cache folder (per state of the MIME
// database), so a warm start need not load the MIME database either.
struct TypeIconNames {
    QString icon;
    QString generic;
};
TypeIconNames typeIconNames(const QString &extension);
TypeIconNames typeIconNames(const QString &extension, const QString &folder);

} // namespace platform
