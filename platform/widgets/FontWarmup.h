#pragma once
#include <QScopeGuard>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace platform {

// Reads the fonts on a second thread while the window is being built. Qt
// reads the desktop's font configuration and fills its font database on the
// GUI thread when the first text is laid out, at the first paint: about a
// third of a start, which a second core can do meanwhile.
//
//     FontWarmup fonts;                 // first: the font configuration
//     QApplication application(...);
//     const auto filled = fonts.applicationReady(); // then Qt's font database
//     ...
//     fonts.wait();                     // before the first paint
//
// Either side may get there first: Qt's font database has its own lock, and
// the configuration is published once, so the result is the same either way.
class FontWarmup {
public:
    FontWarmup();
    ~FontWarmup();
    FontWarmup(const FontWarmup &) = delete;
    FontWarmup &operator=(const FontWarmup &) = delete;

    // The application exists, so the thread may fill Qt's font database. The
    // guard waits for it when it goes out of scope: kept after the
    // application, it ends the thread's use of Qt before the application goes.
    [[nodiscard]] auto applicationReady()
    {
        tell(State::ApplicationReady);
        return qScopeGuard([this] { wait(); });
    }
    // Waits until the thread is done: the database filled if the application
    // was ready, else only the configuration read.
    void wait();
    // Whether the font configuration is read while the application is built.
    bool readsAhead() const { return m_readsAhead; }

private:
    enum class State { Starting, ApplicationReady, Done };
    void tell(State state);

    std::mutex m_mutex;
    std::condition_variable m_changed;
    State m_state = State::Starting;
    const bool m_readsAhead;
    std::thread m_thread;
};

} // namespace platform
