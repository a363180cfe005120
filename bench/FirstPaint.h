#pragma once
// Shared by the start-up programs: the moment a list has painted for the
// first time, written to standard output for startup_runner.
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "Clock.h"

namespace bench {

// Watches a list's viewport; after its first paint has been handled, prints
// "paint <ns>" and runs `then` (quit at once, or close the window normally).
class FirstPaint : public QObject {
public:
    FirstPaint(QWidget *viewport, std::function<void()> then) : m_then(std::move(then))
    {
        viewport->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            watched->removeEventFilter(this);
            // Stamped once the paint itself has run and reached the window.
            QTimer::singleShot(0, this, [this] {
                std::printf("paint %lld\n", monotonicNs());
                std::fflush(stdout);
                m_then();
            });
        }
        return false;
    }

private:
    std::function<void()> m_then;
    bool m_seen = false;
};

// Ends the process right after the measurement, before any tidying up that a
// real start-up would not include either.
[[noreturn]] inline void quitNow()
{
    std::fflush(stdout);
    std::_Exit(0);
}

} // namespace bench
