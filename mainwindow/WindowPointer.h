#pragma once
// The pointer on the frameless main window: the resize border with its
// cursors, dragging the window by the skin's panels or the video, the pointer
// hidden over a resting video, and the auto-hidden controls following the
// video zone. It watches every mouse event of the application that belongs to
// the window, as the window's mouse hook, and runs the move and resize loops.
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

    // For the window's 100 ms timer.
    std::uint64_t LastMoveTime() const { return m_tracker.LastMoveTime(); }
    std::uint64_t LastOutsideVideoTime() const { return m_tracker.LastOutsideVideoTime(); }
    bool PointerOverVideo() const { return m_tracker.PointerOverVideo(); }
    // Hides the pointer over the video once it has rested CursorHideDelay; true when it hid it now.
    bool HideIdleCursor(std::uint64_t now);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool handleMouse(QWidget *receiver, const QMouseEvent *event);
    PointerTarget targetOf(const QWidget *receiver) const;
    bool canMoveOrSize() const;
    void start(SizingEdge edge, const QPoint &pointer);
    void showBorderCursor(SizingEdge edge);
    void showVideoCursor(bool visible);

    QPointer<QWidget> m_window;
    WindowPointerHost m_host;
    PointerTracker m_tracker;
    SizingEdge m_borderCursor = SizingEdge::None; // the override cursor in force
    bool m_cursorHidden = false;
};
