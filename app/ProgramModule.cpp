#include "app/ProgramModule.h"

#include <cstdio>
#include <dlfcn.h>

namespace app {

int runProgramModule(int &argc, char **argv, const StartRequest &request)
{
    // Found through the executable's run path: beside it in a build tree,
    // in the program's private library folder once installed. Never closed:
    // the program's objects live until the process ends.
    void *module = ::dlopen(TESSAFLOW_MODULE_NAME, RTLD_LAZY | RTLD_LOCAL);
    auto *entry = module ? reinterpret_cast<ModuleEntry *>(::dlsym(module, kModuleEntry)) : nullptr;
    if (!entry) {
        std::fprintf(stderr, "tessaflow: cannot load the program: %s\n", ::dlerror());
        return 1;
    }
    return entry(&argc, argv, &request);
}

} // namespace app
