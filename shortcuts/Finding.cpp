#include "shortcuts/Finding.h"

#include <QUrl>
#include <algorithm>

#include "platform/xdg/PathOps.h"
#include "shortcuts/ShortcutList.h"

namespace shortcuts {

namespace {

bool startsWord(const QString &text, qsizetype i)
{
    return i == 0 || !text[i - 1].isLetterOrNumber();
}

// Whether the words' initials, from some word on, spell `typed`: "mr" in
// "my report.txt".
bool initialsSpell(const QString &typed, const QString &caption)
{
    QString initials;
    for (qsizetype i = 0; i < caption.size(); ++i)
        if (caption[i].isLetterOrNumber() && startsWord(caption, i))
            initials += caption[i];
    return typed.size() > 1 && initials.contains(typed);
}

bool wordStarts(const QString &typed, const QString &caption)
{
    for (qsizetype at = caption.indexOf(typed); at >= 0; at = caption.indexOf(typed, at + 1))
        if (startsWord(caption, at))
            return true;
    return false;
}

bool inOrder(const QString &typed, const QString &text)
{
    qsizetype next = 0;
    for (const QChar c : typed) {
        next = text.indexOf(c, next);
        if (next < 0)
            return false;
        ++next;
    }
    return true;
}

// One word (or the whole text typed) against the item.
Match wordMatch(const QString &typed, const QString &caption, const QString &targetName, const QString &otherNames)
{
    if (typed.isEmpty())
        return Match::None;
    if (caption.startsWith(typed))
        return Match::CaptionStart;
    if (wordStarts(typed, caption) || initialsSpell(typed, caption))
        return Match::WordStart;
    if (caption.contains(typed))
        return Match::CaptionPart;
    if (!otherNames.isEmpty() && wordStarts(typed, otherNames))
        return Match::OtherWordStart;
    if (inOrder(typed, caption))
        return Match::InOrder;
    if (inOrder(typed, targetName))
        return Match::TargetOnly;
    return Match::None;
}

// Whether `word` is within one edit of the start of a word of `text`: of the
// part as long as the word, one letter shorter or one longer.
bool nearWordStart(const QString &word, const QString &text)
{
    const qsizetype n = word.size();
    const QStringView all(text);
    for (qsizetype at = 0; at < text.size(); ++at) {
        // Too little left for even one letter missing: no later start has more.
        if (text.size() - at < n - 1)
            return false;
        if (!text[at].isLetterOrNumber() || !startsWord(text, at))
            continue;
        for (const qsizetype length : {n - 1, n, n + 1})
            if (at + length <= text.size() && withinOneEdit(word, all.mid(at, length)))
                return true;
    }
    return false;
}

// Ligatures that neither decomposition nor case folding writes out, as the
// letters they are read as.
QString writtenOut(const QString &folded)
{
    QString out;
    out.reserve(folded.size() + 4);
    for (const QChar c : folded) {
        switch (c.unicode()) {
        case 0x0153: // œ
            out += QLatin1String("oe");
            break;
        case 0x00E6: // æ
            out += QLatin1String("ae");
            break;
        case 0x00DF: // ß
        case 0x1E9E: // ẞ
            out += QLatin1String("ss");
            break;
        default:
            out += c;
        }
    }
    return out;
}

} // namespace

bool withinOneEdit(QStringView a, QStringView b)
{
    if (a.size() < b.size())
        std::swap(a, b);
    if (a.size() - b.size() > 1)
        return false;
    qsizetype i = 0;
    while (i < b.size() && a[i] == b[i])
        ++i;
    if (i == b.size())
        return true; // the same, or `a` has one letter more at the end
    if (a.size() > b.size())
        return a.mid(i + 1) == b.mid(i); // one letter more in `a`
    if (a.mid(i + 1) == b.mid(i + 1))
        return true; // one wrong letter
    // Two neighbours swapped.
    return i + 1 < a.size() && a[i] == b[i + 1] && a[i + 1] == b[i] && a.mid(i + 2) == b.mid(i + 2);
}

Typed typedForFinding(const QString &text)
{
    Typed typed;
    typed.whole = foldedForFinding(text).simplified();
    typed.words = typed.whole.split(u' ', Qt::SkipEmptyParts);
    return typed;
}

QString foldedForFinding(const QString &text)
{
    // Plain ASCII, by far the usual caption, needs no decomposition.
    bool ascii = true;
    for (const QChar c : text)
        ascii = ascii && c.unicode() < 0x80;
    if (ascii)
        return text.toLower();
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString folded;
    folded.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        // Accents and the invisible marks between letters are left out.
        const auto category = c.category();
        if (category == QChar::Mark_NonSpacing || category == QChar::Mark_Enclosing || category == QChar::Other_Format)
            continue;
        folded += c;
    }
    return writtenOut(folded.toCaseFolded());
}

QString findableTargetName(const QString &target)
{
    if (isWebAddress(target)) {
        const QUrl url = QUrl::fromUserInput(target);
        if (!url.host().isEmpty())
            return url.host();
        return target;
    }
    return platform::PathOps::GetFileName(target);
}

Match matchOf(const QString &typed, const QString &caption, const QString &targetName, const QString &otherNames)
{
    Typed words;
    words.whole = typed.simplified();
    words.words = words.whole.split(u' ', Qt::SkipEmptyParts);
    return matchOf(words, Findable{caption, targetName, otherNames});
}

Match matchOf(const Typed &typed, const Findable &item)
{
    if (typed.words.size() <= 1)
        return wordMatch(typed.whole, item.caption, item.targetName, item.otherNames);
    Match weakest = Match::CaptionStart;
    for (const QString &word : typed.words) {
        weakest = std::max(weakest, wordMatch(word, item.caption, item.targetName, item.otherNames));
        if (weakest == Match::None)
            return Match::None;
    }
    // The words as typed, in their order and with their blanks, may say more.
    return std::min(weakest, wordMatch(typed.whole, item.caption, item.targetName, item.otherNames));
}

bool closeTo(const Typed &typed, const Findable &item)
{
    bool slipped = false;
    for (const QString &word : typed.words) {
        if (wordMatch(word, item.caption, item.targetName, item.otherNames) != Match::None)
            continue;
        if (word.size() < kCloseMinLength
            || !(nearWordStart(word, item.caption) || nearWordStart(word, item.targetName)))
            return false;
        slipped = true;
    }
    return slipped;
}

Findable findable(const QString &caption, const QString &target)
{
    return {foldedForFinding(caption), foldedForFinding(findableTargetName(target))};
}

Findable findable(const platform::Application &application)
{
    QString others;
    for (const QString &name : QStringList{application.genericName} + application.keywords)
        if (!name.isEmpty())
            others += foldedForFinding(name) + u'\n';
    return {foldedForFinding(application.name), foldedForFinding(application.program), others};
}

void preferWithin(std::vector<int> &rows, const Preference &preference)
{
    if (!preference || rows.size() < 2)
        return;
    // Each asked once; a stable sort keeps ties in list order.
    std::vector<std::pair<double, int>> wanted;
    wanted.reserve(rows.size());
    for (int row : rows)
        wanted.emplace_back(preference(row), row);
    std::stable_sort(wanted.begin(), wanted.end(),
                     [](const auto &a, const auto &b) { return a.first > b.first; });
    for (size_t i = 0; i < rows.size(); ++i)
        rows[i] = wanted[i].second;
}

std::vector<int> rankedMatches(const QString &typed, const std::vector<Findable> &items,
                               const Preference &preference)
{
    return rankedMatches(typed, items, [](const Findable &f) -> const Findable & { return f; }, preference);
}

Matches matchesOrClose(const QString &typed, const std::vector<Findable> &items, const Preference &preference)
{
    Matches found{rankedMatches(typed, items, preference)};
    if (!found.rows.empty())
        return found;
    // Only when nothing matches: a slip is never ranked above a real match.
    const Typed words = typedForFinding(typed);
    if (std::none_of(words.words.begin(), words.words.end(),
                     [](const QString &word) { return word.size() >= kCloseMinLength; }))
        return found;
    for (size_t i = 0; i < items.size(); ++i)
        if (closeTo(words, items[i]))
            found.rows.push_back(int(i));
    preferWithin(found.rows, preference);
    found.close = !found.rows.empty();
    return found;
}

} // namespace shortcuts
