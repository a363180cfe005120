#pragma once

#include <QKeySequence>
#include <QString>
#include <functional>

namespace platform {

// A key that reaches the program from anywhere on the desktop, whichever
// window has the focus. Tests use a recorder.
class GlobalKey {
public:
    // The key was pressed; `token` lets the window raise itself (see
    // WindowActivation), empty when the desktop gave none.
    using Pressed = std::function<void(const QString &token)>;
    // What went wrong with the key, in plain words for the user; empty once
    // it works (or there is none).
    using Problem = std::function<void(const QString &problem)>;

    virtual ~GlobalKey() = default;
    // Takes `key` in place of the one before; none releases it. The outcome
    // reaches the problem callback, at once or (from a portal) later.
    virtual void set(const QKeySequence &key) = 0;
    void onPressed(Pressed pressed) { m_pressed = std::move(pressed); }
    void onProblem(Problem problem) { m_problem = std::move(problem); }

protected:
    void pressed(const QString &token)
    {
        if (m_pressed)
            m_pressed(token);
    }
    void problem(const QString &text)
    {
        if (m_problem)
            m_problem(text);
    }

private:
    Pressed m_pressed;
    Problem m_problem;
};

// Where a desktop has no way for this program to take a global key: says so
// and how to bind the toggle command instead.
class NoGlobalKey : public GlobalKey {
public:
    void set(const QKeySequence &key) override;
};

// The text that asks the user to bind `tessaflow --toggle` in the desktop's
// keyboard settings, after `why` the key cannot be taken here.
QString bindToggleAdvice(const QString &why);

// The grab of the X11 root window, for every combination of the lock keys.
// Made on the xcb platform only.
class X11GlobalKey;

} // namespace platform
