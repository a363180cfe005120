#include "shortcuts/Finder.h"

namespace shortcuts {

Finder::Finder(ShortcutList &list, OfferedApplications *offers, QObject *parent)
    : QObject(parent), m_list(list), m_offers(offers), m_otherGroups(list.model)
{
    platform::ListView &view = list.view;
    m_offered.addSourceModel(&m_otherGroups);
    view.setOffers(&m_offered);
    m_offersShownIn = &view;
    if (offers) {
        m_offered.addSourceModel(offers);
        // An index read meanwhile may offer others for the same text.
        connect(offers, &OfferedApplications::indexRead, this, [this] {
            if (!m_text.isEmpty())
                apply();
        });
    }
    connect(&view, &platform::ListView::TextTyped, this, &Finder::type);
    connect(&view, &platform::ListView::BackspaceTyped, this, &Finder::erase);
    connect(&view, &platform::ListView::EscapeTyped, this, [this] {
        if (m_text.isEmpty())
            emit dismissed();
        else
            clear();
    });
    // Captions and targets read again after the shortcuts changed.
    const auto stale = [this] { m_stale = true; };
    connect(&list.model, &QAbstractItemModel::rowsInserted, this, stale);
    connect(&list.model, &QAbstractItemModel::rowsRemoved, this, stale);
    connect(&list.model, &QAbstractItemModel::modelReset, this, stale);
    connect(&list.model, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex &, const QModelIndex &, const QList<int> &roles) {
                if (roles.isEmpty() || roles.contains(Qt::DisplayRole))
                    m_stale = true;
            });
    connect(&view, &platform::ListView::FilterEnded, this, [this] {
        m_text.clear();
        m_otherGroups.setMatches({});
        if (m_offers)
            m_offers->setTyped(QString());
        m_close = false;
    });
    // A screen reader hears how many match, or that only close ones are shown.
    view.setMatchText([this](int matching, int count) {
        if (!m_close)
            return matchText(matching, count);
        //: Read out when nothing matches what was typed and the list shows shortcuts one typing slip away.
        return matching == 1 ? tr("No exact match; 1 close match")
                             //: Read out when nothing matches what was typed and the list shows (%n)
                             //: shortcuts one typing slip away.
                             : tr("No exact match; %n close matches", nullptr, matching);
    });
}

Finder::~Finder()
{
    // The offers may go before the view.
    if (m_offersShownIn)
        m_offersShownIn->setOffers(nullptr);
}

void Finder::type(const QString &more)
{
    m_text += more;
    apply();
}

void Finder::erase()
{
    if (m_text.isEmpty())
        return;
    m_text.chop(1);
    if (!m_text.isEmpty() && m_text.back().isLowSurrogate())
        m_text.chop(1);
    if (m_text.isEmpty())
        clear();
    else
        apply();
}

int Finder::offeredShortcut(int offer) const { return m_otherGroups.shortcutRow(offer); }

int Finder::offeredApplication(int offer) const
{
    const int row = offer - m_otherGroups.rowCount();
    return offer >= 0 && m_offers && row >= 0 && row < m_offers->rowCount() ? row : -1;
}

void Finder::clear()
{
    m_text.clear();
    m_otherGroups.setMatches({});
    if (m_offers)
        m_offers->setTyped(QString());
    m_close = false;
    m_list.view.setFilterText(QString());
    m_list.view.showAll();
}

void Finder::apply()
{
    if (m_stale || m_findable.size() != size_t(m_list.count())) {
        m_findable.clear();
        m_findable.reserve(size_t(m_list.count()));
        // The caption as the list shows it, without the breaks it draws.
        for (const Shortcut &shortcut : m_list.model.shortcuts())
            m_findable.push_back(findable(platform::shownCaption(shortcut.caption), shortcut.target));
        m_stale = false;
    }
    // Offered before the matches are shown, so the view selects among both.
    if (m_offers)
        m_offers->setTyped(m_text);
    Preference preference;
    if (m_frecency)
        preference = [this](int row) { return m_frecency->score(m_list.model.at(row).target); };
    Matches matches = matchesOrClose(m_text, m_findable, preference);
    // An application that matches is a real match: no shortcut a slip away
    // stands above it (nor is opened by Enter in its place).
    if (matches.close && m_offers && m_offers->rowCount() > 0)
        matches = {};
    m_close = matches.close;
    // The shown group's matches in the list; the others' after them.
    std::vector<int> shown, elsewhere;
    for (int row : matches.rows) {
        const int shownRow = m_list.shown.fromModel(row);
        if (shownRow >= 0)
            shown.push_back(shownRow);
        else if (elsewhere.size() < kMostFromOtherGroups)
            elsewhere.push_back(row);
    }
    m_otherGroups.setMatches(elsewhere);
    m_list.view.setFilterText(m_close ?
                                        //: The filter line when only captions one typing slip away from
                                        //: what was typed (%1) are shown.
                                        tr("%1 \u2014 no exact match; close matches:").arg(m_text)
                                      : m_text);
    if (matches.rows.empty())
        //: Shown in the list when typing finds nothing; %1 is what was typed.
        m_list.view.setNoMatchText(tr("No shortcut matches \u201C%1\u201D").arg(m_text));
    else if (shown.empty())
        //: Shown in the list when typing finds shortcuts of other groups only; %1 is what was typed.
        m_list.view.setNoMatchText(tr("No shortcut of this group matches \u201C%1\u201D; other groups' "
                                      "matches are listed.")
                                       .arg(m_text));
    m_list.view.showMatches(shown);
}

} // namespace shortcuts
