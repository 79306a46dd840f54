#pragma once
// A grip that starts resizing the top-level window from one edge or corner.
#include "controls/WindowResize.h"
#include "controls/ZorviControl.h"
#include "graphics/Bitmap.h"

class TZorviSizeGrip : public TZorviControl {
    Q_OBJECT
public:
    explicit TZorviSizeGrip(QWidget *parent = nullptr);

    // The edge or corner; a skin gives it by its number 1..8, others are ignored.
    SizingEdge Orientation() const { return m_orientation; }
    void SetOrientation(int orientation);

    const KeyedBitmap &Bitmap() const { return m_bitmap; }
    void SetBitmap(const KeyedBitmap &bitmap);
    KeyedBitmap &EditBitmap();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    SizingEdge m_orientation = SizingEdge::BottomRight;
    KeyedBitmap m_bitmap;
};
