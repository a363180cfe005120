#pragma once

#include <QObject>

class QSocketNotifier;

namespace platform {

// Turns SIGTERM and SIGINT (log-out, shutdown, Ctrl+C) into a Qt signal on the
// user-interface thread, so the program ends through its usual shutdown.
class SignalWatcher : public QObject {
    Q_OBJECT
public:
    explicit SignalWatcher(QObject *parent = nullptr);
    ~SignalWatcher() override;

signals:
    void terminationRequested(int signal);

private:
    QSocketNotifier *m_notifier = nullptr;
};

} // namespace platform
