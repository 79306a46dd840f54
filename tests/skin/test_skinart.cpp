// The artwork tool's own checks: the BMP files it writes, and the check of a
// skin.ini against the pictures that stops a build on a mismatch.
#include "tools/skinart/Bmp.h"
#include "tools/skinart/MiniSkin.h"
#include "tools/skinart/Skins.h"

#include <QFile>
#include <gtest/gtest.h>

TEST(SkinArtBmp, RowsArePaddedBottomUpAndReadBack)
{
    for (int width : {1, 2, 3, 4, 5, 13}) {
        SCOPED_TRACE(width);
        QImage img(width, 3, QImage::Format_RGB32);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < width; ++x)
                img.setPixel(x, y, qRgb(x * 17, y * 80, 255 - x));
        const QByteArray bmp = EncodeBmp24(img);
        const int stride = (width * 3 + 3) / 4 * 4;
        ASSERT_EQ(bmp.size(), 54 + stride * 3);
        EXPECT_EQ(quint8(bmp[28]), 24); // bits per pixel
        // First stored row is the bottom one, blue first.
        EXPECT_EQ(quint8(bmp[54]), 255);
        EXPECT_EQ(quint8(bmp[55]), 160);
        EXPECT_EQ(quint8(bmp[56]), 0);
        const QImage back = QImage::fromData(bmp, "BMP").convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(back, img);
    }
}

TEST(SkinArtCheck, ReportsEveryMismatchBetweenIniAndPictures)
{
    SkinImages images;
    images["bar.bmp"] = QImage(60, 20, QImage::Format_RGB32);
    images["key.bmp"] = QImage(40, 60, QImage::Format_RGB32); // 6 cells of 20 x 20
    const QString good =
        "[P]\nBitmap=bar.bmp\nBitmapCols=15,-45,60\nBitmapRows=20\n"
        "BitmapPart0=X1,Y0,X2,LY|HS\n[B]\nBitmap=key.bmp\nBitStates=6\nWidth=20\nHeight=20\n";
    EXPECT_EQ(CheckSkin(good, images), QStringList());

    struct Row {
        const char *what;
        QString from, to;
        QString message; // part of the reported problem
    };
    const Row rows[] = {
        {"guides past the picture", "15,-45,60", "15,-45,61", "don't match the bitmap size 60"},
        {"guides not increasing", "15,-45,60", "15,10,60", "must be greater"},
        {"duplicate id", "BitmapRows=20", "BitmapRows=Y1:5,Y1:20", "Duplicate point id: Y1"},
        {"unknown id in a part", "X1,Y0,X2,LY|HS", "X1,Y0,X9,LY|HS", "bad part"},
        {"empty part", "X1,Y0,X2,LY|HS", "X2,Y0,X1,LY|HS", "bad part"},
        {"missing picture", "Bitmap=bar.bmp", "Bitmap=gone.bmp", "no picture gone.bmp"},
        {"cell not the control size", "Width=20", "Width=21", "cell 20x20 differs"},
        {"three states on a two-column sheet", "BitStates=6", "BitStates=3", "cell 40x20 differs"},
        {"bad colour", "[B]", "[B]\nColor=$zz", "bad colour $zz"},
        {"picture the ini never names", "Bitmap=key.bmp", "Bitmap=bar.bmp", "not named by skin.ini: key.bmp"},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.what);
        QString broken = good;
        broken.replace(r.from, r.to);
        ASSERT_NE(broken, good);
        const QStringList problems = CheckSkin(broken, images);
        EXPECT_TRUE(problems.join('\n').contains(r.message)) << problems.join('\n').toStdString();
    }
}

TEST(SkinArtCheck, BuiltInSkinsMatchTheirPictures)
{
    const std::pair<const char *, SkinImages> skins[] = {{"Default", DrawDefaultSkin()},
                                                         {"ZE6 ZO", DrawZe6ZoSkin()}};
    for (const auto &[name, images] : skins) {
        QFile ini(QStringLiteral(ZORVI_SKIN_SOURCES "/%1/skin.ini").arg(name));
        ASSERT_TRUE(ini.open(QIODevice::ReadOnly)) << ini.fileName().toStdString();
        EXPECT_EQ(CheckSkin(QString::fromUtf8(ini.readAll()), images), QStringList()) << name;
        for (auto it = images.begin(); it != images.end(); ++it)
            EXPECT_TRUE(it.key().endsWith(".bmp")) << it.key().toStdString();
    }
}
