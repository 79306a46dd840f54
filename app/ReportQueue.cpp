#include "app/ReportQueue.h"

#include <QTimer>
#include <cstdio>
#include <utility>

ReportQueue::ReportQueue(Show show, QObject *parent) : QObject(parent), m_show(std::move(show))
{
    m_previous = SetReportHandler([this](const QString &message) { Add(message); });
}

ReportQueue::~ReportQueue()
{
    SetReportHandler(std::move(m_previous));
    Finish(false);
}

void ReportQueue::Add(const QString &message)
{
    if (m_pending.contains(message))
        return;
    m_pending.append(message);
    if (m_showing || m_scheduled || m_held)
        return;
    m_scheduled = true;
    QTimer::singleShot(0, this, &ReportQueue::showPending);
}

void ReportQueue::Hold()
{
    m_held = true;
}

void ReportQueue::showPending()
{
    m_scheduled = false;
    if (m_showing)
        return;
    m_showing = true;
    while (!m_pending.isEmpty() && !m_held) {
        m_show(m_pending.first());
        if (!m_held)
            m_pending.removeFirst();
    }
    m_showing = false;
}

void ReportQueue::Finish(bool show)
{
    m_held = true;
    for (const QString &message : std::exchange(m_pending, {})) {
        if (show)
            m_show(message);
        else
            std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    }
}
