#pragma once

#include <QIcon>
#include <QString>
#include <QStyle>
#include <initializer_list>

namespace platform {

// The pictures behind a shortcut's icon, wherever the desktop keeps them: the
// icon theme, a desktop entry's Icon= key, the style's own pictures. Which of
// them a shortcut shows is the shortcut code's choice.
namespace IconPictures {

// The first of the theme's icons by these names that it has; null if none.
QIcon firstThemed(std::initializer_list<QString> names);

// The icon a desktop entry names in its Icon= key (a theme name, an absolute
// path, or a picture in the old pixmaps folder); null when it names none.
QIcon ofDesktopEntry(const QString &entryPath);
// The icon an Icon= value names (as above); null for none.
QIcon named(const QString &iconValue);

// The theme icon of a file type that has a picture of its own (a shell
// script), by its extension key (".sh"); null for plain text and for types
// only the generic pictures show.
QIcon ofOwnType(const QString &extensionKey);

// The style's own picture; null where there is no style (no QApplication).
QIcon ofStyle(QStyle::StandardPixmap which);

// An icon drawn at about 40 % opacity, sharp at any size.
QIcon dimmed(const QIcon &icon);

} // namespace IconPictures
} // namespace platform
