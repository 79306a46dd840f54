#include "controls/ZorviSizeGrip.h"

#include "common/Report.h"
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
    const SizingEdge edge = SizingEdgeFromNumber(orientation);
    if (edge == SizingEdge::None || edge == m_orientation)
        return;
    m_orientation = edge;
    setCursor(CursorForSizingCode(edge));
}

void TZorviSizeGrip::SetBitmap(const KeyedBitmap &bitmap)
{
    m_bitmap.Assign(bitmap);
    update();
}

KeyedBitmap &TZorviSizeGrip::EditBitmap()
{
    update();
    return m_bitmap;
}

void TZorviSizeGrip::paintEvent(QPaintEvent *)
{
    RunGuarded([&] {
        if (m_bitmap.Empty())
            return;
        QPainter painter(this);
        m_bitmap.Draw(painter, rect(), QRect(0, 0, m_bitmap.Width(), m_bitmap.Height()));
    });
}

void TZorviSizeGrip::mousePressEvent(QMouseEvent *event)
{
    RunGuarded([&] {
        TZorviControl::mousePressEvent(event);
        if (event->button() == Qt::LeftButton)
            StartWindowResize(window(), m_orientation);
    });
}

void TZorviSizeGrip::mouseDoubleClickEvent(QMouseEvent *event)
{
    RunGuarded([&] {
        // No double clicks: a quick second press starts another resize.
        mousePressEvent(event);
    });
}
