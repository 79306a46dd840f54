// Any bytes as a skin bitmap: the size check from the header first, as the
// skin loader does, then the decode, and a keyed draw of what came out.
#include "../FuzzTarget.h"
#include "graphics/Bitmap.h"
#include "skin/SkinBudget.h"

#include <QBuffer>
#include <QPainter>

ZORVI_FUZZ_TARGET(bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    AllowingErrors([&] {
        const qint64 pixels = SkinBudget::CheckBitmapHeader(QStringLiteral("f.bmp"), buffer);
        KeyedBitmap bitmap;
        bitmap.LoadFromData(bytes);
        const qint64 decoded = qint64(bitmap.Width()) * bitmap.Height();
        // What the header promised is what decoding made, or the header was unreadable.
        if (decoded > SkinBudget::MaxBitmapPixels || (pixels != 0 && pixels != decoded))
            __builtin_trap();
        bitmap.Transparent = true;
        QImage target(16, 16, QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&target);
        bitmap.Draw(painter, target.rect(), QRect(0, 0, bitmap.Width(), bitmap.Height()));
    });
    return 0;
}
