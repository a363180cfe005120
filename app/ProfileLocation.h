#pragma once

#include <QString>

namespace app {

// Where the profile (tsw.ini) of a program started from executableDir lives.
//
// A portable copy or a build tree keeps its profile beside the executable, so
// each copy has its own shortcuts. An installed program (under /usr, /opt, or
// in a folder this user cannot write) keeps it in the user's configuration
// folder instead: $XDG_CONFIG_HOME/tessaflow/tsw.ini, ~/.config/... by
// default. That folder is created here so the first save succeeds. When the
// user has no profile there yet but one lies beside the executable (a copy on
// a read-only medium), it is copied over so its shortcuts are not lost.
QString profilePath(const QString &executableDir);

// The folder of the running executable, as QCoreApplication::applicationDirPath()
// gives it, but before any application object exists.
QString executableDir();

// The profile in the user's configuration folder; its folder is created.
QString userProfilePath();

} // namespace app
