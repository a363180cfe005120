#include "shortcuts/Finding.h"

#include <QUrl>

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

} // namespace

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
    return folded.toCaseFolded();
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

std::vector<int> rankedMatches(const QString &typed, const std::vector<Findable> &items)
{
    return rankedMatches(typed, items, [](const Findable &f) -> const Findable & { return f; });
}

} // namespace shortcuts
