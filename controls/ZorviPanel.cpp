#include "controls/ZorviPanel.h"

#include "common/Report.h"

#include <QPaintEvent>
#include <QPainter>

TZorviPanel::TZorviPanel(QWidget *parent) : QWidget(parent), LayoutItem(this)
{
    // The paint covers every pixel: no erasing, no flicker.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
}

void TZorviPanel::SetBitmap(const TMultiPartBitmap &bitmap)
{
    m_bitmap = bitmap;
    m_cacheValid = false;
    update();
}

TMultiPartBitmap &TZorviPanel::EditBitmap()
{
    m_cacheValid = false;
    update();
    return m_bitmap;
}

void TZorviPanel::SetColor(ColorRef color)
{
    if (color == m_color)
        return;
    m_color = color;
    update();
}

void TZorviPanel::PaintBackground(QPainter &painter, const QRect &clip)
{
    if (m_bitmap.Empty() && m_bitmap.Parts.empty()) {
        painter.fillRect(clip, ColorToQColor(m_color));
        return;
    }
    if (!m_cacheValid) {
        m_cache = QImage(size(), QImage::Format_RGB32);
        m_cache.fill(ColorToQColor(m_color));
        if (!m_cache.isNull()) {
            QPainter cachePainter(&m_cache);
            m_bitmap.DrawParts(cachePainter, QRect(QPoint(0, 0), size()));
        }
        m_cacheValid = true;
    }
    painter.drawImage(clip.topLeft(), m_cache, clip);
}

void TZorviPanel::paintEvent(QPaintEvent *event)
{
    RunGuarded([&] {
        QPainter painter(this);
        PaintBackground(painter, event->rect());
    });
}

void TZorviPanel::resizeEvent(QResizeEvent *event)
{
    RunGuarded([&] {
        QWidget::resizeEvent(event);
        HandleResize();
    });
}

void TZorviPanel::SizeChangedWhileHidden()
{
    HandleResize();
}

void TZorviPanel::HandleResize()
{
    m_cacheValid = false;
    ZorviRealign(this);
    Resized();
    if (OnResize)
        OnResize(this);
}

void TZorviPanel::mousePressEvent(QMouseEvent *event)
{
    RunGuarded([&] {
        if (OnMouseDown)
            OnMouseDown(this, event);
    });
}

void TZorviPanel::mouseMoveEvent(QMouseEvent *event)
{
    RunGuarded([&] {
        if (OnMouseMove)
            OnMouseMove(this, event);
    });
}

void TZorviPanel::mouseReleaseEvent(QMouseEvent *event)
{
    RunGuarded([&] {
        if (OnMouseUp)
            OnMouseUp(this, event);
    });
}
