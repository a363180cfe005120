// Listing the installed applications as the Add Applications window reads
// them each time it opens: every desktop entry read, the hidden ones left
// out, the rest sorted by name and folded for typing.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>

#include "platform/icons/IconLookup.h"
#include "platform/xdg/Applications.h"
#include "shortcuts/ApplicationList.h"
#include "shortcuts/Icons.h"

namespace {

// `count` entries as installed ones look: translated names, comments and
// keywords, a few in subfolders, one in twenty hidden.
struct Installed {
    QTemporaryDir dir;
    platform::ApplicationPlaces places;
    explicit Installed(int count)
    {
        const QString apps = dir.filePath(QStringLiteral("share/applications"));
        QDir().mkpath(apps + QStringLiteral("/sub"));
        static const char *const kLanguages[] = {"de", "fr", "es", "it", "pt_BR", "ru", "ja", "zh_CN", "pl", "nl",
                                                 "sv", "fi", "cs", "hu", "tr", "ko", "uk", "da", "nb", "el"};
        for (int i = 0; i < count; ++i) {
            QByteArray body = "[Desktop Entry]\nType=Application\nVersion=1.0\n";
            const QByteArray n = QByteArray::number(i);
            body += "Name=Application " + n + "\nGenericName=Tool " + n + "\nComment=Does thing number " + n + "\n";
            for (const char *lang : kLanguages) {
                body += "Name[" + QByteArray(lang) + "]=Anwendung " + n + "\n";
                body += "Comment[" + QByteArray(lang) + "]=Macht Ding Nummer " + n + "\n";
                body += "Keywords[" + QByteArray(lang) + "]=werkzeug;ding;" + n + ";\n";
            }
            body += "Keywords=tool;thing;\nIcon=application-" + n + "\nExec=/usr/bin/app" + n + " %U\nTerminal=false\n";
            body += "Categories=Utility;\nMimeType=text/plain;\nStartupNotify=true\n";
            if (i % 20 == 0)
                body += "NoDisplay=true\n";
            body += "\n[Desktop Action new]\nName=New Window\nExec=/usr/bin/app" + n + " --new\n";
            QFile file(apps + (i % 10 == 0 ? QStringLiteral("/sub/app%1.desktop") : QStringLiteral("/app%1.desktop")).arg(i));
            if (file.open(QIODevice::WriteOnly))
                file.write(body);
        }
        places.dataDirs = {dir.filePath(QStringLiteral("home")), dir.filePath(QStringLiteral("share"))};
        places.locale = QStringLiteral("de_DE.UTF-8");
    }
};

void ListApplications(benchmark::State &state)
{
    static std::map<int, std::unique_ptr<Installed>> made;
    auto &installed = made[int(state.range(0))];
    if (!installed)
        installed = std::make_unique<Installed>(int(state.range(0)));
    platform::IconLookup lookup;
    shortcuts::Icons icons(lookup);
    shortcuts::ApplicationModel model(icons);
    for (auto _ : state) {
        model.load(platform::listApplications(installed->places), {});
        benchmark::DoNotOptimize(model.count());
    }
    if (model.count() != int(state.range(0)) - (int(state.range(0)) + 19) / 20)
        state.SkipWithError("not every shown entry was listed");
}
BENCHMARK(ListApplications)->Arg(21)->Arg(1000)->Arg(2000)->Arg(4000)->Unit(benchmark::kMillisecond);

} // namespace
