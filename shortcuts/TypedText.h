#pragma once

#include <QString>
#include <optional>

#include "shortcuts/Adding.h"

// One rule for text that names a shortcut, whether typed into "&Add URL
// Shortcut" or pasted with Ctrl+V, one line at a time.
namespace shortcuts {

// What a typed or pasted text adds, blanks around it dropped, read as
// readTarget() reads typed text: a link ("mailto:…", "https://…" as typed;
// "example.com", "www.example.org/x", "localhost:3000" with "http://" in
// front), or a file or folder that is there (an absolute path, "~/…", a
// file:// URI, or a name in the current folder). Nothing for anything else,
// with the reason for the user in `why`.
std::optional<QString> typedTarget(const QString &text, QString *why = nullptr);

// What one pasted line adds: typedTarget(), a link captioned as
// webCaption() says, a file or folder by its name.
std::optional<DroppedShortcut> pastedLine(const QString &line);

// The caption a typed or pasted web address gets: its host and the last part
// of its path ("example.net › wiki"), a mailto: link's address; empty for any
// other URI, which is captioned as before.
QString webCaption(const QString &address);

// What to tell the user after a paste that added `added` shortcuts and
// skipped `skipped` lines; empty when everything was added.
QString pasteReport(int added, int skipped);

} // namespace shortcuts
