#pragma once

#include "app/Start.h"

namespace app {

// The whole program, from the application object to its last event: what the
// program module runs once the front found no copy to hand the start to.
int run(int &argc, char **argv, const StartRequest &request);

} // namespace app
