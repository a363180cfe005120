#pragma once

#include <QCoreApplication>
#include <QWidget>

#include "config/Config.h"
#include "platform/globalkey/GlobalKey.h"
#include "platform/session/Autostart.h"
#include "platform/session/Clipboard.h"
#include "platform/session/FileChooser.h"
#include "platform/session/WindowActivation.h"
#include "platform/widgets/Monitors.h"

namespace bench {

// No show/hide key: the benchmarks press none, and a key taken on the
// desktop running them would get in its way.
struct NoKey : platform::GlobalKey {
    void set(const QKeySequence &) override {}
};

// The window raised the plain way, with no desktop protocol in the measure.
struct PlainActivation : platform::WindowActivation {
    void activate(QWidget &window, const QString &) override { window.activateWindow(); }
};

// A window's frame as a profile stores it, for a controller with no window.
struct Frame : config::WindowFrame {
    int frameState() const override { return 0; }
    double frameTop() const override { return 1500; }
    double frameLeft() const override { return 1500; }
    double frameHeight() const override { return 3480; }
    double frameWidth() const override { return 5190; }
    void setFrame(std::optional<double>, std::optional<double>, std::optional<double>,
                  std::optional<double>) override {}
};

// The services a benchmark's window gets besides its tray, dialogs, icons and
// opener: the desktop's clipboard, file chooser and login entry as the
// program has them.
struct SessionServices {
    platform::SystemClipboard clipboard;
    platform::DialogFileChooser fileChooser;
    platform::Autostart autostart{platform::Autostart::defaultEntryPath(), QCoreApplication::applicationFilePath()};
    NoKey globalKey;
    PlainActivation activation;
    platform::DeskMonitors monitors;
};

} // namespace bench
