#pragma once

#include <functional>
#include <vector>

#include "launcher/Controller.h"
#include "platform/widgets/ListView.h"
#include "ui/Commands.h"

namespace ui {

// The list's commands, in the context menu's order (`chooseOpenWith` lets the
// user pick any installed application to open a target with), then the keys that have
// no menu item (Alt+1 … Alt+9 open the first nine shortcuts as shown).
std::vector<Command> commandTable(launcher::Controller &controller, platform::ListView &list,
                                  std::function<void()> showOptions, std::function<void()> showAddApplications,
                                  std::function<void()> showProperties,
                                  std::function<void(const QString &target)> chooseOpenWith);

} // namespace ui
