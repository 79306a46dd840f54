// zorvi-skin as skin authors run it: check and preview, through QProcess.
#include "SkinTestKit.h"

namespace {

ProgramRun Tool(const QStringList &args)
{
    return RunProgram(qEnvironmentVariable("ZORVI_BUILD_DIR") + "/bin/zorvi-skin", args);
}

// One fault of every kind the loader reports, each in its own section.
const char *kBrokenIni = "[TopPanel]\nSize=20\nBitmap=missing.bmp\n"
                         "[BottomPanel]\nSize=30\nBitmap=bottom.bmp\nBitmapCols=10,10\n"
                         "[BPlay]\nBitmap=nothere.bmp\nWidth=10\nHeight=10\n"
                         "[SeekBar]\nBitmapBPart0=X0,Y0,LX\nWidth=-10\nHeight=8\n"
                         "[Playlist]\nSelBitmap=sel.bmp\n"
                         "[Logo]\nType=image\nBitmapPart0=X0,Y0,LX,LY|C:clSunset\n";

const SkinFiles kBrokenFiles = {{"bottom.bmp", BmpOf({20, 30})}, {"sel.bmp", "this is no bitmap"}};

} // namespace

struct SkinToolTest : ::testing::Test {
    QTemporaryDir tmp;
};

TEST_F(SkinToolTest, CheckReadsFoldersArchivesAndBuiltIns)
{
    const QString folder = WriteFolderSkin(tmp.path(), "Broken", kBrokenIni, kBrokenFiles);
    const ProgramRun r = Tool({"check", folder});
    EXPECT_EQ(r.code, 1) << r.err.toStdString();
    const QStringList expected = {
        "Error Loading Skin at section: TopPanel, Bitmap\nFile " + folder + "missing.bmp does not exist\n",
        "Error Loading Skin at section: BottomPanel, Bitmap\nCoordinate(without -) must be greater than the "
        "previous one\n10,10\n",
        "Error Loading Skin at section: BPlay\nCannot open file \"" + folder +
            "nothere.bmp\". No such file or directory\n",
        "Error Loading Skin at section: SeekBar, BitmapB\nX0,Y0,LX is not a valid rect\nSyntax: "
        "X0,Y0,LX,LY[|...]\n",
        "Error Loading Skin at section: Playlist, SelBitmap\nBitmap image is not valid: \"" + folder +
            "sel.bmp\"\n"};
    int from = 0;
    for (const QString &m : expected) {
        const int at = r.out.indexOf(m.toUtf8(), from);
        EXPECT_GE(at, 0) << "missing or out of order: " << m.toStdString() << "\nin:\n"
                         << r.out.toStdString();
        if (at >= 0)
            from = at + int(m.toUtf8().size());
    }
    // The first five of one message, then a count of the rest.
    EXPECT_TRUE(r.out.endsWith("... and 1 more.\n\nBroken: 1 message(s)\n")) << r.out.toStdString();
    // The messages themselves are the loader's (its tests check them); here the tool finds and opens the
    // skin.
    ProgramRun r2 = Tool({"check", WriteArchiveSkin(tmp.path(), "Broken", kBrokenIni, kBrokenFiles)});
    EXPECT_EQ(r2.code, 1);
    EXPECT_TRUE(r2.out.contains("section: BPlay\nzip does not contain nothere.bmp\n"))
        << r2.out.toStdString();
    EXPECT_TRUE(r2.out.endsWith("Broken: 1 message(s)\n")) << r2.out.toStdString();
    r2 = Tool({"check", "ze6 zo"});
    EXPECT_EQ(r2.code, 0) << r2.out.toStdString();
    EXPECT_TRUE(r2.out.endsWith(": no messages\n")) << r2.out.toStdString();
    const QString folder3 = WriteFolderSkin(
        tmp.path(), "Pink", "[General]\nTransparentColor=clNothing\n[BPlay]\nBitmap=gone.bmp\n");
    const ProgramRun r3 = Tool({"check", folder3});
    EXPECT_EQ(r3.code, 1);
    EXPECT_EQ(r3.out, "'clNothing' is not a valid integer value\n\nPink: 1 message(s)\n");
}

TEST_F(SkinToolTest, UsageErrorsAndPreview)
{
    QDir().mkpath(tmp.path() + "/NoIni");
    // (arguments, text expected on standard error)
    const std::pair<QStringList, const char *> rows[] = {
        {{"check", tmp.path() + "/NoIni"}, "holds no skin.ini"},
        {{"check", "Blue Moon"}, "is no skin folder, no archive and no built-in skin"},
        {{"preview", "Default"}, "usage:"},
        {{"preview", "Default", "-o", tmp.path() + "/x.png", "--size", "800by500"}, "--size wants"},
        {{"preview", "Default", "-o", tmp.path() + "/x.png", "--size", "90000x500"}, "--size wants"},
        {{"lint", "Default"}, "usage:"}};
    for (const auto &[args, text] : rows) {
        const ProgramRun r = Tool(args);
        EXPECT_EQ(r.code, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains(text)) << r.err.toStdString();
    }
    const QString png = tmp.path() + "/ze6zo.png";
    const ProgramRun r = Tool({"preview", "ZE6 ZO", "-o", png, "--size", "320x240", "--playlist"});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    const QImage image(png);
    ASSERT_EQ(image.size(), QSize(320, 240));
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0); // outside the rounded outline
    EXPECT_EQ(qAlpha(image.pixel(160, 2)), 255);
    // The video area (between the 4-pixel left panel and the 200-pixel playlist) is black.
    EXPECT_EQ(image.pixelColor(40, 120), QColor(Qt::black));
    EXPECT_NE(image.pixelColor(300, 120), QColor(Qt::black));
}
