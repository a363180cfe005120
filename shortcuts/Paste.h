#pragma once

#include <QStringList>

#include "shortcuts/Adding.h"
#include "shortcuts/ShortcutList.h"

class QMimeData;

namespace shortcuts {

// What a paste adds, in order, and what it left out.
struct Pasted {
    QList<DroppedShortcut> shortcuts;
    // Lines of text that were not a file, folder or web address (blank lines
    // are no lines), and the first few of them as pasted.
    int skipped = 0;
    QStringList skippedLines;
    // Shortcuts the list held already: not added twice.
    int existing = 0;
    // Names that are not UTF-8, refused as a drop refuses them.
    QStringList refused;
    // When more than kMaxDropNames were offered, how many: only the first
    // kMaxDropNames are taken.
    qsizetype offered = 0;
    // Lines longer than kMaxPastedLine: not looked at, only counted.
    int tooLong = 0;
};

// The longest pasted line that is read as a file, folder or web address: far
// beyond any real path or address, and what is longer is never copied whole.
inline constexpr qsizetype kMaxPastedLine = 64 * 1024;

// The files and folders a file manager copied (text/uri-list, or
// x-special/gnome-copied-files: "copy" or "cut" and then one URI a line),
// taken as a drop takes them; else each line of copied text as pastedLine()
// takes it. Every line up to kMaxPastedLine long is looked at.
Pasted pasted(const QMimeData &data);

// Takes out of `pasted` the shortcuts whose target the model holds already,
// counting them in `existing`; the row of the last of them, or -1.
int takeOutExisting(Pasted &pasted, const ShortcutModel &model);

// What to tell the user after a paste that added `added` shortcuts: what was
// cut, refused or skipped, or that nothing could be added. Empty when the
// paste added everything it offered.
QString pasteReport(const Pasted &pasted, int added);

// What dragging shortcuts out hands over: every target as text/uri-list
// (files and folders as encoded file:// URIs), and as plain text one a line
// (files and folders as their paths). The caller owns the result.
QMimeData *exportedData(const QStringList &targets);

} // namespace shortcuts
