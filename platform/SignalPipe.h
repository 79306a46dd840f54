#pragma once
// Turns SIGTERM, SIGINT and SIGHUP into a Qt signal on the main thread (a
// logout, a kill, Ctrl+C or a closed terminal end the program the same orderly
// way as its window does).
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
