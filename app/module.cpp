// The program module's entry point (see app/ProgramModule.h). Everything else
// in the module is hidden, so loading it binds only this name.
#include "app/ProgramModule.h"
#include "app/Run.h"

extern "C" __attribute__((visibility("default"))) int tessaflow_run(int *argc, char **argv,
                                                                     const app::StartRequest *request)
{
    return app::run(*argc, argv, *request);
}
