// Skin archives: the reader on archives from the skin archive writer (some of
// them deliberately broken) and from the zip tool;
// the writer's archives checked by unzip.
#include "skin/ZipFile.h"
#include "tools/skinzip/ZipWriter.h"

namespace {
const QByteArray Ini = QByteArray("[Skin]\nName=Test\n").repeated(40);
const QByteArray Bmp = QByteArray("BM\x01\x02\x03 some pixels ", 18).repeated(100);
const std::vector<ZipMember> Sample = {
    {"Skin.ini", Ini}, {"img/Play.bmp", Bmp}, {"empty.txt", ""}, {"", "nameless"}};

TZipFile Load(const QByteArray &bytes)
{
    TZipFile z;
    z.LoadFromData(bytes);
    return z;
}

// The message of the ZError that f throws, prefixed by its kind.
QString Failure(const std::function<void()> &f)
{
    try {
        f();
    } catch (const EZipFileCRCError &e) {
        return "crc: " + e.message();
    } catch (const ZError &e) {
        return "error: " + e.message();
    }
    return "no error";
}

} // namespace

TEST(Zip, FindsMembersReadsThemAndTheHighestRatio)
{
    std::vector<ZipMember> members = Sample;
    members.push_back({"caf\xE9.bmp", "latin"}); // not UTF-8: read as Windows-1252
    members.push_back({"\xC3\xBC.bmp", "utf8"});
    const TZipFile z = Load(WriteZip(members));
    ASSERT_EQ(z.Count(), 6);
    for (int i = 0; i < z.Count(); ++i)
        EXPECT_EQ(z.GetData(i), members[std::size_t(i)].data) << i;
    // Not found: an empty name even though a member has one, a name without its folder or with
    // backslashes, and a letter case differing outside ASCII.
    const std::pair<QString, int> names[] = {{"skin.ini", 0},
                                             {"IMG/play.BMP", 1},
                                             {"empty.txt", 2},
                                             {"", -1},
                                             {"play.bmp", -1},
                                             {"img\\play.bmp", -1},
                                             {QString::fromUtf8("CAF\xC3\xA9.bmp"), 4},
                                             {QString::fromUtf8("\xC3\xBC.BMP"), 5},
                                             {QString::fromUtf8("\xC3\x9C.bmp"), -1}};
    for (const auto &[name, index] : names)
        EXPECT_EQ(z.IndexOf(name), index) << name.toStdString();
    const QByteArray zeros(16 * 1024 * 1024, '\0');
    const TZipFile z2 = Load(WriteZip({{"zeros", zeros}}));
    EXPECT_GT(zeros.size() / z2.Files[0].Data.size(), 1000);
    EXPECT_EQ(z2.GetData(0), zeros);
    const QByteArray zip = WriteZip({{"a.txt", "hello"}});
    EXPECT_EQ(Load("junk" + zip).Count(), 1);
    EXPECT_EQ(Load("junk!" + zip).Count(), 0); // not on a word boundary
    EXPECT_EQ(Load("PK\x03\x04").Count(), 0);
    EXPECT_EQ(Load("not a zip archive at all").IndexOf("a.txt"), -1);
}

TEST(Zip, FailuresTruncationsAndSurplusRecords)
{
    const QString big = "error: \"big\" declares %1 bytes unpacked; members larger than 64 MiB are refused.";
    const QString crcA = "crc: CRC Error in \"a\".";
    const quint32 longer = quint32(Ini.size() + 1);
    // (member, CRC and unpacked size written in its headers instead of the right ones, message)
    const std::tuple<ZipMember, std::optional<quint32>, std::optional<quint32>, QString> rows[] = {
        {{"Skin.ini", Ini}, 0x12345678u, {}, "crc: CRC Error in \"Skin.ini\"."},
        {{"a", Ini}, {}, longer, crcA},
        {{"a", Ini}, 0u, longer, crcA},
        {{"z", ""}, 1u, {}, "crc: CRC Error in \"z\"."},
        {{"big", Ini}, {}, 0xFFFFFFF0u, big.arg(0xFFFFFFF0u)},
        {{"big", Ini}, {}, 64u * 1024 * 1024 + 1, big.arg(64 * 1024 * 1024 + 1)},
        {{"a", "xy"}, {}, 10u * 1024 * 1024, crcA}, // longer than any inflate of the data
    };
    for (const auto &[member, crc, size, expected] : rows) {
        const TZipFile z = Load(WriteZip({member}, [newCrc = crc, newSize = size](std::size_t, ZipFields &f) {
            f.crc = newCrc.value_or(f.crc);
            f.size = newSize.value_or(f.size);
        }));
        EXPECT_EQ(Failure([&] { z.GetData(0); }), expected);
    }
    // Block type 3 does not exist.
    const TZipFile corrupt =
        Load(WriteZip({{"bad.bin", Ini}}, [](std::size_t, ZipFields &f) { f.packed[0] = char(0xFF); }));
    EXPECT_EQ(Failure([&] { corrupt.GetData(0); }), "error: Corrupt data in \"bad.bin\": invalid block type");
    const TZipFile one = Load(WriteZip({{"a", "x"}}));
    for (int index : {-1, 1})
        EXPECT_EQ(Failure([&] { one.GetData(index); }), "error: Index out of range.");
    const QByteArray full = WriteZip(Sample);
    const qsizetype dataStart = 30 + 8, dataEnd = dataStart + RawDeflate(Ini).size();
    const quint32 directory = Load(full).EndRecord.CentralDirOffset;
    for (qsizetype cut = 0; cut <= full.size(); ++cut) {
        SCOPED_TRACE(cut);
        const TZipFile z = Load(full.left(cut));
        ASSERT_LE(z.Count(), 4);
        EXPECT_TRUE(cut < directory || z.Count() == 4); // cut after the last member: every member is there
        for (int i = 0; i < z.Count(); ++i) {
            const QString got = Failure([&] { z.GetData(i); });
            // Either a member is whole or it is reported; never wrong data as success.
            if (got == "no error") {
                EXPECT_EQ(z.GetData(i), Sample[std::size_t(i)].data);
            } else {
                EXPECT_TRUE(got.startsWith("crc: ")) << got.toStdString();
                EXPECT_LT(cut, directory);
            }
        }
        if (cut > dataStart && cut < dataEnd) {
            ASSERT_EQ(z.Count(), 1); // a member cut inside its data is kept
            EXPECT_EQ(z.Files[0].Data.size(), cut - dataStart);
        }
    }
    QByteArray bytes = WriteZip({{"a", "1"}, {"b", "2"}});
    const qsizetype end = bytes.size() - 22, lastRecord = 46 + 1;
    bytes.insert(end, bytes.mid(end - lastRecord, lastRecord).repeated(50));
    const TZipFile z = Load(bytes);
    EXPECT_EQ(std::pair(z.Files.size(), z.Headers.size()), (std::pair<size_t, size_t>(2, 2)));
    EXPECT_EQ(z.Headers[1].FileName, QByteArray("b"));
    EXPECT_EQ(z.EndRecord.TotalEntries, 2); // read on to the end record
}

TEST(ZipWriter, UnzipAcceptsEveryKindOfMemberAndTheBytesDependOnlyOnTheMembers)
{
    QByteArray noise(70000, '\0'); // does not compress: deflate stores it in blocks
    quint32 x = 2463534242u;
    for (char &c : noise) {
        x ^= x << 13, x ^= x >> 17, x ^= x << 5;
        c = char(x);
    }
    const std::vector<ZipMember> members = {{"skin.ini", "[General]\r\nBorders=4\r\n"},
                                            {"empty.bmp", ""},
                                            {"noise.bin", noise},
                                            {"sub/dir/Play.BMP", QByteArray(5000, 'a')},
                                            {"stored.txt", "as it is", true},
                                            {"streamed.bin", QByteArray(3000, 'b'), false, true}};
    QTemporaryDir dir;
    WriteFile(dir.filePath("t.zip"), WriteZip(members));
    const ProgramRun unzip = RunProgram("unzip", {"-tq", dir.filePath("t.zip")}); // checks every CRC, header
    EXPECT_EQ(unzip.code, 0) << (unzip.out + unzip.err).toStdString();
    EXPECT_EQ(WriteZip(members), ReadFile(dir.filePath("t.zip")));
    EXPECT_NE(WriteZip(members), WriteZip({members.rbegin(), members.rend()}));
}
