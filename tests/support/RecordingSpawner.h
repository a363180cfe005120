#pragma once

#include <vector>

#include "platform/process/Opener.h"

namespace testing_support {

// Records what would be started; the test decides later how it went.
class RecordingSpawner : public platform::Spawner {
public:
    struct Call {
        platform::Command command;
        Callback done;
    };
    std::vector<Call> calls;

    void spawn(const platform::Command &command, Callback done) override
    {
        calls.push_back({command, std::move(done)});
    }
    // Reports the outcome of the call at `index`, as the real spawner would later.
    void finish(size_t index, platform::SpawnResult result) { calls.at(index).done(result); }
};

} // namespace testing_support
