// Skins made to hurt: files outside the skin, archives and headers that ask
// for gigabytes, thousands of sections or lines, sizes near 2^31. Each row is
// a skin and what loading it gives: the error that refuses it, and the one
// message of its section faults ("|" between faults).
#include "SkinTestKit.h"

#include <QtEndian>

namespace {
// The 54 bytes of a 24-bit BMP header and no pixels: all a size check may read.
QByteArray BmpHeader(qint32 width, qint32 height)
{
    QByteArray h = "BM" + QByteArray(52, '\0');
    for (const auto &[at, value] :
         {std::pair{10, 54}, {14, 40}, {18, width}, {22, height}, {26, 1 | 24 << 16}})
        qToLittleEndian<qint32>(value, h.data() + at);
    return h;
}
QString Sections(int count, const QString &body)
{
    QString ini;
    for (int i = 0; i < count; ++i)
        ini += QString("[E%1]\n").arg(i) + body;
    return ini;
}
} // namespace

using HostileSkinTest = SkinHostTest;

TEST_F(HostileSkinTest, RefusedOrConfinedWithOneMessage)
{
    const QString out = skins + "/outside.bmp", three =
                                                    "[TopPanel]\nBitmap=a.bmp\n[BottomPanel]\nBitmap=b.bmp\n"
                                                    "[LeftPanel]\nBitmap=c.bmp\n";
    WriteFile(out, BmpOf({4, 4}));
    WriteFile(skins + "/outside.ini", "[TopPanel]\nSize=20\n");
    const QString big =
        "Skin too large: \"%1\" (%2 bytes) would take it past the 128 MiB a skin may unpack in all.";
    // (name, archive, skin.ini, refusal, faults)
    const std::tuple<const char *, bool, QString, QString, QString> rows[] = {
        {"Dotdot", false, "[TopPanel]\nBitmap=../outside.bmp\n[BPlay]\nBitmap=..\\outside.bmp\n", "no error",
         "TopPanel, Bitmap:\"../outside.bmp\" lies outside the skin|BPlay:\"..\\outside.bmp\" lies outside "
         "the skin"},
        {"Absolute", false, "[BPlay]\nBitmap=" + out + "\n", "no error",
         "BPlay:\"" + out + "\" lies outside the skin"},
        {"Link", false, "[BPlay]\nBitmap=link.bmp\n", "no error", "BPlay:\"link.bmp\" lies outside the skin"},
        {"IniLink", false, "", "\"skin.ini\" lies outside the skin", ""},
        // Headers of 4000 x 4000 (C.BMP found as c.bmp): the third passes a skin's pixels before any decode.
        {"Pixels", true, three,
         "Skin too large: \"c.bmp\" (16000000 pixels) would take it past the 41943040 pixels a skin's "
         "bitmaps may have in all.",
         "TopPanel, Bitmap:Bitmap image is not valid|BottomPanel, Bitmap:Bitmap image is not valid"},
        {"Wide", false, "[BPlay]\nBitmap=a.bmp\n",
         "Bitmap too large: \"a.bmp\" is 20000 x 1 pixels; a skin bitmap may have at most 16384 pixels a "
         "side and 16777216 pixels in all.",
         ""},
        // By their sizes alone: a sparse file, archive members that declare 60 MiB each.
        {"Sparse", false, "[BPlay]\nBitmap=a.bmp\n", big.arg("a.bmp").arg(200 << 20), ""},
        {"Big", true, three, big.arg("c.bmp").arg(60 << 20),
         "TopPanel, Bitmap:CRC Error in \"a.bmp\".|BottomPanel, Bitmap:CRC Error in \"b.bmp\"."},
        {"Sections", false, Sections(1001, "Type=image\n"),
         "Skin too large: it has 1001 sections; a skin may have at most 1000.", ""},
        {"Lines", true, "[TopPanel]\n" + QString(20000, u'\r'),
         "Skin too large: skin.ini has 20002 lines; it may have at most 20000.", ""},
        {"Bytes", true, "[TopPanel]\n" + QString(1 << 20, u' '),
         "Skin too large: \"skin.ini\" holds more than the 1048576 bytes it may have.", ""},
        {"Missing", true, Sections(7, "Type=image\nBitmap=gone.bmp\n"), "no error",
         "E0, Bitmap:zip does not contain gone.bmp|E1, Bitmap:zip does not contain gone.bmp|"
         "E2, Bitmap:zip does not contain gone.bmp|E3, Bitmap:zip does not contain gone.bmp|"
         "E4, Bitmap:zip does not contain gone.bmp|... and 2 more."}};
    for (const auto &[name, archive, ini, refusal, faults] : rows)
        archive ? (void)WriteArchiveSkin(skins, name, ini) : (void)WriteFolderSkin(skins, name, ini);
    WriteFolderSkin(skins, "Wide", std::get<2>(rows[5]), {{"a.bmp", BmpHeader(20000, 1)}});
    WriteArchiveSkin(skins, "Pixels", three,
                     {{"a.bmp", BmpHeader(4000, 4000)},
                      {"b.bmp", BmpHeader(4000, -4000)},
                      {"C.BMP", BmpHeader(4000, 4000)}});
    WriteFile(skins + "/Big.zip",
              WriteZip({{"skin.ini", three.toUtf8()}, {"a.bmp", "x"}, {"b.bmp", "x"}, {"c.bmp", "x"}},
                       [](std::size_t index, ZipFields &f) { f.size = index ? 60u << 20 : f.size; }));
    QFile sparse(skins + "/Sparse/a.bmp");
    ASSERT_TRUE(sparse.open(QIODevice::WriteOnly) && sparse.resize(200 << 20));
    QFile::remove(skins + "/IniLink/skin.ini");
    ASSERT_TRUE(QFile::link(out, skins + "/Link/link.bmp") &&
                QFile::link(skins + "/outside.ini", skins + "/IniLink/skin.ini"));
    Create();
    for (const auto &[name, archive, ini, refusal, faults] : rows) {
        const int index = IndexOf(name, archive ? SkinKind::Archive : SkinKind::Folder);
        EXPECT_EQ(ErrorText([&] { skin->LoadSkin(index); }), refusal) << name;
        QStringList expected = faults.isEmpty() ? QStringList() : faults.split(u'|');
        for (QString &fault : expected)
            if (!fault.startsWith("..."))
                fault = "Error Loading Skin at section: " + fault.replace(":", "\n\r");
        EXPECT_EQ(reports.take(), expected.isEmpty() ? QStringList() : QStringList{expected.join("\n\n")})
            << name;
    }
}

TEST_F(HostileSkinTest, ABitmapNamedByManyElementsIsDecodedOnceAndSizesAreClamped)
{
    const QString big = "2147483647";
    LoadFolderSkin(Sections(50, "Type=image\nBitmap=Big.bmp\n") + "[BPlay]\nBitmap=big.BMP\nX=-" + big +
                       "\nWidth=" + big + "\n[General]\nMinWidth=" + big + "\nBorders=" + big +
                       "\n[TopPanel]\nSize=" + big + "\n[LeftPanel]\nSize=" + big +
                       "\n[LTime]\nFont1Size=-2147483648\n",
                   {{"big.bmp", BmpOf({300, 200})}});
    const uchar *bits = skin->BPlay->Bitmap().Image().constBits();
    for (TZorviControl *e : skin->ExtraElements())
        EXPECT_EQ(static_cast<TZorviImage *>(e)->Bitmap().Image().constBits(), bits);
    EXPECT_EQ(std::tuple(skin->ExtraElements().size(), skin->Params.MinWidth, skin->Params.Borders,
                         skin->TopPanel->height(), skin->LeftPanel->width(), skin->BPlay->width(),
                         skin->LTime->Font().pixelSize()),
              std::tuple(size_t(50), 2000, 200, 1000, 1000, 8192, 200));
}
