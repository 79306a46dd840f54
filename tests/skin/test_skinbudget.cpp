// What a skin may unpack is bounded from headers: the total of its bitmap
// bytes and each bitmap's pixel size, with the file named.
#include "SkinTestKit.h"

#include <QtEndian>

// The 54 bytes of a 24-bit BMP header and no pixels: all a size check may read.
static QByteArray BmpHeader(qint32 width, qint32 height)
{
    QByteArray h = "BM" + QByteArray(52, '\0');
    for (const auto &[at, value] :
         {std::pair{10, 54}, {14, 40}, {18, width}, {22, height}, {26, 1 | 24 << 16}})
        qToLittleEndian<qint32>(value, h.data() + at);
    return h;
}

TEST_F(SkinHostTest, SkinsMayUnpackOnlySoMuch)
{
    const QString ini = "[TopPanel]\nBitmap=a.bmp\n[BottomPanel]\nBitmap=b.bmp\n[LeftPanel]\nBitmap=c.bmp\n";
    // 60 MiB each by the archive's headers, one byte of data: the third is
    // refused before anything is inflated, the first two fail their own way.
    std::vector<ZipMember> members{{"skin.ini", ini.toUtf8()}};
    for (const char *name : {"a.bmp", "b.bmp", "c.bmp"})
        members.push_back({name, "x"});
    WriteFile(skins + "/Big.zip", WriteZip(members, [](std::size_t index, ZipFields &f) {
                  if (index > 0)
                      f.size = 60u << 20;
              }));
    WriteFolderSkin(skins, "Wide", ini, {{"a.bmp", BmpHeader(20000, 1)}, {"b.bmp", BmpHeader(4097, -4097)}});
    QFile sparse(WriteFolderSkin(skins, "Sparse", ini) + "a.bmp"); // its size alone must stop it
    ASSERT_TRUE(sparse.open(QIODevice::WriteOnly) && sparse.resize(200 << 20));
    WriteArchiveSkin(skins, "Packed", ini, {{"c.bmp", BmpHeader(5000, 5000)}});
    Create();

    const QString at = "Error Loading Skin at section: %1, Bitmap\n\r";
    const QString total =
        "Skin too large: \"%1\" (%2 bytes) would take it past the 128 MiB a skin may unpack in all.";
    const QString pixels =
        "Bitmap too large: \"%1\" is %2 pixels; a skin bitmap may have at most 16384 pixels a "
        "side and 16777216 pixels in all.";
    const std::pair<const char *, QStringList> rows[] = {
        {"Big",
         {at.arg("TopPanel") + "CRC Error in \"a.bmp\".", at.arg("BottomPanel") + "CRC Error in \"b.bmp\".",
          at.arg("LeftPanel") + total.arg("c.bmp").arg(60 << 20)}},
        {"Wide",
         {at.arg("TopPanel") + pixels.arg("a.bmp", "20000 x 1"),
          at.arg("BottomPanel") + pixels.arg("b.bmp", "4097 x 4097")}},
        {"Sparse", {at.arg("TopPanel") + total.arg("a.bmp").arg(200 << 20)}},
        {"Packed", {at.arg("LeftPanel") + pixels.arg("c.bmp", "5000 x 5000")}},
    };
    for (const auto &[name, expected] : rows) {
        const int folder = IndexOf(name, SkinKind::Folder);
        skin->LoadSkin(folder >= 0 ? folder : IndexOf(name, SkinKind::Archive));
        QStringList got = reports.take();
        got.removeIf([](const QString &m) { return m.contains("does not exist") || m.contains("contain "); });
        EXPECT_EQ(got, expected) << name;
    }
}
