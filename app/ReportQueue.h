#pragma once
// The program's message boxes. A report only queues its message; the boxes
// are shown from the event loop one at a time, so no I/O handler ever waits
// inside a box, and a message already on screen or waiting is not queued again.
#include "common/Report.h"

#include <QObject>
#include <QStringList>

class ReportQueue : public QObject {
    Q_OBJECT
public:
    using Show = std::function<void(const QString &message)>;
    // Becomes the report handler until destroyed.
    explicit ReportQueue(Show show, QObject *parent = nullptr);
    // Whatever was never shown goes to standard error.
    ~ReportQueue() override;

    void Add(const QString &message);
    // The program is ending: nothing more is shown (a box on screen was not read).
    void Hold();
    // Shows the messages never shown, or writes them to standard error.
    void Finish(bool show);

private:
    void showPending();

    Show m_show;
    ReportHandler m_previous;
    QStringList m_pending; // the first one is on screen while m_showing
    bool m_showing = false;
    bool m_scheduled = false;
    bool m_held = false;
};
