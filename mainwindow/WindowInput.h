#pragma once
// The main window's one application-wide input hook. Each mouse, key and
// wheel event meant for the window passes here before its widgets see it:
// the pointer handling (border, drags, auto-hide) first, then the clicks on
// the video, the keys and the wheel turns, which go through the shortcut
// bindings.
#include "mainwindow/EscPresses.h"
#include "mainwindow/VideoClicks.h"
#include "mainwindow/WheelNotches.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <functional>

class WindowPointer;
class QKeyEvent;
class QMouseEvent;
class QWheelEvent;

struct WindowInputHost {
    // The video area and the engine's panel: their clicks run shortcuts.
    QList<QPointer<QWidget>> video;
    // Runs the command bound to a shortcut code; false when none is.
    std::function<bool(std::uint32_t code)> runShortcut;
    // Esc: leave full screen, else restore a maximised window.
    std::function<void()> escape;
};

class WindowInput : public QObject {
    Q_OBJECT
public:
    // `pointer` (owned by the window) sees the mouse first.
    WindowInput(QWidget *window, WindowPointer *pointer, WindowInputHost host);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool isVideo(const QObject *receiver) const;
    void videoButton(const QMouseEvent *event);
    bool key(QWidget *receiver, const QKeyEvent *event);
    void wheel(const QWheelEvent *event);

    QPointer<QWidget> m_window;
    QPointer<WindowPointer> m_pointer;
    WindowInputHost m_host;
    VideoClicks m_clicks;
    WheelNotches m_notches;
    EscPresses m_esc;
};
