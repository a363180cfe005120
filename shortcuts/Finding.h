#pragma once

#include <QString>
#include <QStringList>
#include <algorithm>
#include <array>
#include <functional>
#include <utility>
#include <vector>

#include "platform/xdg/Applications.h"

// Finding a shortcut by typing: how well a caption (or, failing that, the
// target's name) answers what was typed, and the list of matches best first.
// Several words typed (separated by blanks) must all match, in any order;
// when nothing matches at all, captions within one typing slip are offered.
namespace shortcuts {

// How a shortcut matches the typed text, best first.
enum class Match {
    CaptionStart,  // the caption starts with it
    WordStart,     // a word of the caption starts with it, or the words' initials spell it
    CaptionPart,   // the caption contains it
    OtherWordStart, // a word of its other names starts with it (an application's generic name, keywords)
    InOrder,       // its letters appear in the caption in order
    TargetOnly,    // only the target's file name or host has its letters, in order
    Close,         // no real match: each word typed matches, or is one slip from a word of it
    None,
};

// `text` as matching compares it: letter case and accents dropped ("Été"
// becomes "ete"), ligatures written out ("Œuvres" becomes "oeuvres", "Straße"
// "strasse", "ﬁle" "file"), so that typing either finds both.
QString foldedForFinding(const QString &text);

// What was typed, folded and cut into its words once for many items.
struct Typed {
    QString whole;      // folded, blanks made single and trimmed
    QStringList words;  // its words, in the order typed
};
Typed typedForFinding(const QString &text);

// A typed word shorter than this never matches by a slip: one or two letters
// are one edit away from nearly every word.
inline constexpr qsizetype kCloseMinLength = 3;

// Whether `a` becomes `b` by at most one edit: a letter missing, one extra,
// one wrong, or two neighbours swapped. Linear in their length.
bool withinOneEdit(QStringView a, QStringView b);

// The part of a target that typing finds besides the caption: a file or
// folder's name, or a web address's host.
QString findableTargetName(const QString &target);

// How the folded caption, target name and other names (each ending in a
// line break) answer the folded typed text. Several words each match in
// their own way and the weakest decides, unless the text as typed, blanks
// and all, does better (so "my rep" still finds "my report" by its start).
// Never Close: see closeTo().
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

Match matchOf(const Typed &typed, const Findable &item);
// Whether every typed word matches `item`, or is within one edit of the start
// of a word of its caption or target name (the caption's start and the file
// name's included), and not every word matches for real. A word shorter than
// kCloseMinLength must match for real.
bool closeTo(const Typed &typed, const Findable &item);

// How much an item (by its place) is wanted among matches of the same kind:
// the higher first, ties in list order. None: list order alone.
using Preference = std::function<double(int)>;

// Puts `rows`, matches of one kind in list order, the preferred first.
void preferWithin(std::vector<int> &rows, const Preference &preference);

// The items (their places in `items`, from 0) that match `typed` (not folded), best first; ties keep
// the list's order. Linear in the number of items.
std::vector<int> rankedMatches(const QString &typed, const std::vector<Findable> &items,
                               const Preference &preference = {});
// The same over any items, each read through `findableOf(item)`.
template <typename Items, typename Get>
std::vector<int> rankedMatches(const QString &typed, const Items &items, Get findableOf,
                               const Preference &preference = {})
{
    const Typed folded = typedForFinding(typed);
    // One bucket per kind of match, each in list order: a stable sort in one pass.
    std::array<std::vector<int>, static_cast<size_t>(Match::None)> buckets;
    int i = 0;
    for (const auto &item : items) {
        const Match match = matchOf(folded, findableOf(item));
        if (match != Match::None)
            buckets[static_cast<size_t>(match)].push_back(i);
        ++i;
    }
    std::vector<int> ranked;
    for (auto &bucket : buckets) {
        preferWithin(bucket, preference);
        ranked.insert(ranked.end(), bucket.begin(), bucket.end());
    }
    return ranked;
}

// The matches best first, or, when nothing matches at all, the items close
// to what was typed (in list order), said so by `close`.
struct Matches {
    std::vector<int> rows;
    bool close = false;
};
Matches matchesOrClose(const QString &typed, const std::vector<Findable> &items,
                       const Preference &preference = {});

} // namespace shortcuts
