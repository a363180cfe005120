#pragma once

#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <functional>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

#include "ui/MainWindow.h"
#include "support/DesktopRecorders.h"
#include "support/Recorders.h"

namespace testing_support {

// The main window with recorders behind every platform service and its
// profile in a temporary folder.
class WindowFixture : public ::testing::Test {
protected:
    QTemporaryDir dir;
    RecordingTray tray;
    RecordingDialogs dialogs;
    platform::IconLookup icons;
    RecordingOpener opener;
    QString profile = dir.filePath(QStringLiteral("tsw.ini"));
    RecordingClipboard clipboard;
    RecordingFileChooser fileChooser;
    RecordingGlobalKey globalKey;
    RecordingActivation activation;
    StandInMonitors monitors;
    platform::Autostart autostart{dir.filePath(QStringLiteral("autostart/tessaflow.desktop")),
                             dir.filePath(QStringLiteral("bin/tessaflow"))};

    ui::Services services()
    {
        return {tray, dialogs, icons, opener, clipboard, fileChooser, autostart, globalKey, activation, monitors};
    }
    std::unique_ptr<ui::MainWindow> open()
    {
        auto window = std::make_unique<ui::MainWindow>(profile, services());
        window->start();
        // As the user meets it: on screen, active, at the stored geometry.
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        EXPECT_TRUE(QTest::qWaitFor([&] { return !window->frame().waiting(); }));
        return window;
    }
    void writeProfile(const QByteArray &text)
    {
        QFile f(profile);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    // Runs `trigger`, which should pop up a menu (at once or from the event
    // loop); returns the menu's items as shown ("-" for a separator) and runs
    // the item captioned `choose`, if any, after the menu has closed.
    static QStringList menuShownBy(const std::function<void()> &trigger, const QString &choose = QString())
    {
        QStringList shown;
        bool handled = false;
        QTimer poll;
        poll.setInterval(5);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!menu || handled)
                return;
            handled = true;
            QAction *pick = nullptr;
            for (QAction *a : menu->actions()) {
                if (!a->isVisible())
                    continue; // not shown: a place kept for items made as the menu comes up
                shown << (a->isSeparator() ? QStringLiteral("-") : a->text());
                if (!choose.isEmpty() && a->text() == choose)
                    pick = a;
            }
            menu->close();
            if (pick)
                pick->trigger();
        });
        poll.start();
        trigger();
        // No menu at all shows as an empty list, which the tests check.
        (void)QTest::qWaitFor([&] { return handled; }, 500);
        return shown;
    }
    QByteArray readProfile() const
    {
        QFile f(profile);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

// The same with the window already started.
class OpenWindowFixture : public WindowFixture {
protected:
    std::unique_ptr<ui::MainWindow> window;
    void SetUp() override { window = open(); }
    platform::ListView &list() { return window->lstButtons(); }
    // The shortcuts' targets in the list's order.
    QStringList targets() const
    {
        QStringList out;
        for (const shortcuts::Shortcut &shortcut : window->model().shortcuts())
            out << shortcut.target;
        return out;
    }
    QString caption(int row) const { return window->model().at(row).caption; }
};

} // namespace testing_support
