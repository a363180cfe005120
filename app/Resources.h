#pragma once

namespace app {
// The icons and other resources are compiled into the program; a static
// library's resources must be registered by hand.
void initResources();
} // namespace app
