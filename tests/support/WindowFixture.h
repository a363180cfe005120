#pragma once

#include <QFile>
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
    QByteArray readProfile() const
    {
        QFile f(profile);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

} // namespace testing_support
