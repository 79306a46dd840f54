// The artwork tool's own checks: the BMP files it writes, and the check of a
// skin.ini against the pictures that stops a build on a mismatch (the build
// runs it on the built-in skins).
#include "tools/skinart/Bmp.h"
#include "tools/skinart/MiniSkin.h"

TEST(SkinArtBmp, BmpRowsAndTheCheck)
{
    for (int bits : {24, 32}) {
        for (int width : {1, 2, 3, 4, 5, 13}) {
            SCOPED_TRACE(testing::Message() << bits << " bits, " << width << " wide");
            QImage img(width, 3, QImage::Format_RGB32);
            for (int y = 0; y < 3; ++y)
                for (int x = 0; x < width; ++x)
                    img.setPixel(x, y, qRgb(x * 17, y * 80, 255 - x));
            const QByteArray bmp = EncodeBmp(img, bits);
            ASSERT_EQ(bmp.size(), 54 + (width * bits / 8 + 3) / 4 * 4 * 3);
            EXPECT_EQ(quint8(bmp[28]), bits);
            // First stored row is the bottom one, blue first.
            EXPECT_EQ(bmp.mid(54, 3), QByteArray("\xFF\xA0\x00", 3));
            EXPECT_EQ(QImage::fromData(bmp, "BMP").convertToFormat(QImage::Format_RGB32), img);
        }
    }
    SkinImages images;
    images["bar.bmp"] = QImage(60, 20, QImage::Format_RGB32);
    images["key.bmp"] = QImage(40, 60, QImage::Format_RGB32); // 6 cells of 20 x 20
    const QString good =
        "[P]\nBitmap=bar.bmp\nBitmapCols=15,-45,60\nBitmapRows=20\n"
        "BitmapPart0=X1,Y0,X2,LY|HS\n[B]\nBitmap=key.bmp\nBitStates=6\nWidth=20\nHeight=20\n";
    EXPECT_EQ(CheckSkin(good, images), QStringList());

    // (text in the good ini, replaced by, part of the problem reported)
    const std::tuple<QString, QString, QString> rows[] = {
        {"15,-45,60", "15,-45,61", "don't match the bitmap size 60"}, // guides past the picture
        {"15,-45,60", "15,10,60", "must be greater"},
        {"BitmapRows=20", "BitmapRows=Y1:5,Y1:20", "Duplicate point id: Y1"},
        {"X1,Y0,X2,LY|HS", "X1,Y0,X9,LY|HS", "bad part"}, // unknown id
        {"X1,Y0,X2,LY|HS", "X2,Y0,X1,LY|HS", "bad part"}, // empty
        {"Bitmap=bar.bmp", "Bitmap=gone.bmp", "no picture gone.bmp"},
        {"Width=20", "Width=21", "cell 20x20 differs"},
        {"BitStates=6", "BitStates=3", "cell 40x20 differs"}, // three states on a two-column sheet
        {"[B]", "[B]\nColor=$zz", "bad colour $zz"},
        {"Bitmap=key.bmp", "Bitmap=bar.bmp", "not named by skin.ini: key.bmp"}};
    for (const auto &[from, to, message] : rows) {
        const QString problems = CheckSkin(QString(good).replace(from, to), images).join('\n');
        EXPECT_TRUE(problems.contains(message)) << to.toStdString() << ": " << problems.toStdString();
    }
}
