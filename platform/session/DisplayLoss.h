#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace platform {

// Notices that the connection to the X server broke (the server ended or
// crashed) before Qt's X11 plugin sees it: the plugin ends the process at
// once (status 1), from inside the event loop, so nothing after exec() runs.
// lost() is emitted first, once and synchronously, for whatever must be
// saved or cleaned up then; the plugin ends the process after that, as before.
//
// The plugin's reading thread sees the end of the connection and wakes the
// event loop, whose next turn ends the process. The connection's socket is
// watched here too: its end of file is seen on that same turn, before the
// plugin's part of it runs. Between turns, each event delivered and each
// wake-up also look at the connection's error flag.
class DisplayLoss : public QObject {
    Q_OBJECT
public:
    // Whether the connection has broken; a test hands in its own.
    using Broken = std::function<bool()>;
    // The application's X connection; never lost on other platforms.
    explicit DisplayLoss(QObject *parent = nullptr);
    // `socket`: the connection's descriptor to watch, -1 for none.
    explicit DisplayLoss(Broken broken, int socket = -1, QObject *parent = nullptr);

    bool isLost() const { return m_lost; }

signals:
    // The display is gone: the process is about to end.
    void lost();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void check();
    void socketReadable();
    void declareLost();

    Broken m_broken;
    QSocketNotifier *m_socket = nullptr;
    bool m_lost = false;
};

} // namespace platform
