#pragma once
// The one entry point through which size grips and the list box's resize band
// start an interactive resize. The main window replaces the handler with its
// own sizing rules.
#include "controls/SizingEdge.h"

#include <QRect>
#include <Qt>
#include <functional>

// The edge a stored number names, None outside 1..8.
SizingEdge SizingEdgeFromNumber(int number);

class QWidget;

using WindowResizeHandler = std::function<void(QWidget *window, SizingEdge edge)>;

// Starts resizing `window` (a top-level window or a child widget) from `edge`
// while the left button is held. None is ignored.
void StartWindowResize(QWidget *window, SizingEdge edge);
// Replaces the handler; an empty handler restores the default.
void SetWindowResizeHandler(WindowResizeHandler handler);

// Default behaviour: a top-level window asks the window system to run its own
// resize; when it cannot (or for a child widget) a resize loop under a mouse
// grab moves the edge with the pointer until the button is released.
void DefaultWindowResize(QWidget *window, SizingEdge edge);

Qt::Edges EdgesForSizingCode(SizingEdge edge);
Qt::CursorShape CursorForSizingCode(SizingEdge edge);
// The rectangle after dragging `edge` of `start` by `delta`; the moved edges stop
// where the size would fall below `minimum`.
QRect ResizedRect(const QRect &start, SizingEdge edge, const QPoint &delta, const QSize &minimum);
