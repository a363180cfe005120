#pragma once

#include <QMimeData>
#include <QStringList>
#include <QWidget>
#include <vector>
#include <memory>

#include "platform/session/Clipboard.h"
#include "platform/session/FileChooser.h"
#include "platform/globalkey/GlobalKey.h"
#include "platform/session/WindowActivation.h"
#include "platform/widgets/Monitors.h"

namespace testing_support {

// A clipboard the test fills.
class RecordingClipboard : public platform::Clipboard {
public:
    std::unique_ptr<QMimeData> data;
    const QMimeData *contents() const override { return data.get(); }
    void copy(QMimeData *copied) override { data.reset(copied); }
    QMimeData &fill()
    {
        data = std::make_unique<QMimeData>();
        return *data;
    }
};

// A file chooser that answers with `answer` and records the folder each
// showing opened in ("folders:" in front when it chose folders) and its title.
class RecordingFileChooser : public platform::FileChooser {
public:
    QStringList answer;
    int shown = 0;
    QStringList openedIn;
    QStringList titles;
    QStringList chooseFiles(QWidget *, const QString &title, const QString &folder) override
    {
        ++shown;
        titles << title;
        openedIn << folder;
        return answer;
    }
    QStringList chooseFolders(QWidget *, const QString &title, const QString &folder) override
    {
        ++shown;
        titles << title;
        openedIn << QStringLiteral("folders:") + folder;
        return answer;
    }
    QString chooseSaveFile(QWidget *, const QString &title, const QString &suggested) override
    {
        ++shown;
        titles << title;
        openedIn << QStringLiteral("save:") + suggested;
        return answer.value(0);
    }
};

// A global key the test presses; each key set is recorded and answered
// with `answer` as the problem and `trigger` as what the desktop bound.
class RecordingGlobalKey : public platform::GlobalKey {
public:
    std::vector<QKeySequence> keys;
    QString answer;
    QString trigger;
    void set(const QKeySequence &key) override
    {
        keys.push_back(key);
        report(key.isEmpty() ? platform::KeyState{} : platform::KeyState{answer, trigger});
    }
    void press(const QString &token = QString()) { pressed(token); }
};

// Records the token of every activation, then activates as Qt does.
class RecordingActivation : public platform::WindowActivation {
public:
    QStringList tokens;
    void activate(QWidget &window, const QString &token) override
    {
        tokens << token;
        window.activateWindow();
    }
};

// A desk the test lays out, with the pointer where the test puts it; none,
// as on Wayland, until it does.
class StandInMonitors : public platform::Monitors {
public:
    QList<platform::Monitor> monitors;
    std::optional<QPoint> at;
    QList<platform::Monitor> all() const override { return monitors; }
    std::optional<QPoint> pointer() const override { return at; }
};

} // namespace testing_support
