#pragma once

#include <QObject>
#include <QTimer>

#include "shortcuts/ShortcutModel.h"

class QWidget;

namespace ui {

// Looks at every shortcut's target again once the window is back (one may
// have gone missing, or come back), off the way to the screen: it begins
// after the list's next paint and goes on in small slices, so the window is
// drawn at once and keys typed meanwhile are answered between slices.
class TargetCheck : public QObject {
public:
    TargetCheck(QWidget &painted, shortcuts::ShortcutModel &model, QObject *parent = nullptr);

    // From the first shortcut again, after the next paint.
    void start();
    bool running() const { return m_next >= 0; }

    // Shortcuts looked at per turn of the event loop: a few milliseconds.
    static constexpr int kSlice = 256;
    // How long a paint is waited for.
    static constexpr int kPaintWaitMs = 1000;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void painted();
    void checkSlice();

    QWidget &m_painted;
    shortcuts::ShortcutModel &m_model;
    // The next row to look at; -1 when not running.
    int m_next = -1;
    bool m_waitingForPaint = false;
    // A turn of the event loop is already asked for.
    bool m_slicePending = false;
    // A window on screen that is not painted soon (covered, on another
    // desktop) is checked anyway.
    QTimer m_notPainted;
};

} // namespace ui
