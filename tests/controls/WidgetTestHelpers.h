#pragma once
// Synthetic input and bitmap sheets for the widget tests.
#include "graphics/Bitmap.h"
#include "graphics/MultiPartBitmap.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <QWidget>

namespace wt {

inline void Mouse(QWidget *w, QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons,
                  Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QMouseEvent e(type, QPointF(pos), QPointF(w->mapToGlobal(pos)), button, buttons, mods);
    QCoreApplication::sendEvent(w, &e);
}
inline void Press(QWidget *w, QPoint pos, Qt::MouseButton b = Qt::LeftButton, Qt::KeyboardModifiers mods = {})
{
    Mouse(w, QEvent::MouseButtonPress, pos, b, b, mods);
}
inline void Release(QWidget *w, QPoint pos, Qt::MouseButton b = Qt::LeftButton,
                    Qt::KeyboardModifiers mods = {})
{
    Mouse(w, QEvent::MouseButtonRelease, pos, b, Qt::NoButton, mods);
}
inline void Click(QWidget *w, QPoint pos, Qt::MouseButton b = Qt::LeftButton, Qt::KeyboardModifiers mods = {})
{
    Press(w, pos, b, mods);
    Release(w, pos, b, mods);
}
inline void DoubleClick(QWidget *w, QPoint pos)
{
    Mouse(w, QEvent::MouseButtonDblClick, pos, Qt::LeftButton, Qt::LeftButton);
}
inline void Move(QWidget *w, QPoint pos, Qt::MouseButtons held)
{
    Mouse(w, QEvent::MouseMove, pos, Qt::NoButton, held);
}
inline void Enter(QWidget *w)
{
    QEnterEvent e(QPointF(1, 1), QPointF(1, 1), QPointF(w->mapToGlobal(QPoint(1, 1))));
    QCoreApplication::sendEvent(w, &e);
}
// True when the widget took the event.
inline bool Wheel(QWidget *w, QPoint pos, int delta)
{
    QWheelEvent e(QPointF(pos), QPointF(w->mapToGlobal(pos)), QPoint(), QPoint(0, delta), Qt::NoButton,
                  Qt::NoModifier, Qt::NoScrollPhase, false);
    e.setAccepted(false);
    QCoreApplication::sendEvent(w, &e);
    return e.isAccepted();
}

// A sheet of cols x rows cells of cellW x cellH, each filled with its own colour (column by column).
inline QImage CellSheet(int cols, int rows, int cellW, int cellH, const std::vector<QColor> &colors)
{
    QImage img(cols * cellW, rows * cellH, QImage::Format_RGB32);
    QPainter p(&img);
    for (int c = 0; c < cols; ++c)
        for (int r = 0; r < rows; ++r)
            p.fillRect(c * cellW, r * cellH, cellW, cellH, colors[size_t(c * rows + r)]);
    return img;
}

inline QImage Render(QWidget *w)
{
    QImage img(w->size(), QImage::Format_RGB32);
    img.fill(Qt::black);
    w->render(&img);
    return img;
}

inline QRgb Pixel(const QImage &img, int x, int y)
{
    return img.pixel(x, y) & 0xFFFFFF;
}

} // namespace wt
