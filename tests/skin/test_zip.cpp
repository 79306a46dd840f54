#include "ZipBuilder.h"
#include "skin/ZipFile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QProcess>
#include <QResource>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
const QByteArray Ini = QByteArray("[Skin]\nName=Test\n").repeated(40);
const QByteArray Bmp = QByteArray("BM\x01\x02\x03 some pixels ", 18).repeated(100);

std::vector<ZipMember> sampleMembers()
{
    return {{"Skin.ini", Ini}, {"img/Play.bmp", Bmp}, {"empty.txt", ""}, {"", "nameless"}};
}

TZipFile load(const QByteArray &bytes)
{
    TZipFile z;
    z.LoadFromData(bytes);
    return z;
}

// The message of the ZError that f throws, prefixed by its kind.
QString failure(const std::function<void()> &f)
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

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}
} // namespace

TEST(Zip, ReadsMembersDirectoryAndComment)
{
    const TZipFile z = load(BuildZip(sampleMembers()));
    ASSERT_EQ(z.Count(), 4);
    ASSERT_EQ(z.Headers.size(), 4u);
    EXPECT_EQ(z.Headers[1].FileName, QByteArray("img/Play.bmp"));
    EXPECT_EQ(z.EndRecord.TotalEntries, 4);
    EXPECT_EQ(z.Comment, QByteArray("made by a test"));
    EXPECT_EQ(z.GetData(z.IndexOf("skin.ini")), Ini);
    EXPECT_EQ(z.GetData(z.IndexOf("IMG/play.BMP")), Bmp);
    EXPECT_EQ(z.GetData(z.IndexOf("empty.txt")), QByteArray());
    EXPECT_EQ(z.IndexOf(""), -1); // even though a member has an empty name
    EXPECT_EQ(z.IndexOf("play.bmp"), -1);
    EXPECT_EQ(z.IndexOf("img\\play.bmp"), -1);
}

TEST(Zip, FailuresWithTheirMessages)
{
    const QString big =
        QStringLiteral("\"big\" declares %1 bytes unpacked; members larger than 64 MiB are refused.");
    struct Row {
        const char *what;
        std::vector<ZipMember> members;
        int index;
        QString expected;
    } rows[] = {
        {"wrong crc",
         {{"a", "x"}, {"Skin.ini", Ini, true, 0x12345678u}},
         1,
         "crc: CRC Error in \"Skin.ini\"."},
        {"declared longer than the data",
         {{"a", Ini, true, std::nullopt, quint32(Ini.size() + 1)}},
         0,
         "crc: CRC Error in \"a\"."},
        {"short with crc 0", {{"a", Ini, true, 0u, quint32(Ini.size() + 1)}}, 0, "crc: CRC Error in \"a\"."},
        {"zero length with a crc", {{"z", "", true, 1u}}, 0, "crc: CRC Error in \"z\"."},
        {"huge declared size", {{"big", Ini, true, std::nullopt, 0xFFFFFFF0u}}, 0, big.arg(0xFFFFFFF0u)},
        {"just above the limit",
         {{"big", Ini, true, std::nullopt, 64u * 1024 * 1024 + 1}},
         0,
         big.arg(64 * 1024 * 1024 + 1)},
        {"longer than any inflate of the data",
         {{"a", "xy", true, std::nullopt, 10u * 1024 * 1024}},
         0,
         "crc: CRC Error in \"a\"."},
        {"index below", {{"a", "x"}}, -1, "error: Index out of range."},
        {"index above", {{"a", "x"}}, 1, "error: Index out of range."},
        {"no members", {}, 0, "error: Index out of range."},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.what);
        const TZipFile z = load(BuildZip(r.members));
        const QString got = failure([&] { z.GetData(r.index); });
        if (r.expected.startsWith('"'))
            EXPECT_EQ(got, "error: " + r.expected);
        else
            EXPECT_EQ(got, r.expected);
    }
}

TEST(Zip, HighestDeflateRatioStillInflates)
{
    const QByteArray zeros(16 * 1024 * 1024, '\0');
    const TZipFile z = load(BuildZip({{"zeros", zeros}}));
    EXPECT_GT(zeros.size() / z.Files[0].Data.size(), 1000);
    EXPECT_EQ(z.GetData(0), zeros);
}

TEST(Zip, CorruptDeflateDataIsAnInflaterError)
{
    QByteArray bytes = BuildZip({{"bad.bin", Ini}});
    bytes[30 + 7] = char(0xFF); // first byte of the data: block type 3 does not exist
    EXPECT_TRUE(failure([&] { load(bytes).GetData(0); }).startsWith("error: Corrupt data in \"bad.bin\": "));
}

TEST(Zip, ArchiveCutAfterLastMemberStillGivesAll)
{
    const TZipFile z = load(BuildZip(sampleMembers(), ZipTail::None));
    ASSERT_EQ(z.Count(), 4);
    EXPECT_EQ(z.Headers.size(), 4u);
    EXPECT_EQ(z.EndRecord.Signature, 0u);
    EXPECT_EQ(z.GetData(1), Bmp);
}

TEST(Zip, MoreDirectoryRecordsThanMembersAreDropped)
{
    const TZipFile z = load(BuildZip({{"a", "1"}, {"b", "2"}}, ZipTail::Full, 50, "still read"));
    EXPECT_EQ(z.Files.size(), 2u);
    EXPECT_EQ(z.Headers.size(), 2u);
    EXPECT_EQ(z.Headers[1].FileName, QByteArray("b"));
    EXPECT_EQ(z.Comment, QByteArray("still read"));
    EXPECT_EQ(z.EndRecord.TotalEntries, 52);
}

TEST(Zip, EveryTruncationReadsOnlyWhatIsThere)
{
    const QByteArray full = BuildZip(sampleMembers());
    const QByteArray firstData = RawDeflate(Ini);
    for (qsizetype cut = 0; cut <= full.size(); ++cut) {
        SCOPED_TRACE(cut);
        const TZipFile z = load(full.left(cut));
        ASSERT_LE(z.Count(), 4);
        for (int i = 0; i < z.Count(); ++i) {
            const QString got = failure([&] { z.GetData(i); });
            // Either a member is whole or it is reported; never wrong data as success.
            if (got == "no error")
                EXPECT_EQ(z.GetData(i), sampleMembers()[std::size_t(i)].content);
            else
                EXPECT_TRUE(got.startsWith("crc: ")) << got.toStdString();
        }
        if (cut > 30 + 8 && cut < 30 + 8 + firstData.size()) {
            ASSERT_EQ(z.Count(), 1); // a member cut inside its data is kept
            EXPECT_EQ(z.Files[0].Data.size(), cut - 38);
        }
    }
}

TEST(Zip, LocatesTheFirstHeaderByWords)
{
    const QByteArray zip = BuildZip({{"a.txt", "hello"}});
    EXPECT_EQ(load("junk" + zip).Count(), 1);
    EXPECT_EQ(load("junk!" + zip).Count(), 0); // not on a word boundary
    EXPECT_EQ(load("PK\x03\x04").Count(), 0);
    EXPECT_EQ(load("not a zip archive at all").IndexOf("a.txt"), -1);

    QBuffer buf; // reading starts at the stream's position
    buf.setData("xyz" + zip);
    buf.open(QIODevice::ReadOnly);
    buf.seek(3);
    TZipFile z;
    z.LoadFromStream(buf);
    EXPECT_EQ(z.GetData(z.IndexOf("A.TXT")), QByteArray("hello"));
}

TEST(Zip, DataDescriptorMemberEndsTheScan)
{
    // Without a central directory nothing tells the streamed member's size.
    QByteArray bytes = BuildZip({{"first", "1"}, {"second", "2"}}, ZipTail::None);
    // Sizes and CRC zero in the first header, as a streaming archiver writes them.
    bytes[6] = char(8);
    for (int k = 14; k < 26; ++k)
        bytes[k] = 0;
    const TZipFile z = load(bytes);
    ASSERT_EQ(z.Count(), 1);
    EXPECT_EQ(z.GetData(0), QByteArray());
    EXPECT_EQ(z.IndexOf("second"), -1);
}

TEST(Zip, FileAndResourceSources)
{
    TZipFile z;
    EXPECT_TRUE(failure([&] {
                    z.LoadFromFile("/nonexistent/skin.zip");
                }).startsWith("error: Cannot open file \"/nonexistent/skin.zip\". "));
    EXPECT_EQ(failure([&] { z.LoadFromResource(7); }), "error: The built-in skin archive 7 is missing.");

    // A resource compiled at test time stands in for the built-in archives.
    QTemporaryDir dir;
    writeFile(dir.filePath("2.zip"), BuildZip({{"skin.ini", Ini}}));
    writeFile(dir.filePath("t.qrc"),
              "<RCC><qresource prefix=\"/skins\"><file>2.zip</file></qresource></RCC>");
    const QString rcc = QLibraryInfo::path(QLibraryInfo::LibraryExecutablesPath) + "/rcc";
    ASSERT_EQ(QProcess::execute(rcc, {"-binary", dir.filePath("t.qrc"), "-o", dir.filePath("t.rcc")}), 0);
    ASSERT_TRUE(QResource::registerResource(dir.filePath("t.rcc")));
    z.LoadFromResource(2);
    EXPECT_EQ(z.GetData(z.IndexOf("Skin.ini")), Ini);
    QResource::unregisterResource(dir.filePath("t.rcc"));
}

TEST(Zip, Crc32)
{
    EXPECT_EQ(TZipFile::ZipCRC32(""), 0u);
    EXPECT_EQ(TZipFile::ZipCRC32("123456789"), 0xCBF43926u);
    EXPECT_EQ(TZipFile::ZipCRC32("The quick brown fox jumps over the lazy dog"), 0x414FA339u);
}

TEST(Zip, NamesInOtherEncodings)
{
    const TZipFile z = load(BuildZip({{"caf\xE9.bmp", "latin"}, {"\xC3\xBC.bmp", "utf8"}}));
    EXPECT_EQ(z.IndexOf(QString::fromUtf8("CAF\xC3\xA9.bmp")), 0);
    EXPECT_EQ(z.IndexOf(QString::fromUtf8("\xC3\xBC.BMP")), 1);
    EXPECT_EQ(z.IndexOf(QString::fromUtf8("\xC3\x9C.bmp")), -1); // only ASCII letters fold
}
