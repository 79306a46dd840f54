#pragma once
// The main window's own move and resize loops. The window has no frame, and
// the window manager's move or resize would bypass the sizing and moving
// rules, so while the left button is held the loop holds the pointer and
// passes each proposed rectangle through the rules before placing the window.
#include "mainwindow/MoveRules.h"
#include "mainwindow/SizingRules.h"

#include <QObject>
#include <QPointer>
#include <QRect>

struct WindowPointerHost;
class QWidget;

// The rules' inputs now, with the work area of the screen holding the window.
SizingInputs CurrentRules(QWidget *window, const WindowPointerHost &host);

// One resize step: `start` with the dragged sides moved by `delta` (twice that
// when the window is kept centred), through the sizing rules.
QRect ResizeStepRect(const QRect &start, SizingEdge edge, const QPoint &delta, const SizingInputs &rules);

class WindowDragLoop : public QObject {
    Q_OBJECT
public:
    // Moves the window (edge None) or sizes it from `edge`, the pointer being
    // at `pointer` (screen) now. The loop ends itself at the release of the
    // left button; Esc ends it and puts the window back where it was.
    WindowDragLoop(QWidget *window, SizingEdge edge, const QPoint &pointer, const WindowPointerHost &host,
                   QObject *parent);
    ~WindowDragLoop() override;

    static bool Running() { return s_running > 0; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Follow(const QPoint &pointer);
    void Place(const QRect &rect);
    void Finish(bool restore);

    QPointer<QWidget> m_window;
    const WindowPointerHost &m_host;
    SizingEdge m_edge;
    QRect m_start;
    QPoint m_startPointer;
    QRect m_placed;
    bool m_finished = false;
    static int s_running;
};
