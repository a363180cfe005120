#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace platform {

// The desktop's file chooser, behind an interface so tests can answer it.
class FileChooser {
public:
    virtual ~FileChooser() = default;
    // Absolute paths of the files chosen, in order; empty when cancelled.
    virtual QStringList chooseFiles(QWidget *parent, const QString &title) = 0;
};

// QFileDialog: the desktop's own dialog where the platform offers one.
class DialogFileChooser : public FileChooser {
public:
    QStringList chooseFiles(QWidget *parent, const QString &title) override;
};

} // namespace platform
