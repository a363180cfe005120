// Named groups of shortcuts in the model, and the filter that shows one of them.
#include <QSignalSpy>

#include "shortcuts/GroupFilter.h"
#include "support/ShortcutFixture.h"

using namespace testing_support;
using shortcuts::GroupFilter;

namespace {

const QString kWork = QStringLiteral("Work");
const QString kHome = QStringLiteral("Home");

class GroupsTest : public ShortcutFixture {
protected:
    GroupFilter filter{model};

    // Shortcuts named after their targets, each in the group given.
    void stored(const std::vector<std::pair<const char *, QString>> &entries)
    {
        std::vector<shortcuts::Shortcut> out;
        for (const auto &[target, group] : entries) {
            auto shortcut = shortcuts::makeShortcut(QStringLiteral("/x/") + QLatin1String(target));
            ASSERT_TRUE(shortcut);
            shortcut->group = group;
            shortcut->left = 10;
            shortcut->top = 20;
            out.push_back(*shortcut);
        }
        model.addStored(std::move(out));
    }
    // The captions the filter shows, in its order.
    QStringList shown() const
    {
        QStringList out;
        for (int row = 0; row < filter.rowCount(); ++row)
            out << filter.index(row, 0).data(Qt::DisplayRole).toString();
        return out;
    }
};

TEST_F(GroupsTest, ANameIsRefusedWhenBlankOrTakenInAnyCase)
{
    model.setGroups({QString(), kWork});
    const std::optional<QString> adding;
    const struct {
        QString name;
        std::optional<QString> renaming;
        bool refused;
    } cases[] = {
        {QString(), adding, true},
        {QStringLiteral("  \t "), adding, true},
        {QStringLiteral("work"), adding, true},
        {QStringLiteral("  WORK "), adding, true},
        // The unnamed group is taken by the title it shows.
        {QStringLiteral("Shortcuts"), adding, true},
        {QStringLiteral("shortcuts"), kWork, true},
        {kHome, adding, false},
        // A group may keep its name, or change its case.
        {QStringLiteral("work"), kWork, false},
        {QStringLiteral("Shortcuts"), QString(), false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name.toStdString() + " renaming " + c.renaming.value_or(QStringLiteral("-")).toStdString());
        const QString problem = c.renaming ? model.groupNameProblem(c.name, *c.renaming) : model.groupNameProblem(c.name);
        EXPECT_EQ(!problem.isEmpty(), c.refused);
        if (!c.renaming)
            EXPECT_EQ(model.addGroup(c.name), !c.refused);
    }
    EXPECT_EQ(model.groups(), (QStringList{QString(), kWork, kHome}));
    // Nothing is added twice, and names are kept without their blanks.
    EXPECT_FALSE(model.addGroup(QStringLiteral(" home ")));
    EXPECT_TRUE(model.addGroup(QStringLiteral(" Garden ")));
    EXPECT_EQ(model.groups().last(), QStringLiteral("Garden"));
    EXPECT_FALSE(model.renameGroup(kWork, QStringLiteral("garden")));
    EXPECT_FALSE(model.renameGroup(QStringLiteral("Nowhere"), QStringLiteral("Fresh")));
}

TEST_F(GroupsTest, RenamingTakesTheShortcutsAlongAndTheFilterKeepsShowingThem)
{
    stored({{"a", QString()}, {"b", kWork}, {"c", kWork}});
    filter.setGroup(kWork);
    model.setAddingGroup(kWork);
    QSignalSpy removed(&filter, &QAbstractItemModel::rowsRemoved);
    QSignalSpy reset(&filter, &QAbstractItemModel::modelReset);

    ASSERT_TRUE(model.renameGroup(kWork, QStringLiteral(" Office ")));
    EXPECT_EQ(model.groups(), (QStringList{QString(), QStringLiteral("Office")}));
    EXPECT_EQ(model.at(1).group, QStringLiteral("Office"));
    EXPECT_EQ(model.at(2).group, QStringLiteral("Office"));
    EXPECT_EQ(filter.group(), QStringLiteral("Office"));
    EXPECT_EQ(shown(), (QStringList{QStringLiteral("b"), QStringLiteral("c")}));
    EXPECT_EQ(removed.count(), 0);
    EXPECT_EQ(reset.count(), 0);
    // What is added next goes to the group under its new name.
    ASSERT_TRUE(add(QStringLiteral("/x/d")));
    EXPECT_EQ(model.at(3).group, QStringLiteral("Office"));
    EXPECT_EQ(shown().size(), 3);

    // The first group renamed: its shortcuts go along too.
    ASSERT_TRUE(model.renameGroup(QString(), QStringLiteral("Everything")));
    EXPECT_EQ(model.at(0).group, QStringLiteral("Everything"));
    EXPECT_EQ(shortcuts::groupTitle(model.groups().first()), QStringLiteral("Everything"));
}

TEST_F(GroupsTest, RemovingAGroupHandsItsShortcutsToTheHeir)
{
    stored({{"a", QString()}, {"b", kWork}, {"c", kHome}, {"d", kWork}});
    model.setGroups({QString(), kWork, kHome});
    model.setAddingGroup(kWork);
    const struct {
        QString name, heir;
        bool done;
    } refused[] = {
        {kWork, kWork, false},
        {QStringLiteral("Nowhere"), kHome, false},
        {kWork, QStringLiteral("Nowhere"), false},
    };
    for (const auto &c : refused)
        EXPECT_EQ(model.removeGroup(c.name, c.heir), c.done) << c.name.toStdString() << " -> " << c.heir.toStdString();
    EXPECT_EQ(model.groups().size(), 3);

    ASSERT_TRUE(model.removeGroup(kWork, kHome));
    EXPECT_EQ(model.groups(), (QStringList{QString(), kHome}));
    EXPECT_EQ(model.at(1).group, kHome);
    EXPECT_EQ(model.at(3).group, kHome);
    // Its place was among another group's icons; the heir's own kept theirs.
    EXPECT_FALSE(model.at(1).left);
    EXPECT_EQ(model.at(2).left, 10.0);
    ASSERT_TRUE(add(QStringLiteral("/x/e")));
    EXPECT_EQ(model.at(4).group, kHome);

    ASSERT_TRUE(model.removeGroup(QString(), kHome));
    EXPECT_FALSE(model.removeGroup(kHome, QString()));
    EXPECT_EQ(model.groups(), QStringList{kHome});
    for (const shortcuts::Shortcut &shortcut : model.shortcuts())
        EXPECT_EQ(shortcut.group, kHome);
}

TEST_F(GroupsTest, MovingToAGroupForgetsThePlaceAndTheFilterFollows)
{
    stored({{"a", QString()}, {"b", QString()}, {"c", kWork}});
    filter.setGroup(QString());
    ASSERT_EQ(shown(), (QStringList{QStringLiteral("a"), QStringLiteral("b")}));

    // Rows out of range, already there, or a group that is not: nothing.
    EXPECT_EQ(model.moveToGroup({-1, 7, 2}, kWork), 0);
    EXPECT_EQ(model.moveToGroup({0}, QStringLiteral("Nowhere")), 0);
    EXPECT_EQ(model.at(0).group, QString());

    EXPECT_EQ(model.moveToGroup({0}, kWork), 1);
    EXPECT_EQ(model.at(0).group, kWork);
    EXPECT_FALSE(model.at(0).left);
    EXPECT_FALSE(model.at(0).top);
    EXPECT_EQ(model.at(1).left, 10.0);
    EXPECT_EQ(shown(), QStringList{QStringLiteral("b")});
    EXPECT_EQ(filter.fromModel(0), -1);

    // And back: it joins the rows in the list's order.
    EXPECT_EQ(model.moveToGroup({0}, QString()), 1);
    EXPECT_EQ(shown(), (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
}

TEST_F(GroupsTest, AddedShortcutsGoToTheAddingGroupAndStoredOnesKeepTheirOwn)
{
    model.setGroups({QString(), kWork});
    model.setAddingGroup(kWork);
    ASSERT_TRUE(add(QStringLiteral("/x/a")));
    EXPECT_EQ(model.at(0).group, kWork);

    stored({{"b", kHome}, {"c", QString()}, {"d", QStringLiteral("Garden")}, {"e", kHome}});
    EXPECT_EQ(model.groups(), (QStringList{QString(), kWork, kHome, QStringLiteral("Garden")}));
    EXPECT_EQ(model.at(1).group, kHome);
    EXPECT_EQ(model.at(2).group, QString());
    EXPECT_EQ(model.at(3).group, QStringLiteral("Garden"));
    EXPECT_EQ(model.at(1).left, 10.0);

    // A group set that forgets one in use keeps it, at the end.
    model.setGroups({kHome});
    EXPECT_EQ(model.groups(), (QStringList{kHome, kWork, QString(), QStringLiteral("Garden")}));
    EXPECT_TRUE(model.moveGroup(3, 0));
    EXPECT_EQ(model.groups().first(), QStringLiteral("Garden"));
    EXPECT_FALSE(model.moveGroup(0, 4));
    EXPECT_FALSE(model.moveGroup(-1, 0));
}

TEST_F(GroupsTest, TheFilterMapsItsRowsToTheModelsAndBack)
{
    // Model rows:   0 a   1 b   2 c   3 d   4 e
    stored({{"a", kWork}, {"b", kHome}, {"c", kWork}, {"d", kHome}, {"e", kWork}});
    filter.setGroup(kWork);
    ASSERT_EQ(shown(), (QStringList{QStringLiteral("a"), QStringLiteral("c"), QStringLiteral("e")}));
    const int rows[][2] = {{0, 0}, {1, 2}, {2, 4}};
    for (const auto &[row, modelRow] : rows) {
        EXPECT_EQ(filter.toModel(row), modelRow);
        EXPECT_EQ(filter.fromModel(modelRow), row);
    }
    EXPECT_EQ(filter.toModel(3), -1);
    EXPECT_EQ(filter.toModel(-1), -1);
    EXPECT_EQ(filter.fromModel(1), -1);
    EXPECT_EQ(filter.fromModel(5), -1);
    EXPECT_EQ(filter.toModel(std::vector<int>{2, 9, 0}), (std::vector<int>{4, 0}));

    // Shown as e, a, c: the group's slots take them in that order, the
    // other group's shortcuts stay where they are.
    const struct {
        std::vector<int> order;
        std::vector<int> model;
    } orders[] = {
        {{2, 0, 1}, {4, 1, 0, 3, 2}},
        {{0, 1, 2}, {0, 1, 2, 3, 4}},
        {{1, 0, 2}, {2, 1, 0, 3, 4}},
        {{0, 1}, {}},
        {{}, {}},
    };
    for (const auto &c : orders)
        EXPECT_EQ(filter.modelOrder(c.order), c.model);
    ASSERT_TRUE(model.reorder(filter.modelOrder({2, 0, 1})));
    EXPECT_EQ(shown(), (QStringList{QStringLiteral("e"), QStringLiteral("a"), QStringLiteral("c")}));
    EXPECT_EQ(model.at(1).caption, QStringLiteral("b"));
    EXPECT_EQ(model.at(3).caption, QStringLiteral("d"));

    filter.setGroup(kHome);
    EXPECT_EQ(shown(), (QStringList{QStringLiteral("b"), QStringLiteral("d")}));
}

} // namespace
