#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "platform/xdg/OpenedStore.h"
#include "shortcuts/Shortcut.h"

namespace shortcuts {

// How often and how lately a target was opened, as one number: each opening
// adds 1, and the sum halves every four weeks. Among matches of the same kind
// (see Finding.h) the higher score comes first while typing.
inline constexpr double kFrecencyHalfLife = 28 * 24 * 3600.0;

struct Opened {
    double score = 0;
    qint64 at = 0; // when `score` was last brought up to date, seconds since the epoch
};

// The score decayed to `now`; a clock gone backwards decays nothing.
double decayedScore(const Opened &opened, qint64 now);
// The record after one more opening at `now`.
Opened openedOnce(const Opened &opened, qint64 now);

// The scores of one profile, read from its store at the first question (never
// at start-up) and written back after each opening.
class Frecency {
public:
    // Seconds since the epoch.
    using Clock = std::function<qint64()>;
    Frecency(platform::OpenedStore &store, Clock clock);

    // 0 for a target never opened.
    double score(const QString &target) const;
    // Notes an opening and writes the store, keeping only the targets still
    // `listed` (the opened one among them).
    void opened(const QString &target, const std::vector<Shortcut> &listed);

private:
    void load() const;

    platform::OpenedStore &m_store;
    Clock m_clock;
    mutable QHash<QString, Opened> m_opened;
    mutable bool m_loaded = false;
};

} // namespace shortcuts
