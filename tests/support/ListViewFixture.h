#pragma once

#include <QPixmap>
#include <QStandardItemModel>
#include <gtest/gtest.h>

#include "platform/widgets/ItemRoles.h"
#include "platform/widgets/ListView.h"

namespace testing_support {

// A list view 400 x 300 pixels over a plain model of items (nothing of the
// program's own), with eight pictures to give them.
class ListViewTest : public ::testing::Test {
protected:
    std::vector<QIcon> pictures;
    QStandardItemModel items;
    platform::ListView view;

    void SetUp() override
    {
        view.setItems(&items);
        view.resize(400, 300);
        for (int n = 0; n < 8; ++n) {
            QPixmap pixmap(32, 32);
            pixmap.fill(QColor::fromHsv(n * 40, 255, 255));
            pictures.push_back(QIcon(pixmap));
        }
    }
    // Appends an item showing picture n (from 1).
    static void addTo(QStandardItemModel &model, const QString &caption, const QIcon &icon)
    {
        auto *item = new QStandardItem(icon, caption);
        item->setFlags(item->flags() & ~Qt::ItemIsDropEnabled);
        model.appendRow(item);
    }
    void add(const QString &caption, int picture) { addTo(items, caption, pictures[size_t(picture - 1) % 8]); }
    // Puts item `row` at its own place, in twips, either coordinate alone.
    static void place(QStandardItemModel &model, int row, std::optional<double> left, std::optional<double> top)
    {
        if (left)
            model.setData(model.index(row, 0), *left, platform::ItemRole::Left);
        if (top)
            model.setData(model.index(row, 0), *top, platform::ItemRole::Top);
    }
    void place(int row, std::optional<double> left, std::optional<double> top) { place(items, row, left, top); }
    QString text(int row) const { return items.index(row, 0).data(Qt::EditRole).toString(); }
    QRect itemRect(int row) { return view.visualRect(view.indexOf(row)); }
};

} // namespace testing_support
