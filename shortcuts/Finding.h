#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

#include "platform/xdg/Applications.h"

// Finding a shortcut by typing: how well a caption (or, failing that, the
// target's name) answers what was typed, and the list of matches best first.
namespace shortcuts {

// How a shortcut matches the typed text, best first.
enum class Match {
    CaptionStart,  // the caption starts with it
    WordStart,     // a word of the caption starts with it, or the words' initials spell it
    CaptionPart,   // the caption contains it
    OtherWordStart, // a word of its other names starts with it (an application's generic name, keywords)
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

// How the folded caption, target name and other names (each ending in a
// line break) answer the folded typed text.
Match matchOf(const QString &typed, const QString &caption, const QString &targetName,
              const QString &otherNames = QString());

// What typing matches against, folded once for many keystrokes.
struct Findable {
    QString caption;
    QString targetName;
    // Further names the item is known by, each ending in a line break; none for a shortcut.
    QString otherNames = {};
};
Findable findable(const QString &caption, const QString &target);
// An application as typing finds it: by its name, its generic name and
// keywords, and the file name of its program.
Findable findable(const platform::Application &application);

// The items (their places in `items`, from 0) that match `typed` (not folded), best first; ties keep
// the list's order. Linear in the number of items.
std::vector<int> rankedMatches(const QString &typed, const std::vector<Findable> &items);
// The same over any items, each read through `findableOf(item)`.
template <typename Items, typename Get>
std::vector<int> rankedMatches(const QString &typed, const Items &items, Get findableOf)
{
    const QString folded = foldedForFinding(typed);
    // One bucket per kind of match, each in list order: a stable sort in one pass.
    std::array<std::vector<int>, static_cast<size_t>(Match::None)> buckets;
    int i = 0;
    for (const auto &item : items) {
        const Findable &f = findableOf(item);
        const Match match = matchOf(folded, f.caption, f.targetName, f.otherNames);
        if (match != Match::None)
            buckets[static_cast<size_t>(match)].push_back(i);
        ++i;
    }
    std::vector<int> ranked;
    for (const auto &bucket : buckets)
        ranked.insert(ranked.end(), bucket.begin(), bucket.end());
    return ranked;
}

} // namespace shortcuts
