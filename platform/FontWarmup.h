#pragma once
#include <thread>

namespace platform {

// Reads the desktop's font configuration on a second thread while the window
// is being built. Qt reads it on the GUI thread when the first text is laid
// out, at the first paint: a few milliseconds of every start that a second
// core can take instead. Whoever finishes first publishes the configuration;
// the other one only finds it there (or, in a tie, reads it again), so the
// result is the same either way. Joined when destroyed.
class FontWarmup {
public:
    FontWarmup();
    ~FontWarmup();
    // Waits until the configuration has been read: called before the first
    // paint, so that Qt finds it there instead of reading it a second time.
    void wait();
    FontWarmup(const FontWarmup &) = delete;
    FontWarmup &operator=(const FontWarmup &) = delete;

private:
    std::thread m_thread;
};

} // namespace platform
