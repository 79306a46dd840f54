#pragma once
// Runs an action from the event loop once no modal box is open, never inside
// another action (a box it opened). Posting replaces an action still waiting:
// only the latest one runs.
#include <QObject>
#include <QTimer>
#include <functional>

class DeferredAction : public QObject {
    Q_OBJECT
public:
    explicit DeferredAction(QObject *parent = nullptr);
    void Post(std::function<void()> action);

    // How often a waiting action looks again while a box is open.
    static constexpr int RetryMs = 100;

private:
    void runPending();

    std::function<void()> m_pending;
    bool m_running = false;
    QTimer m_timer;
};
