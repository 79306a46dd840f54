#pragma once
// A plain bitmap (Windows BMP bytes into a QImage) with the transparency
// settings that the skin loader sets and the controls read.
#include "graphics/Colors.h"

#include <QImage>

class QIODevice;
class QPainter;

class KeyedBitmap {
public:
    KeyedBitmap() = default;
    virtual ~KeyedBitmap() = default;

    // Throws ZError with the reason when the file or bytes are not a readable
    // bitmap. The image is kept as opaque 32-bit RGB whatever the file's depth:
    // the alpha byte of 32-bit files plays no part, as on the screen it was made for.
    void LoadFromFile(const QString &fileName);
    void LoadFromData(const QByteArray &bytes);
    void LoadFromStream(QIODevice &stream);
    void Clear();
    bool Empty() const { return m_image.isNull(); }
    int Width() const { return m_image.width(); }
    int Height() const { return m_image.height(); }
    const QImage &Image() const { return m_image; }
    void SetImage(const QImage &image); // converted to opaque 32-bit RGB
    // Copies the image only (and the transparency settings).
    void Assign(const KeyedBitmap &other);

    // Transparency: fixed-colour mode uses TransparentColor; otherwise the
    // colour of the bottom-left pixel is the key.
    bool TransparentFixed = false;
    ColorRef TransparentColor = clFuchsia;
    bool Transparent = false;

    // The key colour actually in force (as 00BBGGRR).
    ColorRef KeyColor() const;
    // The image with key-colour pixels made fully transparent; built once per
    // image and key, then cached.
    const QImage &KeyedImage() const;
    // Draws source rect of the image stretched onto target, leaving the key
    // colour out when Transparent is set (smoothing off).
    void Draw(QPainter &painter, const QRect &target, const QRect &source) const;

protected:
    virtual void ImageChanged() {}

private:
    QImage m_image;
    void setLoaded(QImage image);

    mutable QImage m_keyed;
    mutable ColorRef m_keyedFor = 0;
    mutable qint64 m_keyedImageKey = -1; // cacheKey of the image m_keyed was made from
};
