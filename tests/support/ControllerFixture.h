#pragma once

#include <QFile>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

#include "launcher/Controller.h"
#include "support/DesktopRecorders.h"
#include "support/Recorders.h"

namespace testing_support {

// The frame as the profile stores it; every save reads its top once.
class CountingFrame : public config::WindowFrame {
public:
    mutable int saves = 0;
    int frameState() const override { return 0; }
    double frameTop() const override
    {
        ++saves;
        return 600;
    }
    double frameLeft() const override { return 900; }
    double frameHeight() const override { return 3000; }
    double frameWidth() const override { return 4000; }
    void setFrame(std::optional<double>, std::optional<double>, std::optional<double>, std::optional<double>) override
    {
    }
};

// The controller with recorders for every desktop service, a list view that
// is never shown, and a profile in a temporary folder.
class ControllerFixture : public ::testing::Test {
protected:
    QTemporaryDir dir;
    RecordingDialogs dialogs;
    RecordingOpener opener;
    RecordingClipboard clipboard;
    RecordingFileChooser fileChooser;
    platform::IconLookup icons;
    platform::Autostart autostart{dir.filePath(QStringLiteral("autostart/tessaflow.desktop")),
                                  dir.filePath(QStringLiteral("bin/tessaflow"))};
    QString profile = dir.filePath(QStringLiteral("tsw.ini"));
    QWidget parent;
    platform::ListView view{&parent};
    CountingFrame frame;
    launcher::Controller controller{
        profile, {dialogs, opener, clipboard, fileChooser, autostart, icons}, view, frame, parent};

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
    // The captions of the shortcuts the view shows, in its order (offers left out).
    QStringList shownCaptions() const
    {
        QStringList out;
        for (int row = 0; row < view.model()->rowCount(); ++row)
            if (const QModelIndex index = view.model()->index(row, 0); view.rowOf(index) >= 0)
                out << index.data(Qt::EditRole).toString();
        return out;
    }
};

} // namespace testing_support
