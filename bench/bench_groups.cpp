// Groups at 10 000 shortcuts spread over 20 groups: showing another group
// until its items are laid out and painted, and one key typed (finding
// across every group) until the list has painted. Placed by hand (each
// group's own places) and arranged automatically.
#include <QAbstractItemView>
#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "Data.h"
#include "platform/icons/IconLookup.h"
#include "platform/widgets/ListView.h"
#include "shortcuts/Finder.h"
#include "shortcuts/ShortcutList.h"
#include "shortcuts/ShortcutModel.h"

namespace {

constexpr int kGroups = 20;

// `count` shortcuts, shortcut i in group i % kGroups with its own place
// there, in a list view sized like the window, shown offscreen.
struct Grouped {
    QTemporaryDir dir;
    platform::IconLookup lookup;
    shortcuts::Icons icons{lookup};
    shortcuts::ShortcutModel model{icons};
    platform::ListView view;
    shortcuts::ShortcutList list{model, view};
    shortcuts::Finder finder{list};
    QStringList names;
    Grouped(int count, int arrange)
    {
        for (int g = 0; g < kGroups; ++g)
            names << QStringLiteral("group %1").arg(g);
        model.setGroups(names);
        std::vector<shortcuts::Shortcut> stored;
        const QStringList targets = bench::makeTargets(dir.filePath(QStringLiteral("files")), count);
        for (int i = 0; i < count; ++i) {
            const int j = i / kGroups; // its place within its group
            shortcuts::Shortcut s;
            s.target = targets[i];
            s.caption = targets[i].section(QLatin1Char('/'), -1);
            s.left = (j % 4) * 1200;
            s.top = (j / 4) * 1050;
            s.group = names[i % kGroups];
            stored.push_back(std::move(s));
        }
        model.addStored(std::move(stored));
        view.resize(346, 232);
        view.setArrange(arrange);
        list.showGroup(names[0]);
        view.show();
        settle();
    }
    // The view's pending layout done now, then its paint.
    void settle()
    {
        static_cast<QAbstractItemView &>(view).doItemsLayout();
        QApplication::processEvents();
    }
};

// Showing the next group, until its items are laid out and painted.
void SwitchGroup(benchmark::State &state)
{
    Grouped grouped(int(state.range(0)), int(state.range(1)));
    int next = 1;
    for (auto _ : state) {
        grouped.list.showGroup(grouped.names[next]);
        grouped.settle();
        next = (next + 1) % kGroups;
    }
    if (grouped.view.count() != int(state.range(0)) / kGroups)
        state.SkipWithError("the view does not show one group");
}
BENCHMARK(SwitchGroup)->Args({10000, 0})->Args({10000, 1})->Unit(benchmark::kMillisecond);

// One key ("file" to "file1") typed while a group is shown, finding across
// every group, until the list has painted; each round takes it back (not
// timed) first, as the keystroke benchmarks do.
void GroupKeystroke(benchmark::State &state)
{
    Grouped grouped(int(state.range(0)), int(state.range(1)));
    grouped.finder.type(QStringLiteral("file1"));
    grouped.settle();
    for (auto _ : state) {
        state.PauseTiming();
        grouped.finder.erase();
        grouped.settle();
        state.ResumeTiming();
        grouped.finder.type(QStringLiteral("1"));
        grouped.settle();
    }
    if (grouped.finder.text() != QStringLiteral("file1") || grouped.view.showsNoMatch())
        state.SkipWithError("the key found nothing");
}
BENCHMARK(GroupKeystroke)->Args({10000, 0})->Args({10000, 1})->Unit(benchmark::kMillisecond);

} // namespace
