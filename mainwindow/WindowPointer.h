#pragma once
// The pointer on the frameless main window: the resize border with its
// cursors, dragging the window by the skin's panels or the video, and the
// auto-hidden controls following the video zone. The window's input hook
// (WindowInput) hands it every mouse event of the window first; it runs the
// move and resize loops and moves on the deadlines by which the window's
// timer hides the pointer and the controls.
#include "mainwindow/PointerTracker.h"
#include "mainwindow/WindowPointerHost.h"

#include <QObject>
#include <QPointer>

class WindowPointer : public QObject {
    Q_OBJECT
public:
    WindowPointer(QWidget *window, WindowPointerHost host);
    ~WindowPointer() override;

    // A window drag or a resize from an edge, with the pointer where it is now
    // (a skin panel's press, a size grip). Nothing in full screen or maximised.
    void StartMove();
    void StartResize(SizingEdge edge);
    bool MovingOrSizing() const;
    // The sizing rules' inputs as a step would take them now, work area included.
    SizingInputs Rules() const;

    // The window's timer hid the pointer: the next move starts a new drag detection.
    void ClearPressPoint() { m_tracker.ClearPressPoint(); }

    // One event as it reaches `watched`; true when it goes no further (a
    // resize or a window drag took it).
    bool Filter(QObject *watched, QEvent *event);

private:
    bool handleMouse(QWidget *receiver, const QMouseEvent *event);
    PointerTarget targetOf(const QWidget *receiver) const;
    bool canMoveOrSize() const;
    void start(SizingEdge edge, const QPoint &pointer);
    void showBorderCursor(SizingEdge edge);

    QPointer<QWidget> m_window;
    WindowPointerHost m_host;
    PointerTracker m_tracker;
    SizingEdge m_borderCursor = SizingEdge::None; // the override cursor in force
};
