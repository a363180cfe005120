#pragma once

#include <QStringList>

#include "shortcuts/Adding.h"
#include "shortcuts/ShortcutList.h"

class QMimeData;

namespace shortcuts {

// What a paste adds, in order, and how many lines of text it skipped.
struct Pasted {
    QList<DroppedShortcut> shortcuts;
    int skipped = 0;
};

// The files and folders a file manager copied (text/uri-list, or
// x-special/gnome-copied-files: "copy" or "cut" and then one URI a line),
// taken as a drop takes them; else each line of copied text as pastedLine()
// takes it, lines it does not take counted as skipped (blank ones are not).
Pasted pasted(const QMimeData &data);

// What dragging shortcuts out hands over: every target as text/uri-list
// (files and folders as encoded file:// URIs), and as plain text one a line
// (files and folders as their paths). The caller owns the result.
QMimeData *exportedData(const QStringList &targets);

} // namespace shortcuts
