#pragma once

#include <QString>

namespace platform {

// Starting at login: a desktop entry in the user's autostart folder that runs
// this very executable (a portable copy starts itself) hidden in the tray.
class Autostart {
public:
    Autostart(QString entryPath, QString executable);
    // $XDG_CONFIG_HOME/autostart/tessaflow.desktop.
    static QString defaultEntryPath();

    // The entry exists and starts this executable.
    bool enabled() const;
    // Writes or removes the entry; false, with the reason, when that failed.
    bool setEnabled(bool on, QString *error = nullptr);

    const QString &entryPath() const { return m_entryPath; }

private:
    QString m_entryPath;
    QString m_executable;
};

} // namespace platform
