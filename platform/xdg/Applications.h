#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace platform {

// One application the desktop's menus show, read from its desktop entry.
struct Application {
    QString id;   // "sub-name.desktop" for applications/sub/name.desktop
    QString path; // the entry's file
    // In the user's language where the entry has it.
    QString name;
    QString genericName;
    QString comment;
    // The user's language's keywords, then the untranslated ones.
    QStringList keywords;
    QString icon;    // Icon= as written: a theme name or a path
    QString program; // the file name of the program Exec starts
    QStringList mimeTypes; // MimeType=: the types it says it opens
};

// Where applications are looked for and what decides which are shown.
struct ApplicationPlaces {
    // Data folders, most important first; each may hold applications/.
    QStringList dataDirs;
    // The desktops OnlyShowIn= and NotShowIn= are held against.
    QStringList desktops;
    // The folders a TryExec= program is looked for in.
    QStringList path;
    // As desktop entries match it ("de_DE.UTF-8").
    QString locale;

    // From XDG_DATA_HOME, XDG_DATA_DIRS (with their defaults when unset),
    // XDG_CURRENT_DESKTOP, PATH and the user's locale.
    static ApplicationPlaces fromEnvironment();
};

// The applications the desktop's menus show, in no particular order: the
// entries of each data folder's applications/ (and its subfolders), the
// first file of an id taking it, Type=Application only, leaving out those
// NoDisplay= or Hidden= hides, OnlyShowIn=/NotShowIn= keeps from these
// desktops, and those whose TryExec= names no program that can run. Only
// regular files are read, so a FIFO, a device or a link loop among the
// entries is passed over; a folder reached twice through links is walked once.
std::vector<Application> listApplications(const ApplicationPlaces &places);

} // namespace platform
