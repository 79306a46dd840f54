#include "skin/SkinBudget.h"

#include <QImageReader>

namespace {
// Counts an amount against a total, or refuses it whole with the skin's
// message (made only then).
template <typename Refusal> void Count(qint64 &used, qint64 max, qint64 amount, Refusal refusal)
{
    if (amount < 0 || amount > max - used)
        throw ESkinTooLarge(refusal());
    used += amount;
}
} // namespace

void SkinBudget::Take(const QString &name, qint64 bytes)
{
    Count(m_used, MaxTotalBytes, bytes, [&] {
        return QStringLiteral("Skin too large: \"%1\" (%2 bytes) would take it past the %3 MiB a skin may "
                              "unpack in all.")
            .arg(name)
            .arg(bytes)
            .arg(MaxTotalBytes / (qint64(1024) * 1024));
    });
}

void SkinBudget::TakePixels(const QString &name, qint64 pixels)
{
    Count(m_pixels, MaxTotalPixels, pixels, [&] {
        return QStringLiteral("Skin too large: \"%1\" (%2 pixels) would take it past the %3 pixels a skin's "
                              "bitmaps may have in all.")
            .arg(name)
            .arg(pixels)
            .arg(MaxTotalPixels);
    });
}

qint64 SkinBudget::CheckBitmapHeader(const QString &name, QIODevice &device)
{
    QImageReader reader(&device, "BMP");
    // A top-down BMP gives its height as a negative number; no size read gives -1 x -1.
    const QSize size = reader.size();
    const qint64 w = qAbs(qint64(size.width())), h = qAbs(qint64(size.height()));
    if (w <= MaxBitmapSide && h <= MaxBitmapSide && w * h <= MaxBitmapPixels)
        return size.width() >= 0 ? w * h : 0;
    throw ESkinTooLarge(
        QStringLiteral("Bitmap too large: \"%1\" is %2 x %3 pixels; a skin bitmap may have at "
                       "most %4 pixels a side and %5 pixels in all.")
            .arg(name)
            .arg(w)
            .arg(h)
            .arg(MaxBitmapSide)
            .arg(MaxBitmapPixels));
}
