#pragma once

#include <QDateTime>
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
    // What enabled() last found, and the entry it read it from: the tray
    // menu asks before each showing, and a large entry is slow to read.
    struct Seen {
        bool exists = false;
        QDateTime modified;
        qint64 size = -1;
        bool operator==(const Seen &) const = default;
    };
    Seen seen() const;

    QString m_entryPath;
    QString m_executable;
    mutable Seen m_seen;
    mutable bool m_seenEnabled = false;
    mutable bool m_known = false;
};

} // namespace platform
