// The window's two timers. Timer (100 ms) ends the Seeking state and hides
// the pointer and the auto-hidden controls; it runs only while one of those is
// due, so an idle player does not wake ten times a second. Timer30s keeps the
// display awake while a video plays.
#include "mainwindow/MainForm.h"

#include "common/Clock.h"
#include "common/Report.h"
#include "controls/ZorviPanel.h"
#include "mainwindow/WindowEngine.h"
#include "mainwindow/WindowPointer.h"
#include "platform/KeepAwake.h"

#include <QCursor>
#include <QDBusConnection>
#include <QTimer>

void TMainForm::createTimers()
{
    m_timer = new QTimer(this);
    m_timer->setInterval(100);
    connect(m_timer, &QTimer::timeout, this, [this] { RunGuarded([this] { timerTick(); }); });
    m_timer30s = new QTimer(this);
    m_timer30s->setInterval(30000);
    connect(m_timer30s, &QTimer::timeout, this, [this] { RunGuarded([this] { keepAwakeTick(); }); });
}

void TMainForm::kickTimer()
{
    if (!m_timer->isActive())
        m_timer->start();
}

void TMainForm::timerTick()
{
    const std::uint64_t now = Clock::NowMs();
    const bool seeking = m_engine->State().Status == PlaybackStatus::Seeking;
    if (seeking)
        m_engine->Tick();

    // Zero: the pointer has not moved over the window yet, nothing to hide.
    if (m_cursorHideTime != 0 && now > m_cursorHideTime && !m_cursorHidden) {
        m_pointer->ClearPressPoint();
        setVideoCursorHidden(true);
    }

    if (m_autoHideActive && m_controlsShown && !QWidget::mouseGrabber()) {
        if (now > m_controlsHideTime || !frameGeometry().contains(QCursor::pos()))
            ShowControls(false);
    }

    const bool cursorDue = m_cursorHideTime != 0 && !m_cursorHidden;
    const bool controlsDue = m_autoHideActive && m_controlsShown;
    const bool stillSeeking = m_engine->State().Status == PlaybackStatus::Seeking;
    if (!cursorDue && !controlsDue && !stillSeeking)
        m_timer->stop();
}

void TMainForm::setVideoCursorHidden(bool hidden)
{
    if (hidden == m_cursorHidden)
        return;
    m_cursorHidden = hidden;
    for (QWidget *w : {static_cast<QWidget *>(m_outerPanel), m_innerPanel}) {
        if (hidden)
            w->setCursor(Qt::BlankCursor);
        else
            w->unsetCursor();
    }
    if (!hidden)
        kickTimer();
}

void TMainForm::keepAwakeTick()
{
    if (!m_engine->IsRunning()) {
        m_timer30s->stop();
        return;
    }
    const PlaybackState &s = m_engine->State();
    // Only the display has a keep-awake call to make here; for sound alone
    // the session's own idle rules stand.
    if (!s.Paused && s.HasVideo)
        Platform::SimulateUserActivity(QDBusConnection::sessionBus());
}
