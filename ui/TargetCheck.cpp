#include "ui/TargetCheck.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace ui {

TargetCheck::TargetCheck(QWidget &painted, shortcuts::ShortcutModel &model, QObject *parent)
    : QObject(parent), m_painted(painted), m_model(model)
{
    m_notPainted.setSingleShot(true);
    m_notPainted.setInterval(kPaintWaitMs);
    connect(&m_notPainted, &QTimer::timeout, this, &TargetCheck::painted);
}

void TargetCheck::start()
{
    m_next = 0;
    if (m_painted.isVisible()) {
        if (!m_waitingForPaint)
            m_painted.installEventFilter(this);
        m_waitingForPaint = true;
        m_notPainted.start();
        return;
    }
    // Nothing to wait for: a window that is not shown is not painted.
    checkSlice();
}

bool TargetCheck::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_painted && event->type() == QEvent::Paint && m_waitingForPaint)
        painted();
    return false;
}

void TargetCheck::painted()
{
    if (!m_waitingForPaint)
        return;
    m_waitingForPaint = false;
    m_notPainted.stop();
    m_painted.removeEventFilter(this);
    // After this paint has reached the screen, not inside it.
    if (!m_slicePending) {
        m_slicePending = true;
        QTimer::singleShot(0, this, &TargetCheck::checkSlice);
    }
}

void TargetCheck::checkSlice()
{
    m_slicePending = false;
    if (m_next < 0 || m_waitingForPaint)
        return;
    const int end = m_next + kSlice;
    m_model.refreshIcons(m_next, end);
    // Rows that came or went meanwhile are looked at the next time.
    m_next = end < m_model.count() ? end : -1;
    if (m_next >= 0) {
        m_slicePending = true;
        QTimer::singleShot(0, this, &TargetCheck::checkSlice);
    }
}

} // namespace ui
