#include "tools/skinzip/ZipWriter.h"

#include "ZipTestReader.h"

#include <gtest/gtest.h>

namespace {

QByteArray Noise(int size)
{
    QByteArray out(size, '\0');
    quint32 x = 2463534242u;
    for (int i = 0; i < size; ++i) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        out[i] = char(x);
    }
    return out;
}

} // namespace

TEST(ZipWriter, EveryMemberReadsBackWithItsHeaders)
{
    const std::vector<ZipMember> members = {
        {"skin.ini", "[General]\r\nBorders=4\r\n"},
        {"empty.bmp", ""},
        {"noise.bin", Noise(70000)}, // does not compress: deflate stores it in blocks
        {"sub/dir/Play.BMP", QByteArray(5000, 'a')},
    };
    const ZipTestArchive a = ZipTestParse(WriteZip(members));
    ASSERT_TRUE(a.error.isEmpty()) << a.error.toStdString();
    ASSERT_EQ(a.members.size(), members.size());
    for (size_t i = 0; i < members.size(); ++i) {
        SCOPED_TRACE(members[i].name.toStdString());
        const ZipTestMember &m = a.members[i];
        EXPECT_EQ(m.name, members[i].name);
        EXPECT_EQ(m.data, members[i].data);
        EXPECT_EQ(m.method, 8);         // deflate, even for the empty member
        EXPECT_EQ(m.flags & 0x0008, 0); // sizes in the local header, no data descriptor
        EXPECT_EQ(m.time, kZipDosTime);
        EXPECT_EQ(m.date, kZipDosDate);
        EXPECT_EQ(m.crc, ZipCrc32(members[i].data));
    }
    EXPECT_EQ(a.members[1].crc, 0u);
    EXPECT_LT(a.members[3].packedSize, 100u);
}

TEST(ZipWriter, SameMembersGiveTheSameBytes)
{
    const std::vector<ZipMember> members = {{"a.bmp", Noise(3000)}, {"skin.ini", "x=1"}};
    EXPECT_EQ(WriteZip(members), WriteZip(members));
    EXPECT_NE(WriteZip(members), WriteZip({members[1], members[0]}));
}

TEST(ZipWriter, EmptyArchiveIsOnlyTheEndRecord)
{
    const QByteArray zip = WriteZip({});
    EXPECT_EQ(zip.size(), 22);
    const ZipTestArchive a = ZipTestParse(zip);
    EXPECT_TRUE(a.error.isEmpty()) << a.error.toStdString();
    EXPECT_TRUE(a.members.empty());
}

TEST(ZipWriter, Crc32KnownValues)
{
    EXPECT_EQ(ZipCrc32(""), 0u);
    EXPECT_EQ(ZipCrc32("123456789"), 0xCBF43926u);
}
