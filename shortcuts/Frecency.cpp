#include "shortcuts/Frecency.h"

#include <QSet>
#include <algorithm>
#include <cmath>

namespace shortcuts {

double decayedScore(const Opened &opened, qint64 now)
{
    if (now <= opened.at)
        return opened.score;
    return opened.score * std::exp2(-double(now - opened.at) / kFrecencyHalfLife);
}

Opened openedOnce(const Opened &opened, qint64 now)
{
    return {decayedScore(opened, now) + 1, std::max(now, opened.at)};
}

Frecency::Frecency(platform::OpenedStore &store, Clock clock) : m_store(store), m_clock(std::move(clock)) {}

void Frecency::load() const
{
    if (std::exchange(m_loaded, true))
        return;
    for (const platform::OpenedRecord &record : m_store.read())
        m_opened.insert(record.target, {record.score, record.at});
}

double Frecency::score(const QString &target) const
{
    load();
    const auto found = m_opened.constFind(target);
    return found == m_opened.constEnd() ? 0 : decayedScore(*found, m_clock());
}

void Frecency::opened(const QString &target, const std::vector<Shortcut> &listed)
{
    load();
    const qint64 now = m_clock();
    m_opened[target] = openedOnce(m_opened.value(target), now);
    // Targets gone from the list are dropped; the store keeps the highest
    // scores when there are more than it holds.
    QSet<QString> kept;
    for (const Shortcut &shortcut : listed)
        kept.insert(shortcut.target);
    std::vector<platform::OpenedRecord> records;
    for (auto it = m_opened.begin(); it != m_opened.end();) {
        if (it.key() != target && !kept.contains(it.key())) {
            it = m_opened.erase(it);
            continue;
        }
        records.push_back({it.key(), it->score, it->at});
        ++it;
    }
    std::sort(records.begin(), records.end(), [now](const auto &a, const auto &b) {
        const double x = decayedScore({a.score, a.at}, now), y = decayedScore({b.score, b.at}, now);
        return x != y ? x > y : a.target < b.target;
    });
    m_store.write(records);
}

} // namespace shortcuts
