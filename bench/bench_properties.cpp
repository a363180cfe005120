// One Properties edit applied to a loaded list and the profile saved, as the
// Properties window's OK does: at 1000, 4000 and 10 000 shortcuts, a tenth
// of them with properties of their own, so every save writes those fields.
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>
#include <benchmark/benchmark.h>

#include "BenchServices.h"
#include "Data.h"
#include "launcher/Controller.h"
#include "platform/process/Opener.h"
#include "platform/widgets/Dialogs.h"

namespace {

void PropertiesSave(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString profile = dir.filePath(QStringLiteral("tsw.ini"));
    bench::writeProfile(profile, bench::makeTargets(dir.filePath(QStringLiteral("files")), int(state.range(0))));
    platform::WidgetDialogs dialogs;
    platform::DetachedSpawner spawner;
    platform::DesktopOpener opener{spawner, platform::notifyThrough(dialogs)};
    bench::SessionServices session;
    platform::IconLookup lookup;
    QWidget parent;
    platform::ListView view(&parent);
    bench::Frame frame;
    const launcher::Services services{dialogs, opener, session.clipboard, session.fileChooser, session.autostart,
                                      lookup};
    launcher::Controller controller(profile, services, view, frame, parent);
    controller.load();
    // A tenth with properties, saved once before the measure.
    shortcuts::ShortcutModel &model = controller.model();
    for (int row = 0; row < model.count(); row += 10) {
        shortcuts::Shortcut edited = model.at(row);
        edited.arguments = QStringLiteral("--verbose \"two words\" 100%%");
        edited.workingDirectory = dir.path();
        edited.comment = QStringLiteral("note | %d");
        model.edit(row, edited);
    }
    controller.save();
    view.selectRow(model.count() / 2);
    int n = 0;
    for (auto _ : state) {
        controller.editSelected([&](const shortcuts::Shortcut &shortcut) {
            shortcuts::Shortcut edited = shortcut;
            edited.comment = QStringLiteral("edit %1").arg(++n);
            edited.arguments = QStringLiteral("--pass=%1").arg(n);
            return std::optional(edited);
        });
    }
    if (QFile(profile).size() == 0)
        state.SkipWithError("nothing was saved");
    view.setItems(nullptr);
}
BENCHMARK(PropertiesSave)->Arg(1000)->Arg(4000)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace
