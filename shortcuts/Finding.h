#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// Finding a shortcut by typing: how well a caption (or, failing that, the
// target's name) answers what was typed, and the list of matches best first.
namespace shortcuts {

// How a shortcut matches the typed text, best first.
enum class Match {
    CaptionStart,  // the caption starts with it
    WordStart,     // a word of the caption starts with it, or the words' initials spell it
    CaptionPart,   // the caption contains it
    InOrder,       // its letters appear in the caption in order
    TargetOnly,    // only the target's file name or host has its letters, in order
    None,
};

// `text` as matching compares it: letter case and accents dropped ("Été"
// becomes "ete"), so that typing either finds both.
QString foldedForFinding(const QString &text);

// The part of a target that typing finds besides the caption: a file or
// folder's name, or a web address's host.
QString findableTargetName(const QString &target);

// How the folded caption and target name answer the folded typed text.
Match matchOf(const QString &typed, const QString &caption, const QString &targetName);

// What typing matches against, folded once for many keystrokes.
struct Findable {
    QString caption;
    QString targetName;
};
Findable findable(const QString &caption, const QString &target);

// The items (their places in `items`, from 0) that match `typed` (not folded), best first; ties keep
// the list's order. Linear in the number of items.
std::vector<int> rankedMatches(const QString &typed, const std::vector<Findable> &items);

} // namespace shortcuts
