// How long loading and saving a large profile takes (start-up and every save).
// Run: cmake -DTESSAFLOW_BENCHMARKS=ON ... && QT_QPA_PLATFORM=offscreen build/bench/tessaflow_bench
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "app/Resources.h"
#include "config/Config.h"

namespace {

struct Frame : config::WindowFrame {
    int frameState() const override { return 0; }
    double frameTop() const override { return 1500; }
    double frameLeft() const override { return 1500; }
    double frameHeight() const override { return 3480; }
    double frameWidth() const override { return 5190; }
    void setFrame(std::optional<double>, std::optional<double>, std::optional<double>,
                  std::optional<double>) override {}
};

QString writeProfile(const QTemporaryDir &dir, int entries)
{
    const QString path = dir.filePath(QStringLiteral("tsw.ini"));
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write("[Tessaflow]\nArrange=0\nSView=0\n");
    const char *types[] = {"txt", "pdf", "png", "html", "sh", "odt", "mp3", "zip"};
    for (int i = 0; i < entries; ++i)
        f.write(QStringLiteral("%1=/home/u/files/file%1.%2|file%1.%2|%3|%4\n")
                    .arg(i)
                    .arg(QLatin1String(types[i % 8]))
                    .arg((i % 4) * 1200)
                    .arg((i / 4) * 1050)
                    .toUtf8());
    return path;
}

// The controls of a freshly started window.
struct Controls {
    platform::ImageList large{32}, small{16};
    platform::ListBox programs;
    platform::ListView view{large, small};
    shortcuts::ShortcutList list;
    explicit Controls(shortcuts::Icons &icons) : list{view, programs, large, small, icons} { view.resize(346, 232); }
};

void LoadProfile(benchmark::State &state)
{
    QTemporaryDir dir;
    const config::IniFile ini(writeProfile(dir, int(state.range(0))));
    platform::IconLookup lookup;
    shortcuts::Icons icons(lookup);
    Frame frame;
    for (auto _ : state) {
        Controls controls(icons);
        config::Load_Config(ini, frame, controls.list);
        controls.view.show();
        QApplication::processEvents(); // the first layout, with every position put back
        benchmark::DoNotOptimize(controls.view.Count());
    }
}
BENCHMARK(LoadProfile)->Arg(21)->Arg(1000)->Unit(benchmark::kMillisecond);

void SaveProfile(benchmark::State &state)
{
    QTemporaryDir dir;
    const config::IniFile ini(writeProfile(dir, int(state.range(0))));
    platform::IconLookup lookup;
    shortcuts::Icons icons(lookup);
    Frame frame;
    Controls controls(icons);
    config::Load_Config(ini, frame, controls.list);
    for (auto _ : state)
        benchmark::DoNotOptimize(config::Save_Config(ini, frame, controls.list));
}
BENCHMARK(SaveProfile)->Arg(21)->Arg(1000)->Unit(benchmark::kMillisecond);

// A view change with icons placed by hand: every icon of the small view's two
// columns is checked against the large view's cells, and the colliding ones
// are moved to the nearest free cell.
void ViewChangeManual(benchmark::State &state)
{
    const int n = int(state.range(0));
    platform::IconLookup lookup;
    shortcuts::Icons icons(lookup);
    Controls controls(icons);
    controls.view.show();
    controls.view.setView(1);
    for (int i = 0; i < n; ++i) {
        controls.view.Add(QString::number(i), QStringLiteral("file%1.txt").arg(i), 1, 1);
        controls.view.setLeft(i + 1, (i % 2) * 2400);
        controls.view.setTop(i + 1, (i / 2) * 330);
    }
    QApplication::processEvents();
    int view = 1;
    for (auto _ : state) {
        view = 1 - view;
        controls.view.setView(view);
        benchmark::DoNotOptimize(controls.view.Left(n)); // lays out and separates
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
