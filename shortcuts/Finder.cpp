#include "shortcuts/Finder.h"

namespace shortcuts {

Finder::Finder(ShortcutList &list, QObject *parent) : QObject(parent), m_list(list)
{
    platform::ListView &view = list.lstButtons;
    connect(&view, &platform::ListView::TextTyped, this, &Finder::type);
    connect(&view, &platform::ListView::BackspaceTyped, this, &Finder::erase);
    connect(&view, &platform::ListView::EscapeTyped, this, [this] {
        if (m_text.isEmpty())
            emit dismissed();
        else
            clear();
    });
    connect(&view, &platform::ListView::ItemsChanged, this, [this] { m_stale = true; });
    connect(&view, &platform::ListView::FilterEnded, this, [this] { m_text.clear(); });
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

void Finder::clear()
{
    m_text.clear();
    m_list.lstButtons.setFilterText(QString());
    m_list.lstButtons.showAll();
}

void Finder::apply()
{
    if (m_stale || m_findable.size() != size_t(m_list.count())) {
        m_findable.clear();
        m_findable.reserve(size_t(m_list.count()));
        // The caption as the list shows it, without the breaks it draws.
        for (int i = 1; i <= m_list.count(); ++i)
            m_findable.push_back(
                findable(platform::shownCaption(m_list.lstButtons.Text(i)), m_list.lstPrograms.List(i - 1)));
        m_stale = false;
    }
    m_list.lstButtons.setFilterText(m_text);
    m_list.lstButtons.showMatches(rankedMatches(m_text, m_findable));
}

} // namespace shortcuts
