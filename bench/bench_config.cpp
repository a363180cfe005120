// The in-process costs that grow with the list: loading and saving the
// profile, a drop onto the main window, adding the same file again and again,
// deleting one shortcut, switching the view. scripts/bench.sh builds and runs
// it; alone: QT_QPA_PLATFORM=offscreen build-bench/bench/tessaflow_bench
#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>
#include <benchmark/benchmark.h>
#include <memory>

#include "BenchServices.h"
#include "Data.h"
#include "app/Resources.h"
#include "ui/MainWindow.h"
#include "config/Config.h"
#include "platform/widgets/Dialogs.h"
#include "platform/process/Opener.h"
#include "platform/tray/Tray.h"
#include "shortcuts/ShortcutList.h"
#include "shortcuts/ShortcutModel.h"

namespace {

// The shortcuts and the list of a freshly started window.
struct Controls {
    shortcuts::ShortcutModel model;
    platform::ListView view;
    shortcuts::ShortcutList list{model, view};
    explicit Controls(shortcuts::Icons &icons) : model(icons)
    {
        view.resize(346, 232);
    }
};

// A profile of `count` real files, folders and web addresses, made once per size.
struct Profile {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("tsw.ini"));
    explicit Profile(int count)
    {
        bench::writeProfile(path, bench::makeTargets(dir.filePath(QStringLiteral("files")), count));
    }
};

// Such a profile and what loading it needs.
struct Loading {
    Profile profile;
    config::IniFile ini{profile.path};
    platform::IconLookup lookup;
    shortcuts::Icons icons{lookup};
    bench::Frame frame;
    explicit Loading(int count) : profile(count) {}
    std::unique_ptr<Controls> load()
    {
        auto controls = std::make_unique<Controls>(icons);
        // As the window loads it.
        config::ListLook look{controls->view.Arrange(), controls->view.View()};
        std::vector<shortcuts::Shortcut> loaded;
        config::Load_Config(ini, frame, look, loaded, controls->list.unshown);
        controls->view.setArrange(look.arrange);
        controls->view.setView(look.view);
        controls->model.add(std::move(loaded));
        return controls;
    }
};

void LoadProfile(benchmark::State &state)
{
    Loading loading(int(state.range(0)));
    for (auto _ : state) {
        auto controls = loading.load();
        controls->view.show();
        QApplication::processEvents(); // the first layout, with every position put back
        benchmark::DoNotOptimize(controls->view.count());
        state.PauseTiming(); // closing the window is no part of the start
        controls.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(LoadProfile)->Arg(21)->Arg(1000)->Arg(4000)->Arg(10000)->Unit(benchmark::kMillisecond);

void SaveProfile(benchmark::State &state)
{
    Loading loading(int(state.range(0)));
    const auto controls = loading.load();
    for (auto _ : state)
        benchmark::DoNotOptimize(config::Save_Config(
            loading.ini, loading.frame, {controls->view.Arrange(), controls->view.View()}, controls->model.shortcuts(),
            [&](int row) { return controls->view.placeOf(row); }, controls->list.unshown));
}
BENCHMARK(SaveProfile)->Arg(21)->Arg(1000)->Arg(4000)->Arg(10000)->Unit(benchmark::kMillisecond);

// The main window as app/main.cpp makes it, on an empty profile.
struct Window {
    platform::IconLookup &icons;
    platform::SystemTray tray;
    platform::WidgetDialogs dialogs;
    platform::DetachedSpawner spawner;
    platform::DesktopOpener opener{spawner, platform::notifyThrough(dialogs)};
    bench::SessionServices session;
    std::unique_ptr<ui::MainWindow> window;
    Window(platform::IconLookup &lookup, const QString &profile) : icons(lookup)
    {
        QFile::remove(profile);
        window = std::make_unique<ui::MainWindow>(
            profile, ui::Services{tray, dialogs, icons, opener, session.clipboard, session.fileChooser,
                                   session.autostart, session.globalKey, session.activation,
                                   session.monitors});
        dialogs.setParent(window.get());
        window->start();
        QApplication::processEvents();
    }
};

// Files dropped from a file manager onto the list: the shortcuts are added,
// saved, laid out and painted.
void DropFiles(benchmark::State &state)
{
    QTemporaryDir dir;
    QList<QUrl> urls; // files and folders only: a file manager drops no web addresses
    for (int i = 0; urls.size() < state.range(0); ++i)
        if (const QString target = bench::makeTarget(dir.filePath(QStringLiteral("files")), i);
            !target.contains(QLatin1String("://")))
            urls << QUrl::fromLocalFile(target);
    platform::IconLookup lookup;
    const QString profile = dir.filePath(QStringLiteral("tsw.ini"));
    for (auto _ : state) {
        state.PauseTiming();
        Window w(lookup, profile);
        QWidget *viewport = w.window->lstButtons().viewport();
        QMimeData data;
        data.setUrls(urls);
        const QPoint at = viewport->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        state.ResumeTiming();
        QApplication::sendEvent(viewport, &enter);
        QApplication::sendEvent(viewport, &move);
        QApplication::sendEvent(viewport, &drop);
        QApplication::processEvents();
        state.PauseTiming();
        const bool all = w.window->lstButtons().count() == urls.size();
        w.window.reset();
        if (!all) {
            state.SkipWithError("not every file was added");
            break;
        }
        state.ResumeTiming();
    }
}
BENCHMARK(DropFiles)->Arg(1000)->Arg(4000)->Unit(benchmark::kMillisecond)->Iterations(5);

// The same file added again and again.
void AddSameFile(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString file = bench::makeTarget(dir.path(), 0);
    platform::IconLookup lookup;
    shortcuts::Icons icons(lookup);
    for (auto _ : state) {
        Controls controls(icons);
        for (int i = 0; i < state.range(0); ++i)
            shortcuts::addShortcut(controls.model, file);
        benchmark::DoNotOptimize(controls.view.count());
    }
}
BENCHMARK(AddSameFile)->Arg(1000)->Arg(4000)->Unit(benchmark::kMillisecond);

// One shortcut deleted from the middle of a loaded list and the list saved.
void DeleteOne(benchmark::State &state)
{
    const Profile profile(int(state.range(0)));
    platform::IconLookup lookup;
    const QString path = profile.dir.filePath(QStringLiteral("window.ini"));
    Window w(lookup, path);
    QFile::copy(profile.path, path);
    w.window->controller().load();
    QApplication::processEvents();
    auto &model = w.window->model();
    for (auto _ : state) {
        model.remove(model.count() / 2);
        w.window->controller().save();
        QApplication::processEvents();
        state.PauseTiming();
        shortcuts::addShortcut(model, model.at(0).target);
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(DeleteOne)->Arg(1000)->Arg(4000)->Unit(benchmark::kMillisecond);

// Large icons → small icons → list → large icons, each laid out and painted.
void SwitchViews(benchmark::State &state)
{
    Loading loading(int(state.range(0)));
    const auto controls = loading.load();
    controls->view.show();
    QApplication::processEvents();
    for (auto _ : state) {
        for (int view : {1, 2, 0}) {
            controls->view.setView(view);
            QApplication::processEvents();
        }
        for (int arrange : {1, 2, 0}) {
            controls->view.setArrange(arrange);
            QApplication::processEvents();
        }
    }
}
BENCHMARK(SwitchViews)->Arg(1000)->Arg(4000)->Unit(benchmark::kMillisecond);

// A view change with icons placed by hand: the small view's two columns are
// taken over into the large view's cells (sorted into rows by radix) and
// checked against each other; from the second change on, the places the
// other view had are given back.
void ViewChangeManual(benchmark::State &state)
{
    const int n = int(state.range(0));
    platform::IconLookup lookup;
    shortcuts::Icons icons(lookup);
    Controls controls(icons);
    controls.view.show();
    controls.view.setView(1);
    std::vector<shortcuts::Shortcut> placed;
    for (int i = 0; i < n; ++i) {
        shortcuts::Shortcut shortcut{QStringLiteral("/f/file%1.txt").arg(i), QStringLiteral("file%1.txt").arg(i)};
        shortcut.icon = lookup.iconForKey(QStringLiteral(".txt"));
        shortcut.left = (i % 2) * 2400;
        shortcut.top = (i / 2) * 330;
        placed.push_back(shortcut);
    }
    controls.model.add(std::move(placed));
    QApplication::processEvents();
    int view = 1;
    for (auto _ : state) {
        view = 1 - view;
        controls.view.setView(view);
        benchmark::DoNotOptimize(controls.view.placeOf(n - 1)); // lays out and scales
    }
    state.SetComplexityN(n);
}
BENCHMARK(ViewChangeManual)->Arg(250)->Arg(1000)->Arg(4000)->Complexity()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    app::initResources();
    platform::IconLookup::ensureIconTheme();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
