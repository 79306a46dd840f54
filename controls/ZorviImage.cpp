#include "controls/ZorviImage.h"

#include "common/Report.h"

#include <QPainter>

TZorviImage::TZorviImage(QWidget *parent) : TZorviControl(parent) {}

TMultiPartBitmap &TZorviImage::EditBitmap()
{
    update();
    return m_bitmap;
}

void TZorviImage::paintEvent(QPaintEvent *)
{
    RunGuarded([&] {
        // An empty bitmap without parts draws nothing (no placeholder colours).
        if (m_bitmap.Empty() && m_bitmap.Parts.empty())
            return;
        QPainter painter(this);
        m_bitmap.DrawParts(painter, rect());
    });
}
