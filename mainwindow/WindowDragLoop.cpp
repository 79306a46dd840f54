#include "mainwindow/WindowDragLoop.h"

#include "common/Report.h"
#include "controls/WindowResize.h"
#include "mainwindow/WindowPointerHost.h"

#include <QCoreApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QWidget>

int WindowDragLoop::s_running = 0;

SizingInputs CurrentRules(QWidget *window, const WindowPointerHost &host)
{
    SizingInputs in = host.rules ? host.rules() : SizingInputs{};
    if (host.workArea)
        in.workArea = host.workArea();
    else if (QScreen *screen = window->screen())
        in.workArea = screen->availableGeometry();
    return in;
}

QRect ResizeStepRect(const QRect &start, SizingEdge edge, const QPoint &delta, const SizingInputs &rules)
{
    // A centred window grows on both sides of its centre: the dragged sides
    // move twice the pointer's way, so they stay under the pointer. The rules
    // bring a too small rectangle up to the minimum; one pixel keeps it a rectangle.
    const QPoint travel = rules.Center ? delta * 2 : delta;
    return SizingRect(ResizedRect(start, edge, travel, QSize(1, 1)), edge, rules);
}

WindowDragLoop::WindowDragLoop(QWidget *window, SizingEdge edge, const QPoint &pointer,
                               const WindowPointerHost &host, QObject *parent)
    : QObject(parent), m_window(window), m_host(host), m_edge(edge), m_start(window->geometry()),
      m_startPointer(pointer), m_placed(m_start)
{
    ++s_running;
    // Installed last, so it sees the pointer before the window's own handling.
    QCoreApplication::instance()->installEventFilter(this);
    window->grabMouse(edge == SizingEdge::None ? QCursor(Qt::SizeAllCursor)
                                               : QCursor(CursorForSizingCode(edge)));
}

WindowDragLoop::~WindowDragLoop()
{
    if (!m_finished)
        Finish(false);
}

bool WindowDragLoop::eventFilter(QObject *watched, QEvent *event)
{
    // Widgets only: the window's own bookkeeping (the implicit grab, enter and
    // leave) still sees every event.
    if (!watched->isWidgetType())
        return false;
    switch (event->type()) {
    case QEvent::MouseMove: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (!mouse->buttons().testFlag(Qt::LeftButton))
            Finish(false); // the release went elsewhere
        else
            RunGuarded([&] { Follow(mouse->globalPosition().toPoint()); });
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            Finish(false);
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        return true;
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent *>(event)->key() != Qt::Key_Escape)
            return false;
        Finish(true);
        return true;
    default:
        return false;
    }
}

void WindowDragLoop::Follow(const QPoint &pointer)
{
    if (m_finished || !m_window)
        return;
    const SizingInputs rules = CurrentRules(m_window, m_host);
    if (m_edge == SizingEdge::None) {
        const QPoint grabOffset = m_startPointer - m_start.topLeft();
        const MoveResult moved = MovingRect(m_start.translated(pointer - m_startPointer), pointer, grabOffset,
                                            rules.workArea, rules.Snap);
        if (m_host.setCenter)
            m_host.setCenter(moved.centred);
        Place(moved.rect);
    } else {
        if (m_host.sizedByHand)
            m_host.sizedByHand();
        Place(ResizeStepRect(m_start, m_edge, pointer - m_startPointer, rules));
    }
}

void WindowDragLoop::Place(const QRect &rect)
{
    // The window manager answers each placement later; only a change is sent.
    if (rect == m_placed)
        return;
    m_placed = rect;
    if (m_host.apply)
        m_host.apply(rect);
    else
        m_window->setGeometry(rect);
}

void WindowDragLoop::Finish(bool restore)
{
    if (m_finished)
        return;
    m_finished = true;
    --s_running;
    QCoreApplication::instance()->removeEventFilter(this);
    if (m_window) {
        m_window->releaseMouse();
        if (restore)
            RunGuarded([&] {
                if (m_edge == SizingEdge::None && m_host.setCenter)
                    m_host.setCenter(
                        MovingRect(m_start, {}, {}, CurrentRules(m_window, m_host).workArea, false).centred);
                Place(m_start);
            });
    }
    deleteLater();
}
