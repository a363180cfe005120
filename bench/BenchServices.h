#pragma once

#include <QCoreApplication>
#include <QWidget>

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
