#pragma once
// The slider of the skinned family: seek bar, volume bar (horizontal, or
// vertical with the maximum at the top) and, in scroll-bar mode, the list box's
// scroll bar. Every value the user picks goes through OnTrack first.
#include "controls/ZorviControl.h"
#include "graphics/MultiPartBitmap.h"

#include <functional>

class TZorviTrackbar;
// The handler may replace newPos, or set update to false to keep Position.
using TTrackEvent = std::function<void(TZorviTrackbar *sender, int &newPos, bool &update)>;

class TZorviTrackbar : public TZorviControl {
    Q_OBJECT
public:
    explicit TZorviTrackbar(QWidget *parent = nullptr);

    const TMultiPartBitmap &BitmapB() const { return m_bitmapB; }
    const TMultiPartBitmap &BitmapF() const { return m_bitmapF; }
    void SetBitmapB(const TMultiPartBitmap &bitmap);
    void SetBitmapF(const TMultiPartBitmap &bitmap);
    // For the skin loader: fill the owned bitmaps in place (invalidates the caches).
    TMultiPartBitmap &EditBitmapB();
    TMultiPartBitmap &EditBitmapF();

    const KeyedBitmap &Thumb() const { return m_thumb; }
    // Null clears the thumb and its drawn size.
    void SetThumb(const KeyedBitmap *thumb);
    KeyedBitmap &EditThumb();
    int ThumbW = 0; // drawn size of the thumb; stored only
    int ThumbH = 0;
    int ThumbStates() const { return m_thumbStates; }
    void SetThumbStates(int states); // 1..3; others ignored

    int Min() const { return m_min; }
    int Max() const { return m_max; }
    int Position() const { return m_position; }
    void SetMin(int value);
    void SetMax(int value);
    void SetPosition(int value);

    bool Vertical() const { return m_vertical; }
    void SetVertical(bool value);
    bool Scrollbar() const { return m_scrollbar; }
    void SetScrollbar(bool value);
    bool Dragging() const { return m_dragging; }

    TTrackEvent OnTrack;

    // The path of every user-made change: clamp, ask OnTrack, then assign.
    void SetPositionByUser(int value);
    // Thumb centre along the track for the current Position (from the top when vertical).
    int PositionToPixel() const;
    // The value under a point of the control, clamped to the range.
    int PixelToPosition(int x, int y) const;
    // The cached thumb centre; -1 until the next paint computes it.
    int ThumbPixel() const { return m_thumbPixel; }
    // Row of the thumb sheet shown now.
    int ThumbRow() const;
    bool CacheValid() const { return m_cacheValid; }

protected:
    void MouseEnter() override;
    void MouseLeave() override;
    void TransparentChanged() override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void RangeChanged();
    void RenderCaches();
    void SetCacheKeys();

    TMultiPartBitmap m_bitmapB, m_bitmapF;
    KeyedBitmap m_cacheB, m_cacheF; // the track images at the control's size
    bool m_cacheValid = false;
    KeyedBitmap m_thumb;
    int m_thumbStates = 1;
    int m_min = 0, m_max = 0, m_position = 0;
    int m_thumbPixel = -1;
    bool m_vertical = false;
    bool m_scrollbar = false;
    bool m_dragging = false;
};
