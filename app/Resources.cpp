#include "app/Resources.h"

#include <QtGlobal>

static void initTessaflowResources() { Q_INIT_RESOURCE(resources); }

namespace app {
void initResources() { initTessaflowResources(); }
} // namespace app
