#pragma once

#include <QMimeData>
#include <QStringList>
#include <memory>

#include "platform/desktop/Clipboard.h"
#include "platform/desktop/FileChooser.h"

namespace testing_support {

// A clipboard the test fills.
class RecordingClipboard : public platform::Clipboard {
public:
    std::unique_ptr<QMimeData> data;
    const QMimeData *contents() const override { return data.get(); }
    QMimeData &fill()
    {
        data = std::make_unique<QMimeData>();
        return *data;
    }
};

// A file chooser that answers with `answer` and records the folder each
// showing opened in ("folders:" in front when it chose folders).
class RecordingFileChooser : public platform::FileChooser {
public:
    QStringList answer;
    int shown = 0;
    QStringList openedIn;
    QStringList chooseFiles(QWidget *, const QString &, const QString &folder) override
    {
        ++shown;
        openedIn << folder;
        return answer;
    }
    QStringList chooseFolders(QWidget *, const QString &, const QString &folder) override
    {
        ++shown;
        openedIn << QStringLiteral("folders:") + folder;
        return answer;
    }
};

} // namespace testing_support
