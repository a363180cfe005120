#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "platform/xdg/Applications.h"
#include "platform/xdg/EntryLaunch.h"

namespace shortcuts {

// The actions of a shortcut whose target is a desktop entry of an
// application ("New Window", …), in the user's language; none for any other
// target, a missing one included.
std::vector<platform::DesktopEntry::Action> desktopActions(const QString &target);

// What a stored target is handed to another application as: a file's or
// folder's absolute path, or a link's URI; empty for what names nothing.
QString handedTarget(const QString &target);

// The MIME types another application would open a target as, most specific
// first: a file's or folder's own type and its parents, x-scheme-handler/<scheme>
// for a link; none for what names nothing or is missing.
QStringList openedAsTypes(const QString &target);

// The applications among `installed` that open `target`, the desktop's
// default first (`lists`: the mimeapps.list files, most important first).
std::vector<platform::Application> openWithCandidates(const QString &target,
                                                      const std::vector<platform::Application> &installed,
                                                      const QStringList &lists);

} // namespace shortcuts
