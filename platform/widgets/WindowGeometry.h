#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QRect>
#include <optional>

class QWidget;

namespace platform {

// The outer frame of a top-level window (title bar and borders included),
// in pixels. The frame's margins are known only once the window manager has
// framed the window, so apply stored geometry after the window is exposed.
QRect outerGeometry(const QWidget &window);

// False where the window system never tells a window where it is, nor lets
// it choose (Wayland): a position read there is only what was last asked for.
bool windowPositionKnown();

// Sets the outer frame's position and size; a missing value keeps the current
// one. A size below one pixel is ignored. A frame that would lie entirely off
// every screen (a monitor that is gone) keeps the place the window system gave
// it and takes only the size, so the window can always be reached. A frame
// partly off screen is moved, and shrunk if it is larger, into the available
// area of the screen that holds most of it; one that fits is left as it is.
void setOuterGeometry(QWidget &window, std::optional<int> left, std::optional<int> top,
                      std::optional<int> width, std::optional<int> height);

// The frame a window fits into `available`: moved in, and shrunk first when
// it is larger; unchanged when it already fits.
QRect fittedInto(const QRect &frame, const QRect &available);

// Moves a top-level window that is not shown yet so that its frame is
// centred over `over`'s frame, within the available area of `over`'s screen.
// Its own frame is not known before it is shown: `over`'s margins stand in.
void placeCentredOver(QWidget &window, const QWidget &over);

// Keeps a top-level window's restore bounds: its outer frame the last time it
// was shown in the normal state. Minimised, hidden, maximised or full screen,
// the window reports these, and restoring puts it back there: a window
// manager maps a window shown again wherever it likes.
//
// A window may also visit another frame (called onto another monitor) that
// does not become its restore bounds: those stay the user's own place until
// the window is moved or resized to yet another frame, which then is theirs.
// A visit ends when the window is hidden.
class RestoreBounds : public QObject {
public:
    explicit RestoreBounds(QWidget &window);

    // The last normal outer frame the window had, not counting a visit; the
    // current one until there is any.
    QRect bounds() const;
    // Shows the window in the normal state at its restore bounds, or where
    // it visits. Where the program is not told that the window was minimised
    // (Wayland), a window that does not have the focus is mapped anew, which
    // brings it back from wherever the compositor put it.
    void showNormalAtBounds();
    // Shows the window in the normal state at `frame` as a visit; at the
    // restore bounds themselves, it ends any visit.
    void showNormalVisiting(const QRect &frame);
    bool visiting() const { return m_visit.has_value(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Seen {
        QRect frame;
        QSize client;
        qint64 at;
        // Where the client stands inside the frame.
        QPoint inset;
    };
    bool normal() const;
    Seen seenNow() const;
    // The outer frame now. Just after mapping, Qt may not know the frame's
    // margins yet and takes the client for the frame: then the client's
    // place inside `like`'s frame stands in for them.
    QRect frameNow(const Seen &like) const;
    bool marginsUnknown(const Seen &like) const;
    // Where the window is to be: the visit, else the last normal frame.
    const Seen *wanted() const;
    void showNormalAt();
    void placeOnceExposed();

    QWidget &m_window;
    // The latest normal frames, newest last: a window manager may report the
    // maximised frame before it reports the maximised state.
    QList<Seen> m_seen;
    std::optional<Seen> m_visit;
    QElapsedTimer m_clock;
    bool m_placeWhenExposed = false;
    // Until then, a place the window manager gives is corrected.
    qint64 m_placingUntil = 0;
};

} // namespace platform
