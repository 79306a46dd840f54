#include "graphics/Bitmap.h"

#include "common/ZError.h"

#include <QBuffer>
#include <QCache>
#include <QFile>
#include <QPainter>

namespace {
QImage decodeBmp(const QByteArray &bytes)
{
    QImage image;
    // Only BMP: skin files name bitmaps, and a file of another format under a
    // .bmp name must fail the same way on every system.
    if (bytes.isEmpty() || !image.loadFromData(bytes, "BMP") || image.isNull())
        return {};
    return image.convertToFormat(QImage::Format_RGB32);
}

QRgb toRgb(ColorRef color)
{
    const auto c = std::uint32_t(color);
    return qRgb(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}
} // namespace

void KeyedBitmap::setLoaded(QImage image)
{
    m_image = std::move(image);
    m_keyed = QImage();
    m_keyedImageKey = -1;
    ImageChanged();
}

void KeyedBitmap::LoadFromFile(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw ZError(QStringLiteral("Cannot open file \"%1\". %2").arg(fileName, file.errorString()));
    QImage image = decodeBmp(file.readAll());
    if (image.isNull())
        throw ZError(QStringLiteral("Bitmap image is not valid: \"%1\"").arg(fileName));
    setLoaded(std::move(image));
}

void KeyedBitmap::LoadFromData(const QByteArray &bytes)
{
    QImage image = decodeBmp(bytes);
    if (image.isNull())
        throw ZError(QStringLiteral("Bitmap image is not valid"));
    setLoaded(std::move(image));
}

void KeyedBitmap::LoadFromStream(QIODevice &stream)
{
    LoadFromData(stream.readAll());
}

void KeyedBitmap::Clear()
{
    setLoaded(QImage());
}

void KeyedBitmap::SetImage(const QImage &image)
{
    setLoaded(image.isNull() ? QImage() : image.convertToFormat(QImage::Format_RGB32));
}

void KeyedBitmap::Assign(const KeyedBitmap &other)
{
    TransparentFixed = other.TransparentFixed;
    TransparentColor = other.TransparentColor;
    Transparent = other.Transparent;
    setLoaded(other.m_image);
}

ColorRef KeyedBitmap::KeyColor() const
{
    if (TransparentFixed || m_image.isNull())
        return TransparentColor;
    const QRgb p = m_image.pixel(0, m_image.height() - 1);
    return ColorRef(qRed(p) | (qGreen(p) << 8) | (qBlue(p) << 16));
}

const QImage &KeyedBitmap::KeyedImage() const
{
    const ColorRef key = KeyColor();
    if (m_keyedImageKey == m_image.cacheKey() && m_keyedFor == key)
        return m_keyed;
    m_keyedImageKey = m_image.cacheKey();
    m_keyedFor = key;
    if (m_image.isNull()) {
        m_keyed = QImage();
        return m_keyed;
    }
    // Bitmaps sharing one image (a skin file named by many elements) share
    // its keyed image too, so fifty elements do not make fifty copies.
    static QCache<QPair<qint64, ColorRef>, QImage> shared(qsizetype(32) * 1024 * 1024); // cost: pixels
    const QPair<qint64, ColorRef> id(m_image.cacheKey(), key);
    if (const QImage *known = shared.object(id)) {
        m_keyed = *known;
        return m_keyed;
    }
    // Premultiplied: the format the raster painter blends fastest; a keyed
    // pixel becomes 0 (fully transparent), every other pixel stays opaque.
    QImage keyed = m_image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QRgb keyRgb = toRgb(key) & 0xFFFFFF;
    for (int y = 0; y < keyed.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x)
            if ((line[x] & 0xFFFFFF) == keyRgb)
                line[x] = 0;
    }
    m_keyed = std::move(keyed);
    shared.insert(id, new QImage(m_keyed), qsizetype(m_keyed.width()) * m_keyed.height());
    return m_keyed;
}

void KeyedBitmap::Draw(QPainter &painter, const QRect &target, const QRect &source) const
{
    if (m_image.isNull() || target.isEmpty() || source.isEmpty())
        return;
    const QImage &image = Transparent ? KeyedImage() : m_image;
    const bool smooth = painter.testRenderHint(QPainter::SmoothPixmapTransform);
    if (smooth)
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (target.size() == source.size())
        painter.drawImage(target.topLeft(), image, source);
    else
        painter.drawImage(target, image, source);
    if (smooth)
        painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
}
