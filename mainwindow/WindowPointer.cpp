#include "mainwindow/WindowPointer.h"

#include "common/Clock.h"
#include "common/Report.h"
#include "controls/WindowResize.h"
#include "mainwindow/WindowDragLoop.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>

WindowPointer::WindowPointer(QWidget *window, WindowPointerHost host)
    : QObject(window), m_window(window), m_host(std::move(host))
{
    // Size grips size the main window through the same rules; a docked list box keeps the plain loop.
    SetWindowResizeHandler([this](QWidget *target, SizingEdge edge) {
        if (target == m_window)
            StartResize(edge);
        else
            DefaultWindowResize(target, edge);
    });
}

WindowPointer::~WindowPointer()
{
    SetWindowResizeHandler({});
    showBorderCursor(SizingEdge::None);
}

void WindowPointer::StartMove()
{
    start(SizingEdge::None, QCursor::pos());
}

void WindowPointer::StartResize(SizingEdge edge)
{
    if (edge != SizingEdge::None)
        start(edge, QCursor::pos());
}

bool WindowPointer::MovingOrSizing() const
{
    return WindowDragLoop::Running();
}

SizingInputs WindowPointer::Rules() const
{
    return CurrentRules(m_window, m_host);
}

void WindowPointer::start(SizingEdge edge, const QPoint &pointer)
{
    if (!m_window || !canMoveOrSize() || WindowDragLoop::Running())
        return;
    new WindowDragLoop(m_window, edge, pointer, m_host, this);
}

bool WindowPointer::canMoveOrSize() const
{
    if (m_host.canMoveOrSize)
        return m_host.canMoveOrSize();
    return !m_window->isFullScreen() && !m_window->isMaximized();
}

bool WindowPointer::Filter(QObject *watched, QEvent *event)
{
    // Each event once: as it reaches the widget it is for. The copies passed
    // on to parents are not spontaneous, nor is what the window relays.
    if (!m_window || !watched->isWidgetType())
        return false;
    auto *receiver = static_cast<QWidget *>(watched);
    switch (event->type()) {
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        if (!event->spontaneous() || receiver->window() != m_window)
            return false;
        bool handled = false;
        RunGuarded([&] { handled = handleMouse(receiver, static_cast<QMouseEvent *>(event)); });
        return handled;
    }
    case QEvent::Leave:
        if (receiver == m_window)
            showBorderCursor(SizingEdge::None);
        return false;
    default:
        return false;
    }
}

bool WindowPointer::handleMouse(QWidget *receiver, const QMouseEvent *event)
{
    PointerEvent e;
    e.global = event->globalPosition().toPoint();
    e.time = Clock::NowMs();
    e.target = targetOf(receiver);
    e.onlyLeftButton = event->buttons() == Qt::LeftButton && event->modifiers() == Qt::NoModifier;
    if (event->type() == QEvent::MouseMove) {
        e.kind = PointerEventKind::Move;
        e.captured = event->buttons() != Qt::NoButton || QWidget::mouseGrabber() != nullptr;
    } else {
        e.kind =
            event->button() == Qt::LeftButton ? PointerEventKind::LeftPress : PointerEventKind::OtherPress;
    }

    PointerWindow w;
    w.bounds = m_window->geometry();
    w.canMoveOrSize = canMoveOrSize();
    if (m_host.autoHideZone) {
        if (std::optional<VideoZoneInputs> zone = m_host.autoHideZone()) {
            zone->window = w.bounds;
            w.videoZone = VideoZone(*zone);
        }
    }

    const PointerAction action = m_tracker.Handle(e, w);
    if ((action.cursorHideTime || action.controlsHideTime) && m_host.moveDeadlines)
        m_host.moveDeadlines(action.cursorHideTime, action.controlsHideTime);
    if (e.kind != PointerEventKind::OtherPress)
        showBorderCursor(action.border);
    if (action.showControls && m_host.showControls)
        m_host.showControls(*action.showControls);
    if (action.start == PointerStart::Move)
        start(SizingEdge::None, e.global);
    else if (action.start == PointerStart::Resize)
        start(action.border, e.global);
    return action.handled;
}

PointerTarget WindowPointer::targetOf(const QWidget *receiver) const
{
    for (const QPointer<QWidget> &video : m_host.video)
        if (video == receiver)
            return PointerTarget::Video;
    if (m_host.isDragArea && m_host.isDragArea(receiver))
        return PointerTarget::DragArea;
    return PointerTarget::Other;
}

void WindowPointer::showBorderCursor(SizingEdge edge)
{
    // An override cursor: the border lies over whatever child is at the window's edge.
    if (edge == m_borderCursor)
        return;
    if (edge == SizingEdge::None)
        QGuiApplication::restoreOverrideCursor();
    else if (m_borderCursor == SizingEdge::None)
        QGuiApplication::setOverrideCursor(CursorForSizingCode(edge));
    else
        QGuiApplication::changeOverrideCursor(CursorForSizingCode(edge));
    m_borderCursor = edge;
}
