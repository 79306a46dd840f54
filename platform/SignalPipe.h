#pragma once
// Turns SIGTERM and SIGINT into a Qt signal on the main thread (a logout, a
// kill or Ctrl+C close the program the same orderly way as its window does).
#include <QObject>

class QSocketNotifier;

namespace Platform {

class SignalPipe : public QObject {
    Q_OBJECT
public:
    // Installs the handlers; one instance per process.
    explicit SignalPipe(QObject *parent = nullptr);
    ~SignalPipe() override;

signals:
    void Terminate(int signalNumber);

private:
    void readPipe();
    QSocketNotifier *m_notifier = nullptr;
};

} // namespace Platform
