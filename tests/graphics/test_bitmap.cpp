#include "graphics/Bitmap.h"
#include "tools/skinart/Bmp.h"

#include <QPainter>

namespace {
// 4 x 3: top row red, middle green, bottom row blue except a fuchsia bottom-left.
QImage Sample()
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

TEST(Bitmap, LoadsKeysAndDraws)
{
    for (int bits : {24, 32}) {
        KeyedBitmap bmp;
        // The fourth byte of a 32-bit pixel is 0: it must not make the image invisible.
        bmp.LoadFromData(EncodeBmp(Sample(), bits));
        EXPECT_EQ(bmp.Image(), Sample()) << bits;
    }
    KeyedBitmap bmp;
    const QByteArray good = EncodeBmp(Sample());
    bmp.LoadFromData(good);
    for (const QByteArray &bad :
         {QByteArray(), QByteArray("BMnonsense"), good.left(40), QByteArray("\x89PNG\r\n")})
        EXPECT_EQ(ErrorText([&] { bmp.LoadFromData(bad); }), "Bitmap image is not valid")
            << bad.toHex().toStdString();
    EXPECT_EQ(bmp.Width(), 4);
    KeyedBitmap bmp2;
    EXPECT_EQ(bmp2.KeyColor(), clFuchsia); // no image: the fixed colour
    bmp2.SetImage(Sample());
    const QImage &k1 = bmp2.KeyedImage(); // keyed by the bottom-left pixel
    EXPECT_EQ(qAlpha(k1.pixel(0, 2)), 0);
    EXPECT_EQ(k1.pixel(1, 2), qRgb(0, 0, 255));

    bmp2.TransparentFixed = true;
    bmp2.TransparentColor = clRed; // 0x0000FF is red
    EXPECT_EQ(bmp2.KeyColor(), clRed);
    const QImage &k2 = bmp2.KeyedImage();
    EXPECT_EQ(qAlpha(k2.pixel(3, 0)), 0);
    EXPECT_EQ(k2.pixel(0, 2), qRgb(255, 0, 255));

    QImage other = Sample();
    other.setPixel(3, 0, qRgb(0, 255, 0));
    bmp2.SetImage(other);
    EXPECT_EQ(bmp2.KeyedImage().pixel(3, 0), qRgb(0, 255, 0));
    QImage canvas(8, 6, QImage::Format_RGB32);
    canvas.fill(qRgb(1, 2, 3));
    {
        QPainter p(&canvas);
        p.setRenderHint(QPainter::SmoothPixmapTransform, true);
        bmp.Transparent = true; // bmp kept its image
        bmp.Draw(p, QRect(0, 0, 8, 6), QRect(0, 0, 4, 3));
        EXPECT_TRUE(p.testRenderHint(QPainter::SmoothPixmapTransform));
    }
    // The key pixel, doubled, left out; no blend between rows 2 and 3.
    EXPECT_EQ((std::array{canvas.pixel(0, 5), canvas.pixel(1, 4), canvas.pixel(2, 4), canvas.pixel(7, 0),
                          canvas.pixel(5, 2), canvas.pixel(5, 3)}),
              (std::array{qRgb(1, 2, 3), qRgb(1, 2, 3), qRgb(0, 0, 255), qRgb(255, 0, 0), qRgb(0, 255, 0),
                          qRgb(0, 255, 0)}));
}
