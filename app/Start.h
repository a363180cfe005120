#pragma once

#include <QString>

#include "app/CommandLine.h"

namespace platform {
class SingleInstance;
}

namespace app {

// What the front learnt before it loaded the program: the command line, the
// desktop's launch id and token, the profile, and whether a running copy was
// found that did not answer (so it is not waited for a second time).
struct StartRequest {
    CommandLine command;
    QString startupId;
    QString token;
    QString profile;
    bool copyUnanswered = false;
};

// Reads what a start needs before any application object exists.
StartRequest readStartRequest(int argc, char *argv[]);

// The end of a start whose request the running copy took: the launch's busy
// cursor is ended, what the copy refused is printed, and the status returned
// (1 when shortcuts were given and none was added, as on the command line,
// and when the copy has no group by the name --group gave).
int endHandedOver(const platform::SingleInstance &instance, const StartRequest &request);

} // namespace app
