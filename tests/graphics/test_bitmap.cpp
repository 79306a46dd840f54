#include "common/ZError.h"
#include "graphics/Bitmap.h"
#include "support/BmpBytes.h"
#include "support/ErrorText.h"

#include <QBuffer>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
// 4 x 3: top row red, middle green, bottom row blue except a fuchsia bottom-left.
QImage sample()
{
    QImage img(4, 3, QImage::Format_RGB32);
    for (int x = 0; x < 4; ++x) {
        img.setPixel(x, 0, qRgb(255, 0, 0));
        img.setPixel(x, 1, qRgb(0, 255, 0));
        img.setPixel(x, 2, qRgb(0, 0, 255));
    }
    img.setPixel(0, 2, qRgb(255, 0, 255));
    return img;
}
} // namespace

TEST(Bitmap, Loads24And32BitsOpaque)
{
    for (int bpp : {24, 32}) {
        SCOPED_TRACE(bpp);
        KeyedBitmap bmp;
        // An alpha byte of 0 in a 32-bit file must not make the image invisible.
        bmp.LoadFromData(BmpBytes(sample(), bpp, 0));
        ASSERT_FALSE(bmp.Empty());
        EXPECT_EQ(bmp.Width(), 4);
        EXPECT_EQ(bmp.Height(), 3);
        EXPECT_EQ(bmp.Image().pixel(2, 0), qRgb(255, 0, 0));
        EXPECT_EQ(bmp.Image().pixel(0, 2), qRgb(255, 0, 255));
        EXPECT_EQ(bmp.Image().pixel(3, 2), qRgb(0, 0, 255));
    }
}

TEST(Bitmap, LoadsFromStreamAndFile)
{
    const QByteArray bytes = BmpBytes(sample(), 24);
    QBuffer buf;
    buf.setData(bytes);
    buf.open(QIODevice::ReadOnly);
    KeyedBitmap a;
    a.LoadFromStream(buf);
    EXPECT_EQ(a.Image().pixel(1, 1), qRgb(0, 255, 0));

    QTemporaryDir dir;
    const QString path = dir.filePath("x.bmp");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    f.close();
    KeyedBitmap b;
    b.LoadFromFile(path);
    EXPECT_EQ(b.Image(), a.Image());
}

TEST(Bitmap, ErrorsKeepTheOldImage)
{
    KeyedBitmap bmp;
    bmp.LoadFromData(BmpBytes(sample(), 24));
    const QByteArray good = BmpBytes(sample(), 24);
    for (const QByteArray &bad :
         {QByteArray(), QByteArray("BMnonsense"), good.left(40), QByteArray("\x89PNG\r\n")})
        EXPECT_EQ(ErrorText([&] { bmp.LoadFromData(bad); }), "Bitmap image is not valid")
            << bad.toHex().toStdString();
    EXPECT_EQ(bmp.Width(), 4);
    const QString missing = ErrorText([&] { bmp.LoadFromFile("/nonexistent/x.bmp"); });
    EXPECT_TRUE(missing.startsWith("Cannot open file \"/nonexistent/x.bmp\". ")) << missing.toStdString();
}

TEST(Bitmap, KeyColourAutoAndFixed)
{
    KeyedBitmap bmp;
    EXPECT_EQ(bmp.KeyColor(), clFuchsia); // no image: the fixed colour
    bmp.SetImage(sample());
    EXPECT_EQ(bmp.KeyColor(), clFuchsia); // bottom-left pixel
    bmp.TransparentFixed = true;
    bmp.TransparentColor = clBlue;
    EXPECT_EQ(bmp.KeyColor(), clBlue);
}

TEST(Bitmap, KeyedImageIsCachedPerImageAndKey)
{
    KeyedBitmap bmp;
    bmp.SetImage(sample());
    const QImage &k1 = bmp.KeyedImage();
    EXPECT_EQ(qAlpha(k1.pixel(0, 2)), 0);
    EXPECT_EQ(k1.pixel(1, 2), qRgb(0, 0, 255));
    const qint64 key = k1.cacheKey();
    EXPECT_EQ(bmp.KeyedImage().cacheKey(), key);

    bmp.TransparentFixed = true;
    bmp.TransparentColor = clRed; // 0x0000FF is red
    const QImage &k2 = bmp.KeyedImage();
    EXPECT_NE(k2.cacheKey(), key);
    EXPECT_EQ(qAlpha(k2.pixel(3, 0)), 0);
    EXPECT_EQ(k2.pixel(0, 2), qRgb(255, 0, 255));

    const qint64 key2 = k2.cacheKey();
    bmp.SetImage(sample());
    EXPECT_NE(bmp.KeyedImage().cacheKey(), key2);
}

TEST(Bitmap, DrawLeavesKeyOutAndDoesNotSmooth)
{
    KeyedBitmap bmp;
    bmp.SetImage(sample());
    QImage canvas(8, 6, QImage::Format_RGB32);
    canvas.fill(qRgb(1, 2, 3));
    {
        QPainter p(&canvas);
        p.setRenderHint(QPainter::SmoothPixmapTransform, true);
        bmp.Transparent = true;
        bmp.Draw(p, QRect(0, 0, 8, 6), QRect(0, 0, 4, 3));
        EXPECT_TRUE(p.testRenderHint(QPainter::SmoothPixmapTransform));
    }
    EXPECT_EQ(canvas.pixel(0, 5), qRgb(1, 2, 3)); // the key pixel, doubled, left out
    EXPECT_EQ(canvas.pixel(1, 4), qRgb(1, 2, 3));
    EXPECT_EQ(canvas.pixel(2, 4), qRgb(0, 0, 255));
    EXPECT_EQ(canvas.pixel(7, 0), qRgb(255, 0, 0));
    EXPECT_EQ(canvas.pixel(5, 2), qRgb(0, 255, 0)); // no blend between rows
    EXPECT_EQ(canvas.pixel(5, 3), qRgb(0, 255, 0));

    KeyedBitmap copy;
    copy.Assign(bmp);
    EXPECT_TRUE(copy.Transparent);
    EXPECT_EQ(copy.Image(), bmp.Image());
}
