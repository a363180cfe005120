#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <optional>

#include "platform/widgets/Dialogs.h"
#include "shortcuts/ShortcutList.h"

namespace shortcuts {

// At most this many names are taken from one drop.
inline constexpr int kMaxDropNames = 4000;

// The local files and folders a drop carries, in the drop's order: only valid,
// absolute file URLs count (a uri-list's "# comment" lines and web links do not).
// A name that is not valid UTF-8 (legal on Linux) would be stored as another
// name, so it is left out and goes to `refused`, as shown.
QStringList droppedPaths(const QList<QUrl> &urls, QStringList *refused = nullptr);

// What to tell the user about the names droppedPaths() refused.
QString refusedNamesText(const QStringList &refused);

// One shortcut a drop makes: a file's path, or a link as dropped with the
// link's title as caption (the address itself when it has none).
struct DroppedShortcut {
    QString target;
    QString caption; // empty: the file name
};

// The shortcuts for a drop's files and links (as the list view passes them
// on: only what can become a shortcut), in the drop's order; `titles` runs
// beside `urls`. Files are taken as droppedPaths() takes them, refusals
// included.
QList<DroppedShortcut> droppedShortcuts(const QList<QUrl> &urls, const QStringList &titles,
                                        QStringList *refused = nullptr);

// Adds one shortcut per target (a path, or a web address captioned as
// webCaption() says) or dropped shortcut at the end of the list, and shows
// the last one added selected. False at the first add that fails; the ones
// before it stay.
bool AddDropped(ShortcutList &list, const QStringList &paths);
bool AddDropped(ShortcutList &list, const QList<DroppedShortcut> &dropped);

// The prompt of "&Add URL Shortcut".
inline constexpr char kUrlPromptTitle[] = QT_TRANSLATE_NOOP("Adding", "Tessaflow - Add URL");
inline constexpr char kUrlPrompt[] = QT_TRANSLATE_NOOP("Adding", "Please enter the URL");
// The field starts empty and shows this example.
inline const QString kUrlExample = QStringLiteral("https://example.org");

// The target to add for the prompt's answer, or nothing: Cancel adds
// nothing; an answer is read as typedTarget() reads it ("example.com" gets
// "https://" in front, a file or folder that is there is added by its
// absolute path, the rest is refused).
std::optional<QString> urlTarget(const std::optional<QString> &answer);

// Why the prompt cannot take an answer, for the prompt to show while it stays
// open; empty for an answer it takes.
QString urlRefusal(const QString &answer);

// "&Add URL Shortcut": asks for an address until it is one or the user
// cancels, and adds it at the end of the list, captioned by its host and path.
// False when nothing was added.
bool AddUrl(ShortcutList &list, platform::Dialogs &dialogs);

} // namespace shortcuts
