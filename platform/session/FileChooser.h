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
    // Opens showing `folder`.
    virtual QStringList chooseFiles(QWidget *parent, const QString &title, const QString &folder) = 0;
    // The same for folders, several at once.
    virtual QStringList chooseFolders(QWidget *parent, const QString &title, const QString &folder) = 0;
    // Where to write a file: an absolute path, `suggested` (a path) offered
    // first; empty when cancelled. The chooser asks before replacing a file.
    virtual QString chooseSaveFile(QWidget *parent, const QString &title, const QString &suggested) = 0;
};

// QFileDialog: the desktop's own dialog for files where the platform offers
// one; Qt's own for folders, the one that lets several be chosen.
class DialogFileChooser : public FileChooser {
public:
    QStringList chooseFiles(QWidget *parent, const QString &title, const QString &folder) override;
    QStringList chooseFolders(QWidget *parent, const QString &title, const QString &folder) override;
    QString chooseSaveFile(QWidget *parent, const QString &title, const QString &suggested) override;
};

} // namespace platform
