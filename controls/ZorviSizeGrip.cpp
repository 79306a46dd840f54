#include "controls/ZorviSizeGrip.h"

#include "controls/WindowResize.h"

#include <QMouseEvent>
#include <QPainter>

TZorviSizeGrip::TZorviSizeGrip(QWidget *parent) : TZorviControl(parent)
{
    SetTransparent(false);
    setCursor(CursorForSizingCode(m_orientation));
}

void TZorviSizeGrip::SetOrientation(int orientation)
{
    if (orientation < 1 || orientation > 8 || orientation == m_orientation)
        return;
    m_orientation = orientation;
    setCursor(CursorForSizingCode(orientation));
}

void TZorviSizeGrip::SetBitmap(const TBitmap &bitmap)
{
    m_bitmap.Assign(bitmap);
    update();
}

TBitmap &TZorviSizeGrip::EditBitmap()
{
    update();
    return m_bitmap;
}

void TZorviSizeGrip::paintEvent(QPaintEvent *)
{
    if (m_bitmap.Empty())
        return;
    QPainter painter(this);
    m_bitmap.Draw(painter, rect(), QRect(0, 0, m_bitmap.Width(), m_bitmap.Height()));
}

void TZorviSizeGrip::mousePressEvent(QMouseEvent *event)
{
    TZorviControl::mousePressEvent(event);
    if (event->button() == Qt::LeftButton)
        StartWindowResize(window(), m_orientation);
}

void TZorviSizeGrip::mouseDoubleClickEvent(QMouseEvent *event)
{
    // No double clicks: a quick second press starts another resize.
    mousePressEvent(event);
}
