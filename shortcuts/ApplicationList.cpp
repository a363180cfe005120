#include "shortcuts/ApplicationList.h"

#include <QCollator>
#include <QDir>
#include <QSet>
#include <algorithm>

namespace shortcuts {

ApplicationModel::ApplicationModel(Icons &icons, QObject *parent) : QAbstractListModel(parent), m_icons(icons) {}

void ApplicationModel::load(std::vector<platform::Application> applications, const QStringList &shortcutTargets,
                            const QLocale &locale)
{
    QSet<QString> added;
    for (const QString &target : shortcutTargets)
        added.insert(QDir::cleanPath(target));
    // Sort keys made once per name: comparing through the collator each time
    // would do its work again in every comparison.
    // The C locale's order puts every capital before every small letter,
    // which is no order anyone reads names in.
    QCollator collator(locale.language() == QLocale::C ? QLocale(QLocale::English) : locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    std::vector<std::pair<QCollatorSortKey, size_t>> order;
    order.reserve(applications.size());
    for (size_t i = 0; i < applications.size(); ++i)
        order.emplace_back(collator.sortKey(applications[i].name), i);
    std::stable_sort(order.begin(), order.end(),
                     [](const auto &a, const auto &b) { return a.first.compare(b.first) < 0; });
    beginResetModel();
    m_rows.clear();
    m_rows.reserve(applications.size());
    for (const auto &[key, i] : order) {
        platform::Application &application = applications[i];
        Findable folded = findable(application);
        const bool isAdded = added.contains(QDir::cleanPath(application.path));
        m_rows.push_back({std::move(application), std::move(folded), isAdded});
    }
    endResetModel();
}

std::vector<int> ApplicationModel::matches(const QString &typed) const
{
    return rankedMatches(typed, m_rows, [](const Row &row) -> const Findable & { return row.findable; });
}

int ApplicationModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : count(); }

QString ApplicationModel::detail(const Row &row) const
{
    if (row.added)
        //: Beside an application in the Add Applications window that is a shortcut already.
        return tr("(already added)");
    const platform::Application &app = row.application;
    return app.genericName.isEmpty() || app.genericName == app.name ? app.comment : app.genericName;
}

QVariant ApplicationModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= count())
        return {};
    const Row &row = m_rows[size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole: {
        const QString second = detail(row);
        return second.isEmpty() ? row.application.name : row.application.name + u'\n' + second;
    }
    case Qt::AccessibleTextRole:
        return row.application.name;
    case Qt::AccessibleDescriptionRole:
        return detail(row);
    case Qt::ToolTipRole:
        return row.application.comment.isEmpty() ? detail(row) : row.application.comment;
    case Qt::DecorationRole:
        // Looked up as rows are drawn: a list opened is not a theme read for every application.
        return m_icons.iconForKey(QStringLiteral("desktop:") + row.application.path);
    case Added:
        return row.added;
    case EntryPath:
        return row.application.path;
    default:
        return {};
    }
}

RankedApplications::RankedApplications(ApplicationModel &model, QObject *parent)
    : QSortFilterProxyModel(parent), m_model(model)
{
    setSourceModel(&model);
    setDynamicSortFilter(false);
    sort(0);
    connect(&model, &QAbstractItemModel::modelReset, this, [this] { setTyped(m_typed); });
}

void RankedApplications::setTyped(const QString &typed)
{
    m_typed = typed;
    m_place.clear();
    if (!typed.isEmpty()) {
        m_place.assign(size_t(m_model.count()), -1);
        const std::vector<int> ranked = m_model.matches(typed);
        for (size_t place = 0; place < ranked.size(); ++place)
            m_place[size_t(ranked[place])] = int(place);
    }
    invalidate();
}

bool RankedApplications::filterAcceptsRow(int sourceRow, const QModelIndex &) const
{
    return m_place.empty() || (size_t(sourceRow) < m_place.size() && m_place[size_t(sourceRow)] >= 0);
}

bool RankedApplications::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    if (m_place.empty())
        return left.row() < right.row();
    return m_place[size_t(left.row())] < m_place[size_t(right.row())];
}

} // namespace shortcuts
