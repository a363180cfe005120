// The keyboard way in: from the show/hide key to the window's first paint
// when it comes back from the tray (against a plain Qt launcher showing its
// hidden window), and from a keystroke to the filtered list's paint, with
// and without installed applications offered after the shortcuts.
#include <QApplication>
#include <QElapsedTimer>
#include <cstdlib>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QKeyEvent>
#include <QListWidget>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <functional>
#include <memory>

#include "BenchServices.h"
#include "Data.h"
#include "ui/MainWindow.h"
#include "platform/process/Opener.h"
#include "platform/process/Spawner.h"
#include "platform/widgets/Dialogs.h"

namespace {

// Runs the event loop until `widget` has painted once.
class PaintWait : public QObject {
public:
    explicit PaintWait(QWidget *widget) : m_widget(widget) { widget->installEventFilter(this); }
    ~PaintWait() override { m_widget->removeEventFilter(this); }
    void arm() { m_painted = false; }
    // Gives up after a second: a window that never paints is no measure.
    void wait()
    {
        QElapsedTimer waited;
        waited.start();
        while (!m_painted && waited.elapsed() < 1000)
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        if (!m_painted)
            std::abort();
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            m_painted = true;
        return false;
    }

private:
    QWidget *m_widget;
    bool m_painted = false;
};

// A tray that is always there, so hiding goes to it as on a desktop.
struct AlwaysTray : platform::Tray {
    bool available() const override { return true; }
    bool add(const QIcon &, const QString &, Callback) override { return true; }
    bool remove() override { return true; }
    void setHostChanged(std::function<void()>) override {}
};

// The main window on a profile of n shortcuts, loaded and painted.
struct Launcher {
    QTemporaryDir dir;
    platform::IconLookup icons;
    AlwaysTray tray;
    platform::WidgetDialogs dialogs;
    platform::DetachedSpawner spawner;
    platform::DesktopOpener opener{spawner, platform::notifyThrough(dialogs)};
    bench::SessionServices session;
    std::unique_ptr<ui::MainWindow> window;
    Launcher(int count, int arrange)
    {
        const QString profile = dir.filePath(QStringLiteral("tsw.ini"));
        bench::writeProfile(profile, bench::makeTargets(dir.filePath(QStringLiteral("files")), count));
        window = std::make_unique<ui::MainWindow>(
            profile, ui::Services{tray, dialogs, icons, opener, session.clipboard, session.fileChooser,
                                   session.autostart, session.globalKey, session.activation,
                                   session.monitors});
        window->start();
        window->lstButtons().setArrange(arrange);
        QApplication::processEvents();
    }
    platform::ListView &list() { return window->lstButtons(); }
    void key(int key, const QString &text = QString())
    {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(&list(), &press);
    }
};

// Times the last key of what is typed: each round takes it back (not
// timed) and types it again with `key`, until the list has painted.
void timeRetypedKey(benchmark::State &state, Launcher &launcher, PaintWait &painted, const std::function<void()> &key)
{
    for (auto _ : state) {
        state.PauseTiming();
        launcher.key(Qt::Key_Backspace);
        QApplication::processEvents();
        painted.arm();
        state.ResumeTiming();
        key();
        painted.wait();
    }
}

// The show/hide key pressed while the window is in the tray, until the list
// has painted.
void ShowFromTray(benchmark::State &state)
{
    Launcher launcher(int(state.range(0)), 0);
    PaintWait painted(launcher.list().viewport());
    for (auto _ : state) {
        state.PauseTiming();
        launcher.window->hide();
        QApplication::processEvents();
        painted.arm();
        state.ResumeTiming();
        launcher.window->showHide().toggle();
        painted.wait();
    }
}
BENCHMARK(ShowFromTray)->Arg(21)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// The plain Qt launcher (a QListWidget in icon mode with QFileIconProvider
// icons) showing its hidden window, until its list has painted.
void PlainShowHidden(benchmark::State &state)
{
    QTemporaryDir dir;
    QListWidget list;
    list.setViewMode(QListView::IconMode);
    list.setIconSize(QSize(32, 32));
    list.setGridSize(QSize(80, 70));
    list.setWordWrap(true);
    list.setResizeMode(QListView::Adjust);
    list.resize(346, 232);
    QFileIconProvider provider;
    for (const QString &target : bench::makeTargets(dir.filePath(QStringLiteral("files")), int(state.range(0)))) {
        const QFileInfo info(target);
        list.addItem(new QListWidgetItem(provider.icon(info), info.fileName()));
    }
    list.show();
    QApplication::processEvents();
    PaintWait painted(list.viewport());
    for (auto _ : state) {
        state.PauseTiming();
        list.hide();
        QApplication::processEvents();
        painted.arm();
        state.ResumeTiming();
        list.show();
        list.raise();
        list.activateWindow();
        painted.wait();
    }
}
BENCHMARK(PlainShowHidden)->Arg(21)->Arg(1000)->Unit(benchmark::kMillisecond);

// The first key typed into the whole list ("f": most captions match), until
// the filtered list has painted; arranged automatically (only the matches,
// best first) or by hand (every icon in its place, the others faded).
void FirstKeystroke(benchmark::State &state)
{
    Launcher launcher(int(state.range(0)), int(state.range(1)));
    PaintWait painted(launcher.list().viewport());
    for (auto _ : state) {
        state.PauseTiming();
        launcher.window->finder().clear();
        QApplication::processEvents();
        painted.arm();
        state.ResumeTiming();
        launcher.key(Qt::Key_F, QStringLiteral("f"));
        painted.wait();
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(FirstKeystroke)
    ->Args({1000, 1})->Args({4000, 1})->Args({10000, 1})->Args({1000, 0})->Args({10000, 0})
    ->Unit(benchmark::kMillisecond);

// One more key narrowing what was typed ("file" to "file1"), until the list
// has painted, arranged automatically.
void NarrowingKeystroke(benchmark::State &state)
{
    Launcher launcher(int(state.range(0)), 1);
    PaintWait painted(launcher.list().viewport());
    for (const char c : {'f', 'i', 'l', 'e'})
        launcher.key(Qt::Key_A + (c - 'a'), QString(QLatin1Char(c)));
    launcher.key(Qt::Key_1, QStringLiteral("1"));
    QApplication::processEvents();
    timeRetypedKey(state, launcher, painted, [&] { launcher.key(Qt::Key_1, QStringLiteral("1")); });
}
BENCHMARK(NarrowingKeystroke)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// (arranged automatically), until the list has painted. `close`: whether that key
// leaves only close matches, checked so the measure is of what it names.
void TimeLastKey(benchmark::State &state, const QString &typed, bool close)
{
    Launcher launcher(int(state.range(0)), 1);
    PaintWait painted(launcher.list().viewport());
    const auto key = [&](QChar c) {
        launcher.key(c == u' ' ? int(Qt::Key_Space) : c.isDigit() ? Qt::Key_0 + (c.unicode() - '0')
                                                                 : Qt::Key_A + (c.unicode() - 'a'),
                     QString(c));
    };
    for (const QChar c : typed)
        key(c);
    QApplication::processEvents();
    timeRetypedKey(state, launcher, painted, [&] { key(typed.back()); });
    if (launcher.window->finder().text() != typed || launcher.window->finder().showsCloseMatches() != close
        || launcher.list().showsNoMatch())
        std::abort();
}

// A second word narrowing the first ("txt file" to "txt file1"): each word
// is matched on its own.
void MultiWordKeystroke(benchmark::State &state) { TimeLastKey(state, QStringLiteral("txt file1"), false); }
BENCHMARK(MultiWordKeystroke)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// A slip ("fli" to "flie"): nothing matches, so every caption is looked at
// again for the ones a letter away, and most are shown.
void TypoKeystroke(benchmark::State &state) { TimeLastKey(state, QStringLiteral("flie"), true); }
BENCHMARK(TypoKeystroke)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);


// `count` installed applications as the index holds them, half of them
// matching "file" by name, the rest by a keyword or not at all.
std::vector<platform::Application> installedApplications(int count)
{
    std::vector<platform::Application> applications;
    for (int i = 0; i < count; ++i) {
        const QString n = QString::number(i);
        platform::Application app;
        app.id = QStringLiteral("app%1.desktop").arg(i);
        app.path = QStringLiteral("/usr/share/applications/app%1.desktop").arg(i);
        app.name = (i % 2 ? QStringLiteral("File Manager ") : QStringLiteral("Picture Viewer ")) + n;
        app.genericName = QStringLiteral("Tool ") + n;
        app.comment = QStringLiteral("Does thing number ") + n;
        app.keywords = {QStringLiteral("tool"), QStringLiteral("thing"), i % 4 ? QStringLiteral("x") : QStringLiteral("files")};
        app.icon = QStringLiteral("application-") + n;
        app.program = QStringLiteral("app") + n;
        applications.push_back(std::move(app));
    }
    return applications;
}

// One more key narrowing what was typed ("file" to "file1") with 2000
// installed applications offered after the shortcuts, until the list has
// painted: arranged automatically (the offers follow the matches in the
// list) or by hand (the offers in their own small list).
void KeystrokeWithApplications(benchmark::State &state)
{
    Launcher launcher(int(state.range(0)), int(state.range(1)));
    shortcuts::OfferedApplications &offers = launcher.window->controller().offers();
    const std::vector<platform::Application> installed = installedApplications(2000);
    offers.setReader([installed] { return installed; });
    PaintWait painted(launcher.list().viewport());
    for (const char c : {'f', 'i', 'l', 'e'})
        launcher.key(Qt::Key_A + (c - 'a'), QString(QLatin1Char(c)));
    launcher.key(Qt::Key_1, QStringLiteral("1"));
    // The index read in the background for this search is in.
    while (offers.reading())
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    QApplication::processEvents();
    if (offers.applications().count() != 2000 || launcher.list().offerCount() == 0)
        state.SkipWithError("no application was offered");
    timeRetypedKey(state, launcher, painted, [&] { launcher.key(Qt::Key_1, QStringLiteral("1")); });
}
BENCHMARK(KeystrokeWithApplications)->Args({10000, 1})->Args({10000, 0})->Unit(benchmark::kMillisecond);

} // namespace
