#pragma once

#include <QAbstractListModel>
#include <QPersistentModelIndex>
#include <vector>

namespace shortcuts {

class ShortcutModel;

// The shortcuts of the groups not shown that typing finds, best first: they
// follow the shown group's matches, each saying which group it lives in
// (under its caption, in its tooltip and to screen readers). Chosen, a row
// opens its shortcut; it is never dragged or renamed from here.
class OtherGroupMatches : public QAbstractListModel {
    Q_OBJECT
public:
    explicit OtherGroupMatches(ShortcutModel &model, QObject *parent = nullptr);

    // Rows of the model, best first; none ends them.
    void setMatches(const std::vector<int> &rows);
    // The model's row of row `row` here; -1 for none (or one gone meanwhile).
    int shortcutRow(int row) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QStringList mimeTypes() const override { return {}; }

private:
    ShortcutModel &m_model;
    std::vector<QPersistentModelIndex> m_rows;
};

} // namespace shortcuts
