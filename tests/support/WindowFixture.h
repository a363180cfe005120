#pragma once

#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QTimer>
#include <functional>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

#include "app/frmTessaflow.h"
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

    std::unique_ptr<app::frmTessaflow> open()
    {
        auto window = std::make_unique<app::frmTessaflow>(profile, app::Services{tray, dialogs, icons, opener});
        window->Form_Load();
        return window;
    }
    void writeProfile(const QByteArray &text)
    {
        QFile f(profile);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    // Runs `trigger`, which should pop up a menu; returns the menu's items as
    // shown ("-" for a separator) and runs the item captioned `choose`, if any,
    // after the menu has closed.
    static QStringList menuShownBy(const std::function<void()> &trigger, const QString &choose = QString())
    {
        QStringList shown;
        QTimer::singleShot(0, [&] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!menu)
                return;
            QAction *pick = nullptr;
            for (QAction *a : menu->actions()) {
                shown << (a->isSeparator() ? QStringLiteral("-") : a->text());
                if (!choose.isEmpty() && a->text() == choose)
                    pick = a;
            }
            menu->close();
            if (pick)
                pick->trigger();
        });
        trigger();
        return shown;
    }
    QByteArray readProfile() const
    {
        QFile f(profile);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

} // namespace testing_support
