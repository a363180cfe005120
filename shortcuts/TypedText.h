#pragma once

#include <QString>
#include <optional>

#include "shortcuts/Adding.h"

// One rule for text that names a shortcut, whether typed into "&Add URL
// Shortcut" or pasted with Ctrl+V, one line at a time.
namespace shortcuts {

// The web address or other URI a typed text is: a text beginning with a
// scheme the desktop opens is kept as typed ("mailto:…", "https://…"); one
// without blanks that starts with a host ("example.com", "www.example.org/x",
// "localhost:3000") gets "http://" in front. Nothing for anything else, with
// the reason for the user in `why`.
std::optional<QString> webAddressOf(const QString &text, QString *why = nullptr);

// What one pasted line adds: a web address as above, captioned as
// webCaption() says, or the absolute path (or "~/…", or a file:// URI) of a
// file or folder that exists, as a drop adds it. Nothing for anything else.
std::optional<DroppedShortcut> pastedLine(const QString &line);

// The caption a typed or pasted web address gets: its host and the last part
// of its path ("example.net › wiki"), a mailto: link's address; empty for any
// other URI, which is captioned as before.
QString webCaption(const QString &address);

// What to tell the user after a paste that added `added` shortcuts and
// skipped `skipped` lines; empty when everything was added.
QString pasteReport(int added, int skipped);

} // namespace shortcuts
