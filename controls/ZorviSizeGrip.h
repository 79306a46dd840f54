#pragma once
// A grip that starts resizing the top-level window from one edge or corner.
#include "controls/ZorviControl.h"
#include "graphics/Bitmap.h"

class TZorviSizeGrip : public TZorviControl {
    Q_OBJECT
public:
    explicit TZorviSizeGrip(QWidget *parent = nullptr);

    // Edge or corner in the sizing-edge numbering of controls/WindowResize.h.
    int Orientation() const { return m_orientation; }
    void SetOrientation(int orientation); // 1..8; others ignored

    const TBitmap &Bitmap() const { return m_bitmap; }
    void SetBitmap(const TBitmap &bitmap);
    TBitmap &EditBitmap();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    int m_orientation = 8;
    TBitmap m_bitmap;
};
