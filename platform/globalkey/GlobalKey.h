#pragma once

#include <QKeySequence>
#include <QString>
#include <functional>

namespace platform {

// Where the key stands, as the desktop last told it.
struct KeyState {
    // What went wrong with the key, in plain words for the user; empty when
    // it works (or there is none).
    QString problem;
    // How the desktop names what triggers the key, where the desktop chooses
    // it (a portal may bind another key than the one asked for); empty
    // otherwise.
    QString trigger;
    bool operator==(const KeyState &) const = default;
};

// A key that reaches the program from anywhere on the desktop, whichever
// window has the focus. Tests use a recorder.
class GlobalKey {
public:
    // The key was pressed; `token` lets the window raise itself (see
    // WindowActivation), empty when the desktop gave none.
    using Pressed = std::function<void(const QString &token)>;
    // The key's state changed.
    using Reported = std::function<void(const KeyState &state)>;

    virtual ~GlobalKey() = default;
    // Takes `key` in place of the one before; none releases it. The outcome
    // reaches the report callback, at once or (from a portal) later, and
    // again whenever the desktop changes it.
    virtual void set(const QKeySequence &key) = 0;
    void onPressed(Pressed pressed) { m_pressed = std::move(pressed); }
    void onReport(Reported reported) { m_reported = std::move(reported); }

protected:
    void pressed(const QString &token)
    {
        if (m_pressed)
            m_pressed(token);
    }
    void report(const KeyState &state)
    {
        if (m_reported)
            m_reported(state);
    }
    // Works (empty) or does not, with nothing more to say.
    void problem(const QString &text) { report({text, {}}); }

private:
    Pressed m_pressed;
    Reported m_reported;
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

// Why `key` cannot be the show/hide key, in plain words; empty when it can.
// A key that types (see keys::takesTyping) would be taken from every program.
QString keyRefusal(const QKeySequence &key);

// The grab of the X11 root window, for every combination of the lock keys.
// Made on the xcb platform only.
class X11GlobalKey;

} // namespace platform
