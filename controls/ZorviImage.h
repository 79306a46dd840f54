#pragma once
// A static picture drawn from a multi-part bitmap over the whole control.
#include "controls/ZorviControl.h"
#include "graphics/MultiPartBitmap.h"

class TZorviImage : public TZorviControl {
    Q_OBJECT
public:
    explicit TZorviImage(QWidget *parent = nullptr);

    const TMultiPartBitmap &Bitmap() const { return m_bitmap; }
    // For the skin loader: fill the owned bitmap's image, guides and parts in place.
    TMultiPartBitmap &EditBitmap();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    TMultiPartBitmap m_bitmap;
};
