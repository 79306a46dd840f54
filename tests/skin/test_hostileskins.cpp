// Skins made to hurt: files outside the skin, archives and headers that ask
// for gigabytes, thousands of sections or lines, sizes near 2^31. Each row is
// a skin and what loading it must give: the error that refuses it, or the one
// message of its faults.
#include "SkinTestKit.h"
#include "support/ErrorText.h"

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

struct Row {
    const char *name;
    QString ini;
    SkinFiles files;
    bool archive = false;
    QString refusal;    // the error that ends the load, or "no error"
    QStringList faults; // the one message of the section faults, split at its blank lines
};

} // namespace

using HostileSkinTest = SkinHostTest;

TEST_F(HostileSkinTest, RefusedOrConfinedWithOneMessage)
{
    const QString outside = skins + "/outside.bmp";
    WriteFile(outside, BmpOf({4, 4}));
    const QString at = "Error Loading Skin at section: %1\n\r";
    const QString pixels = "Skin too large: \"c.bmp\" (16000000 pixels) would take it past the 41943040 "
                           "pixels a skin's bitmaps may have in all.";
    const Row rows[] = {
        {"Dotdot",
         "[TopPanel]\nBitmap=../outside.bmp\n[BPlay]\nBitmap=..\\outside.bmp\n",
         {},
         false,
         "no error",
         {at.arg("TopPanel, Bitmap") + "\"../outside.bmp\" lies outside the skin",
          at.arg("BPlay") + "\"..\\outside.bmp\" lies outside the skin"}},
        {"Absolute",
         "[BPlay]\nBitmap=" + outside + "\n",
         {},
         false,
         "no error",
         {at.arg("BPlay") + "\"" + outside + "\" lies outside the skin"}},
        {"Link",
         "[BPlay]\nBitmap=link.bmp\n",
         {},
         false,
         "no error",
         {at.arg("BPlay") + "\"link.bmp\" lies outside the skin"}},
        {"IniLink", "", {}, false, "\"skin.ini\" lies outside the skin", {}},
        // Headers of 4000 x 4000 each: the third passes the pixels of a skin before any is decoded.
        {"Pixels",
         "[TopPanel]\nBitmap=a.bmp\n[BottomPanel]\nBitmap=b.bmp\n[LeftPanel]\nBitmap=c.bmp\n",
         {{"a.bmp", BmpHeader(4000, 4000)},
          {"b.bmp", BmpHeader(4000, -4000)},
          {"c.bmp", BmpHeader(4000, 4000)}},
         true,
         pixels,
         {at.arg("TopPanel, Bitmap") + "Bitmap image is not valid",
          at.arg("BottomPanel, Bitmap") + "Bitmap image is not valid"}},
        {"Wide",
         "[BPlay]\nBitmap=a.bmp\n",
         {{"a.bmp", BmpHeader(20000, 1)}},
         false,
         "Bitmap too large: \"a.bmp\" is 20000 x 1 pixels; a skin bitmap may have at most 16384 pixels a "
         "side "
         "and 16777216 pixels in all.",
         {}},
        // By their sizes alone: a sparse file, and archive members that declare 60 MiB each.
        {"Sparse",
         "[BPlay]\nBitmap=a.bmp\n",
         {},
         false,
         "Skin too large: \"a.bmp\" (209715200 bytes) would take it past the 128 MiB a skin may unpack in "
         "all.",
         {}},
        {"Big",
         "[TopPanel]\nBitmap=a.bmp\n[BottomPanel]\nBitmap=b.bmp\n[LeftPanel]\nBitmap=c.bmp\n",
         {},
         true,
         "Skin too large: \"c.bmp\" (62914560 bytes) would take it past the 128 MiB a skin may unpack in "
         "all.",
         {at.arg("TopPanel, Bitmap") + "CRC Error in \"a.bmp\".",
          at.arg("BottomPanel, Bitmap") + "CRC Error in \"b.bmp\"."}},
        {"Sections",
         Sections(1001, "Type=image\n"),
         {},
         false,
         "Skin too large: it has 1001 sections; a skin may have at most 1000.",
         {}},
        {"Lines",
         "[TopPanel]\n" + QString(20000, u'\r'),
         {},
         true,
         "Skin too large: skin.ini has 20002 lines; it may have at most 20000.",
         {}},
        {"Bytes",
         "[TopPanel]\n" + QString(1 << 20, u' '),
         {},
         true,
         "Skin too large: \"skin.ini\" holds more than the 1048576 bytes it may have.",
         {}},
        {"Missing",
         Sections(7, "Type=image\nBitmap=gone.bmp\n"),
         {},
         true,
         "no error",
         {at.arg("E0, Bitmap") + "zip does not contain gone.bmp",
          at.arg("E1, Bitmap") + "zip does not contain gone.bmp",
          at.arg("E2, Bitmap") + "zip does not contain gone.bmp",
          at.arg("E3, Bitmap") + "zip does not contain gone.bmp",
          at.arg("E4, Bitmap") + "zip does not contain gone.bmp", "... and 2 more."}},
    };
    for (const Row &row : rows) {
        if (row.archive)
            WriteArchiveSkin(skins, row.name, row.ini, row.files);
        else
            WriteFolderSkin(skins, row.name, row.ini, row.files);
    }
    ASSERT_TRUE(QFile::link(outside, skins + "/Link/link.bmp"));
    QFile sparse(skins + "/Sparse/a.bmp");
    ASSERT_TRUE(sparse.open(QIODevice::WriteOnly) && sparse.resize(200 << 20));
    std::vector<ZipMember> members{{"skin.ini", rows[7].ini.toUtf8()}};
    for (const char *name : {"a.bmp", "b.bmp", "c.bmp"})
        members.push_back({name, "x"});
    WriteFile(skins + "/Big.zip", WriteZip(members, [](std::size_t index, ZipFields &f) {
                  if (index > 0)
                      f.size = 60u << 20;
              }));
    QFile::remove(skins + "/IniLink/skin.ini");
    WriteFile(skins + "/outside.ini", "[TopPanel]\nSize=20\n");
    ASSERT_TRUE(QFile::link(skins + "/outside.ini", skins + "/IniLink/skin.ini"));
    Create();
    for (const Row &row : rows) {
        const int index = IndexOf(row.name, row.archive ? SkinKind::Archive : SkinKind::Folder);
        EXPECT_EQ(ErrorText([&] { skin->LoadSkin(index); }), row.refusal) << row.name;
        const QStringList got = reports.take();
        EXPECT_EQ(got.isEmpty() ? QStringList() : got.join("\n\n").split("\n\n"), row.faults) << row.name;
        EXPECT_LE(got.size(), 1) << row.name;
    }
}

TEST_F(HostileSkinTest, ABitmapNamedByManyElementsIsDecodedOnce)
{
    LoadFolderSkin(Sections(50, "Type=image\nBitmap=Big.bmp\n") + "[BPlay]\nBitmap=big.BMP\n",
                   {{"big.bmp", BmpOf({300, 200})}});
    const auto extras = skin->ExtraElements();
    ASSERT_EQ(extras.size(), 50u);
    const uchar *bits = skin->BPlay->Bitmap().Image().constBits();
    for (TZorviControl *e : extras)
        EXPECT_EQ(static_cast<TZorviImage *>(e)->Bitmap().Image().constBits(), bits);
}

TEST_F(HostileSkinTest, SizesAreClamped)
{
    const QString big = "2147483647";
    LoadFolderSkin("[General]\nMinWidth=" + big + "\nBorders=" + big + "\n[TopPanel]\nSize=" + big +
                   "\n[LeftPanel]\nSize=" + big + "\n[BPlay]\nX=-" + big + "\nWidth=" + big +
                   "\n[LTime]\nFont1Size=-2147483648\n");
    EXPECT_EQ(std::tuple(skin->Params.MinWidth, skin->Params.Borders, skin->TopPanel->height(),
                         skin->LeftPanel->width(), skin->BPlay->width(), skin->LTime->Font().pixelSize()),
              std::tuple(2000, 200, 1000, 1000, 8192, 200));
}
