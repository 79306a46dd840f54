#include "controls/ZorviControl.h"

#include "common/Report.h"

#include <QMouseEvent>

TZorviControl::TZorviControl(QWidget *parent) : QWidget(parent), LayoutItem(this)
{
    setAttribute(Qt::WA_NoSystemBackground);
    // Moves without a button arrive too (the seek bar shows the time under the pointer).
    setMouseTracking(true);
}

void TZorviControl::SetTransparent(bool value)
{
    if (value == Transparent())
        return;
    setAttribute(Qt::WA_OpaquePaintEvent, !value);
    TransparentChanged();
    update();
}

void TZorviControl::SetColor(ColorRef color)
{
    if (color == m_color)
        return;
    m_color = color;
    update();
}

void TZorviControl::MouseEnter()
{
    if (OnMouseEnter)
        OnMouseEnter(this);
}

void TZorviControl::MouseLeave()
{
    if (OnMouseLeave)
        OnMouseLeave(this);
}

void TZorviControl::SetMouseInside(bool inside)
{
    if (inside == m_mouseInside)
        return;
    m_mouseInside = inside;
    if (inside)
        MouseEnter();
    else
        MouseLeave();
}

void TZorviControl::TrackPointer(const QPoint &pos)
{
    SetMouseInside(rect().contains(pos));
}

void TZorviControl::enterEvent(QEnterEvent *)
{
    RunGuarded([&] { SetMouseInside(true); });
}

void TZorviControl::leaveEvent(QEvent *)
{
    RunGuarded([&] { SetMouseInside(false); });
}

void TZorviControl::mousePressEvent(QMouseEvent *event)
{
    RunGuarded([&] {
        if (OnMouseDown)
            OnMouseDown(this, event);
    });
}

void TZorviControl::mouseMoveEvent(QMouseEvent *event)
{
    RunGuarded([&] {
        if (OnMouseMove)
            OnMouseMove(this, event);
    });
}

void TZorviControl::mouseReleaseEvent(QMouseEvent *event)
{
    RunGuarded([&] {
        if (OnMouseUp)
            OnMouseUp(this, event);
    });
}
