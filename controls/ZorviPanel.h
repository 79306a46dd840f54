#pragma once
// Container with a multi-part background, rendered once per size into a cache;
// every repaint copies the invalid area from the cache. Runs the layout pass
// of its children on every resize.
#include "controls/ZorviControl.h"
#include "graphics/MultiPartBitmap.h"

#include <QImage>

class TZorviPanel : public QWidget, public LayoutItem {
    Q_OBJECT
public:
    explicit TZorviPanel(QWidget *parent = nullptr);

    const TMultiPartBitmap &Bitmap() const { return m_bitmap; }
    // Copies image, guides and parts; the cache is rebuilt at the next paint.
    void SetBitmap(const TMultiPartBitmap &bitmap);
    // For the skin loader: fill the owned bitmap in place (invalidates the cache).
    TMultiPartBitmap &EditBitmap();

    ColorRef Color() const { return m_color; }
    void SetColor(ColorRef color);

    bool CacheValid() const { return m_cacheValid; }
    const QImage &BackgroundCache() const { return m_cache; }

    MouseEvent OnMouseDown;
    MouseEvent OnMouseMove;
    MouseEvent OnMouseUp;
    NotifyEvent OnResize;

protected:
    // Fills `clip` with the background: a copy from the cache, or the colour.
    void PaintBackground(QPainter &painter, const QRect &clip);
    // Runs after the children have been laid out for a new size.
    virtual void Resized() {}
    void SizeChangedWhileHidden() override;

    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void HandleResize();

    TMultiPartBitmap m_bitmap;
    QImage m_cache;
    bool m_cacheValid = false;
    ColorRef m_color = clBtnFaceDefault;
};
