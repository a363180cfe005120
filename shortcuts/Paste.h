#pragma once

#include <QStringList>

#include "shortcuts/ShortcutList.h"

class QMimeData;

namespace shortcuts {

// What a paste left out, for the user: names that are not UTF-8 (refused as
// a drop refuses them) and, when there were more than kMaxDropNames lines,
// how many there were (only the first kMaxDropNames are taken).
struct PasteNotes {
    QStringList refused;
    qsizetype lines = 0;
};

// The shortcuts a paste adds, in order: the files and folders a file manager
// copied (text/uri-list, or x-special/gnome-copied-files: "copy" or "cut" and
// then one URI a line), taken as a drop takes them; else text whose every
// line is a URI the desktop opens (or an address starting "www."). Nothing
// for anything else.
QStringList pastedTargets(const QMimeData &data, PasteNotes *notes = nullptr);

// Empty when there is nothing to say.
QString pasteNotesText(const PasteNotes &notes);

// What dragging shortcuts out hands over: every target as text/uri-list
// (files and folders as file:// URIs), and web addresses also as plain text,
// one a line. The caller owns the result.
QMimeData *exportedData(const QStringList &targets);

} // namespace shortcuts
