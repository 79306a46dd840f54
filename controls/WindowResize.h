#pragma once
// The one entry point through which size grips and the list box's resize band
// start an interactive resize. Edges use the classic sizing-edge numbering:
// 1 left, 2 right, 3 top, 4 top-left, 5 top-right, 6 bottom, 7 bottom-left,
// 8 bottom-right. The main window replaces the handler with its own sizing rules.
#include <QRect>
#include <Qt>
#include <functional>

class QWidget;

using TWindowResizeHandler = std::function<void(QWidget *window, int edge)>;

// Starts resizing `window` (a top-level window or a child widget) from `edge`
// while the left button is held. Edges outside 1..8 are ignored.
void StartWindowResize(QWidget *window, int edge);
// Replaces the handler; an empty handler restores the default.
void SetWindowResizeHandler(TWindowResizeHandler handler);

// Default behaviour: a top-level window asks the window system to run its own
// resize; when it cannot (or for a child widget) a resize loop under a mouse
// grab moves the edge with the pointer until the button is released.
void DefaultWindowResize(QWidget *window, int edge);

Qt::Edges EdgesForSizingCode(int edge);
Qt::CursorShape CursorForSizingCode(int edge);
// The rectangle after dragging `edge` of `start` by `delta`; the moved edges stop
// where the size would fall below `minimum`.
QRect ResizedRect(const QRect &start, int edge, const QPoint &delta, const QSize &minimum);
