#include "controls/ZorviTrackbar.h"

#include "common/Report.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

TZorviTrackbar::TZorviTrackbar(QWidget *parent) : TZorviControl(parent)
{
    SetTransparent(false);
    setCursor(Qt::PointingHandCursor);
}

void TZorviTrackbar::SetBitmapB(const TMultiPartBitmap &bitmap)
{
    m_bitmapB = bitmap;
    m_cacheValid = false;
    update();
}

void TZorviTrackbar::SetBitmapF(const TMultiPartBitmap &bitmap)
{
    m_bitmapF = bitmap;
    m_cacheValid = false;
    update();
}

TMultiPartBitmap &TZorviTrackbar::EditBitmapB()
{
    m_cacheValid = false;
    update();
    return m_bitmapB;
}

TMultiPartBitmap &TZorviTrackbar::EditBitmapF()
{
    m_cacheValid = false;
    update();
    return m_bitmapF;
}

void TZorviTrackbar::SetThumb(const KeyedBitmap *thumb)
{
    if (thumb) {
        m_thumb.Assign(*thumb);
    } else {
        ThumbW = ThumbH = 0;
        m_thumb.Clear();
    }
    m_thumbPixel = -1;
    update();
}

KeyedBitmap &TZorviTrackbar::EditThumb()
{
    m_thumbPixel = -1;
    update();
    return m_thumb;
}

void TZorviTrackbar::SetThumbStates(int states)
{
    if (states < 1 || states > 3)
        return;
    m_thumbStates = states;
    update();
}

void TZorviTrackbar::RangeChanged()
{
    m_position = std::clamp(m_position, m_min, m_max);
    m_thumbPixel = -1;
    update();
}

void TZorviTrackbar::SetMin(int value)
{
    if (value == m_min)
        return;
    m_min = std::min(value, m_max);
    RangeChanged();
}

void TZorviTrackbar::SetMax(int value)
{
    if (value == m_max)
        return;
    m_max = std::max(value, m_min);
    RangeChanged();
}

void TZorviTrackbar::SetPosition(int value)
{
    value = std::clamp(value, m_min, m_max);
    if (value == m_position)
        return;
    m_position = value;
    // The seek bar is fed ten times a second: repaint only when the thumb moves.
    const int pixel = PositionToPixel();
    if (pixel != m_thumbPixel) {
        m_thumbPixel = pixel;
        update();
    }
}

void TZorviTrackbar::SetVertical(bool value)
{
    if (value == m_vertical)
        return;
    m_vertical = value;
    m_thumbPixel = -1;
    update();
}

void TZorviTrackbar::SetScrollbar(bool value)
{
    if (value == m_scrollbar)
        return;
    m_scrollbar = value;
    if (m_vertical) {
        m_thumbPixel = -1;
        update();
    }
}

void TZorviTrackbar::SetPositionByUser(int value)
{
    int newPos = std::clamp(value, m_min, m_max);
    bool doUpdate = true;
    if (OnTrack)
        OnTrack(this, newPos, doUpdate);
    if (doUpdate)
        SetPosition(newPos);
}

int TZorviTrackbar::PositionToPixel() const
{
    if (m_max <= m_min)
        return 0;
    const int length = m_vertical ? height() : width();
    const int thumb = m_vertical ? ThumbH : ThumbW;
    // 64-bit products: a long film in milliseconds on a wide bar must not overflow.
    const qint64 p = qint64(m_position - m_min) * (length - thumb) / (qint64(m_max) - m_min) + thumb / 2;
    if (m_vertical && !m_scrollbar)
        return int(length - p);
    return int(p);
}

int TZorviTrackbar::PixelToPosition(int x, int y) const
{
    const int usable = m_vertical ? height() - ThumbH : width() - ThumbW;
    if (usable <= 0)
        return m_position; // a thumb as long as the track picks no value
    const qint64 buckets = qint64(m_max) + 1 - m_min;
    qint64 value;
    if (!m_vertical)
        value = qint64(x - ThumbW / 2) * buckets / usable + m_min;
    else if (m_scrollbar)
        value = qint64(y - ThumbH / 2) * buckets / usable + m_min;
    else
        value = m_max - qint64(y - ThumbH / 2) * buckets / usable;
    return int(std::clamp<qint64>(value, m_min, m_max));
}

int TZorviTrackbar::ThumbRow() const
{
    if (m_thumbStates >= 2 && m_dragging)
        return m_thumbStates - 1;
    if (m_thumbStates == 3 && MouseInside())
        return 1;
    return 0;
}

void TZorviTrackbar::SetCacheKeys()
{
    for (KeyedBitmap *cache : {&m_cacheB, &m_cacheF}) {
        const TMultiPartBitmap &source = cache == &m_cacheB ? m_bitmapB : m_bitmapF;
        cache->TransparentFixed = true;
        cache->TransparentColor = source.KeyColor();
        cache->Transparent = Transparent();
    }
}

void TZorviTrackbar::RenderCaches()
{
    if (m_bitmapB.Empty() && m_bitmapB.Parts.empty()) {
        m_cacheB.Clear();
        m_cacheF.Clear();
        return;
    }
    const QRect area(QPoint(0, 0), size());
    auto render = [&area](TMultiPartBitmap &source, KeyedBitmap &cache) {
        QImage image(area.size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        source.DrawParts(painter, area);
        painter.end();
        cache.SetImage(image);
    };
    render(m_bitmapB, m_cacheB);
    if (m_bitmapF.Empty() && m_bitmapF.Parts.empty())
        m_cacheF.Clear();
    else
        render(m_bitmapF, m_cacheF);
    SetCacheKeys();
    m_cacheValid = true;
}

void TZorviTrackbar::TransparentChanged()
{
    SetCacheKeys();
}

void TZorviTrackbar::paintEvent(QPaintEvent *)
{
    RunGuarded([&] {
        if (m_thumbPixel == -1)
            m_thumbPixel = PositionToPixel();
        const int p = m_thumbPixel;
        QPainter painter(this);
        if (m_bitmapB.Empty() && m_bitmapB.Parts.empty()) {
            painter.fillRect(rect(), ColorToQColor(Color()));
            return;
        }
        if (!m_cacheValid)
            RenderCaches();
        if (!Transparent())
            painter.fillRect(rect(), ColorToQColor(Color()));

        const int w = width(), h = height();
        auto copy = [&painter](const KeyedBitmap &cache, const QRect &r) {
            if (!r.isEmpty() && !cache.Empty())
                cache.Draw(painter, r, r);
        };
        if (m_cacheF.Empty() || m_scrollbar) {
            copy(m_cacheB, rect());
        } else if (m_vertical) {
            copy(m_cacheF, QRect(0, p, w, h - p));
            copy(m_cacheB, QRect(0, 0, w, p));
        } else {
            copy(m_cacheF, QRect(0, 0, p, h));
            copy(m_cacheB, QRect(p, 0, w - p, h));
        }

        if (m_thumb.Empty() || p < 1)
            return;
        const int rowH = m_thumb.Height() / m_thumbStates;
        const QRect source(0, ThumbRow() * rowH, m_thumb.Width(), rowH);
        const QRect target = m_vertical ? QRect((w - ThumbW) / 2, p - ThumbH / 2, ThumbW, ThumbH)
                                        : QRect(p - ThumbW / 2, (h - ThumbH) / 2, ThumbW, ThumbH);
        m_thumb.Draw(painter, target, source);
    });
}

void TZorviTrackbar::resizeEvent(QResizeEvent *event)
{
    RunGuarded([&] {
        m_cacheValid = false;
        m_thumbPixel = -1;
        TZorviControl::resizeEvent(event);
    });
}

void TZorviTrackbar::MouseEnter()
{
    TZorviControl::MouseEnter();
    update();
}

void TZorviTrackbar::MouseLeave()
{
    TZorviControl::MouseLeave();
    update();
}

void TZorviTrackbar::mousePressEvent(QMouseEvent *event)
{
    RunGuarded([&] {
        if (event->button() == Qt::LeftButton) {
            if (!m_dragging) {
                m_dragging = true;
                update();
            }
            const QPoint pos = event->position().toPoint();
            const int value = PixelToPosition(pos.x(), pos.y());
            if (value != m_position)
                SetPositionByUser(value);
        }
        TZorviControl::mousePressEvent(event);
    });
}

void TZorviTrackbar::mouseDoubleClickEvent(QMouseEvent *event)
{
    RunGuarded([&] {
        // No double clicks: a quick second press is an ordinary press.
        mousePressEvent(event);
    });
}

void TZorviTrackbar::mouseMoveEvent(QMouseEvent *event)
{
    RunGuarded([&] {
        if (event->buttons() & Qt::LeftButton) {
            const QPoint pos = event->position().toPoint();
            TrackPointer(pos);
            const int value = PixelToPosition(pos.x(), pos.y());
            if (value != m_position)
                SetPositionByUser(value);
        }
        TZorviControl::mouseMoveEvent(event);
    });
}

void TZorviTrackbar::mouseReleaseEvent(QMouseEvent *event)
{
    RunGuarded([&] {
        TZorviControl::mouseReleaseEvent(event);
        if (event->button() == Qt::LeftButton && m_dragging) {
            m_dragging = false;
            update();
        }
    });
}
