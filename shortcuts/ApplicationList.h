#pragma once

#include <QAbstractListModel>
#include <QLocale>
#include <QSortFilterProxyModel>
#include <QStringList>
#include <vector>

#include "platform/xdg/Applications.h"
#include "shortcuts/Finding.h"
#include "shortcuts/Icons.h"

namespace shortcuts {

// The installed applications as a list to choose from: one row per
// application, sorted by name in the user's locale. Each row shows the
// entry's icon and name over its generic name or comment, or, for one that
// is a shortcut already, says so; screen readers get the name, and the rest
// as the description.
class ApplicationModel : public QAbstractListModel {
    Q_OBJECT
public:
    enum Role : int {
        Added = Qt::UserRole + 100, // a bool: a shortcut to its entry is in the list
        EntryPath,                  // the desktop entry's file
    };

    explicit ApplicationModel(Icons &icons, QObject *parent = nullptr);

    // Takes the applications in place of those it had, sorted by name as
    // `locale` sorts; those whose entry is among `shortcutTargets` are marked
    // as added.
    void load(std::vector<platform::Application> applications, const QStringList &shortcutTargets,
              const QLocale &locale = QLocale());
    int count() const { return int(m_rows.size()); }
    const platform::Application &at(int row) const { return m_rows[size_t(row)].application; }
    // The rows that match `typed`, best first, as the main window's typing ranks shortcuts.
    std::vector<int> matches(const QString &typed) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

private:
    struct Row {
        platform::Application application;
        Findable findable;
        bool added;
    };
    // The second line: the generic name, else the comment; or that it is added.
    QString detail(const Row &row) const;

    Icons &m_icons;
    std::vector<Row> m_rows;
};

// The rows of an ApplicationModel as shown: all of them in the model's order,
// or, while a text is typed, only its matches, best first. A view keeps what
// is selected among the rows that stay.
class RankedApplications : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit RankedApplications(ApplicationModel &model, QObject *parent = nullptr);
    // Ranks and shows the matches of `typed`; all rows for an empty text.
    void setTyped(const QString &typed);
    const QString &typed() const { return m_typed; }

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;

private:
    ApplicationModel &m_model;
    QString m_typed;
    // Each source row's place among the matches, -1 where it does not match;
    // empty while nothing is typed.
    std::vector<int> m_place;
};

} // namespace shortcuts
