// The skin loader: placement, fonts, bitmaps and their messages, thumbs,
// playlist values; each through a real load of a test skin.
#include "SkinTestKit.h"

static const QString kNL = QStringLiteral("\n\r");

TEST(SkinLoaderConstruction, AFolderPathGetsItsSlash)
{
    SkinIni ini;
    EXPECT_EQ(TSkinLoader(&ini, QStringLiteral("/skins/a")).Path, "/skins/a/");
}

using SkinLoaderTest = SkinHostTest;

TEST_F(SkinLoaderTest, ParentNamesMatchExactlyElseBottomPanel)
{
    LoadFolderSkin("[TopPanel]\nSize=20\n[LeftPanel]\nSize=10\n[RightPanel]\nSize=10\n"
                   "[BottomPanel]\nSize=40\n"
                   "[BPlay]\nWidth=5\n"                   // no Parent
                   "[BPause]\nParent=toppanel\nWidth=5\n" // wrong case
                   "[BStop]\nParent=TopPanel\nWidth=5\n[BNext]\nParent=LeftPanel\nWidth=5\n"
                   "[BPrev]\nParent=RightPanel\nWidth=5\n[BMute]\nParent=Playlist\nWidth=5\n"
                   "[BSeekB]\nParent=Window\nWidth=5\n");
    const std::pair<TZorviButton *, QWidget *> rows[] = {
        {skin->BPlay, skin->BottomPanel}, {skin->BPause, skin->BottomPanel}, {skin->BStop, skin->TopPanel},
        {skin->BNext, skin->LeftPanel},   {skin->BPrev, skin->RightPanel},   {skin->BMute, skin->Playlist},
        {skin->BSeekB, skin->BottomPanel}};
    for (const auto &[button, parent] : rows)
        EXPECT_EQ(button->parentWidget(), parent) << button->objectName().toStdString();
    // A section that is missing: zero-sized at the top left of BottomPanel.
    EXPECT_EQ(skin->BMinimize->parentWidget(), skin->BottomPanel);
    EXPECT_EQ(skin->BMinimize->geometry(), QRect(0, 0, 0, 0));
    EXPECT_TRUE(reports.messages.isEmpty());
}

TEST_F(SkinLoaderTest, WorkedPlacementsAndTheirAnchors)
{
    // Every row on its own button; expected rectangles from the parent size w x h.
    struct Row {
        const char *section, *keys;
        std::function<QRect(int w, int h)> rect;
        AnchorSet anchors;
    };
    const Row rows[] = {
        {"BMinimize", "X=-102\nWidth=27\nHeight=10\nParent=TopPanel",
         [](int w, int) { return QRect(w - 102, 0, 27, 10); }, AnchorKind::Right | AnchorKind::Top},
        {"BPlay", "X=22\nWidth=-105\nHeight=10", [](int w, int) { return QRect(22, 0, w - 127, 10); },
         AnchorKind::Left | AnchorKind::Right | AnchorKind::Top},
        {"BStop", "CenterH=1\nX=-31\nWidth=24\nHeight=10",
         [](int w, int) { return QRect((w - 24) / 2 - 31, 0, 24, 10); }, AnchorKind::Left | AnchorKind::Top},
        {"BPrev", "X=-145\nY=-23\nWidth=120\nHeight=15",
         [](int w, int h) { return QRect(w - 145, h - 23, 120, 15); },
         AnchorKind::Right | AnchorKind::Bottom}};
    QString ini = "[TopPanel]\nSize=22\n[BottomPanel]\nSize=60\n";
    for (const Row &r : rows)
        ini += QString("[%1]\n%2\n").arg(r.section, r.keys);
    LoadFolderSkin(ini);

    for (const Row &r : rows) {
        auto *b = host->findChild<TZorviButton *>(r.section);
        const QWidget *p = b->parentWidget();
        EXPECT_EQ(b->geometry(), r.rect(p->width(), p->height())) << r.section;
        EXPECT_EQ(b->Anchors(), r.anchors) << r.section;
    }
    EXPECT_EQ(skin->BStop->AnchorCenter(), AnchorCenterKind::X);
}

TEST_F(SkinLoaderTest, LabelFontsAndOnlyTheFontKeysRead)
{
    LoadFolderSkin("[LTime]\nF1Color=clRed\nF1Name=Courier\nF1Size=20\nF1Style=B\n"
                   "[LStatus]\nFont1Color=$000000FF\nFont1Name=Courier\nFont1Size=11\nFont2Style=BIU\n"
                   "Font2Color=clWhite\nAlignment=taRightJustify\n"
                   "[LMediaURL]\nAlignment=taleftjustify\nFont1Style=bold\n"
                   "[LPlaylist]\nAlignment=taMiddle\n");
    // (family, point size, bold, colour) of each font
    using Font = std::tuple<QString, int, bool, ColorRef>;
    auto font = [](const QFont &f, ColorRef c) { return Font(f.family(), f.pointSize(), f.bold(), c); };
    const TZorviLabel *t = skin->LTime, *s = skin->LStatus;
    EXPECT_EQ(font(t->Font(), t->FontColor()), Font("Tahoma", 8, false, clBlack)); // no Font1 keys
    EXPECT_EQ(t->Alignment(), LabelAlignment::Center);
    EXPECT_EQ(font(s->Font(), s->FontColor()), Font("Courier", 11, false, clRed));
    // Font2 starts from Font1 and changes only its own keys.
    EXPECT_EQ(font(s->Font2(), s->Font2Color()), Font("Courier", 11, true, clWhite));
    EXPECT_TRUE(s->Font2().italic() && s->Font2().underline());
    EXPECT_EQ(s->Alignment(), LabelAlignment::RightJustify);

    // Style letters are upper case only: "bold" has none of them.
    EXPECT_FALSE(skin->LMediaURL->Font().bold());
    EXPECT_EQ(skin->LMediaURL->Alignment(), LabelAlignment::LeftJustify);
    EXPECT_EQ(skin->LPlaylist->Alignment(), LabelAlignment::Center);
}

TEST_F(SkinLoaderTest, MissingBitmapInAFolderSkin)
{
    LoadFolderSkin("[TopPanel]\nSize=20\nColor=clRed\nBitmap=missing.bmp\n"
                   "[BPlay]\nBitmap=gone.bmp\nWidth=10\nHeight=10\n"
                   "[BStop]\nBitmap=stop.bmp\nWidth=10\nHeight=10\n",
                   {{"stop.bmp", BmpOf({10, 10})}});
    // One message for both, in order (their texts: SkinToolTest.CheckReadsFoldersArchivesAndBuiltIns).
    ASSERT_EQ(reports.messages.size(), 1);
    const QStringList faults = reports.messages[0].split("\n\n");
    ASSERT_EQ(faults.size(), 2);
    EXPECT_TRUE(faults[0].endsWith("missing.bmp does not exist") &&
                faults[1].endsWith("gone.bmp\". No such file or directory"));
    // No bitmaps where they were missing, loading went on to BStop.
    EXPECT_TRUE(skin->TopPanel->Bitmap().Empty() && skin->BPlay->Bitmap().Empty() &&
                !skin->BStop->Bitmap().Empty());
    EXPECT_EQ(skin->TopPanel->grab().toImage().pixelColor(5, 5), QColor(Qt::red)); // it shows its Color
}

TEST_F(SkinLoaderTest, PartsStopAtTheFirstGapOrFaultAndFaultsCarryTheirPrefix)
{
    LoadFolderSkin("[TopPanel]\nSize=20\nBitmapCols=10,-20\nBitmapPart0=X0,Y0,X1,LY|C:clWhite\n"
                   "BitmapPart1=X1,Y0,LX,LY|C:clBlack\nBitmapPart3=X0,Y0,LX,LY|C:clRed\n"
                   "[SeekBar]\nBitmapB=b.bmp\nBitmapBCols=10,10\nBitmapBPart0=X0,Y0,LX,LY\nBitmapF=f.bmp\n"
                   "BitmapFPart0=X0,Y0,LX,LY|HS\nBitmapFPart1=X0,Y0,X9,LY\nBitmapFPart2=X0,Y0,LX,LY|VS\n",
                   {{"b.bmp", BmpOf({20, 8})}, {"f.bmp", BmpOf({20, 8})}});
    EXPECT_EQ(reports.messages,
              QStringList{"Error Loading Skin at section: SeekBar, BitmapB" + kNL +
                          "Coordinate(without -) must be greater than the previous one" + kNL + "10,10\n\n" +
                          "Error Loading Skin at section: SeekBar, BitmapF" + kNL +
                          "X9 is not a valid col/row id"});
    // A failing rows/cols list ends the group; a failing part, or a gap in
    // the numbers, keeps the parts before it.
    EXPECT_TRUE(skin->SeekBar->BitmapB().Parts.empty());
    EXPECT_EQ(skin->SeekBar->BitmapF().Parts.size(), 1u);
    EXPECT_EQ(skin->TopPanel->Bitmap().Parts.size(), 2u);
    EXPECT_EQ(skin->TopPanel->Bitmap().Cols.Coords, (TCoords{0, 10, 20}));
}

TEST_F(SkinLoaderTest, ButtonValuesAndThumbDefaultsFromItsImage)
{
    LoadFolderSkin("[General]\nTransparentColor=clLime\n"
                   "[BSeekB]\nBitStates=3\nBitmap=b.bmp\nTransparent=1\nRepeat=1\nCommand=seek -10\n"
                   "[BSeekF]\nBitStates=4\n[SizeGripless]\nType=sizegrip\nOrientation=3\n"
                   "[SeekBar]\nThumbBmp=thumb.bmp\nThumbStates=2\nThumbTransparent=1\n"
                   "[VolBar]\nThumbBmp=thumb.bmp\nThumbStates=9\nThumbW=7\nThumbH=5\n"
                   "[Playlist]\nThumbBmp=nothere.bmp\n",
                   {{"b.bmp", BmpOf({10, 30})}, {"thumb.bmp", BmpOf({10, 42})}});
    const TZorviButton *b = skin->BSeekB;
    EXPECT_EQ(std::tuple(b->BitStates(), b->Transparent(), b->Bitmap().Transparent, b->Bitmap().KeyColor(),
                         b->Repeating, b->Command),
              std::tuple(3, true, true, clLime, true, QString("seek -10")));
    EXPECT_EQ(skin->BSeekF->BitStates(), 1); // 4 is refused
    auto *grip = host->findChild<TZorviSizeGrip *>("SizeGripless");
    ASSERT_NE(grip, nullptr);
    EXPECT_EQ(grip->Orientation(), SizingEdge::Top);
    const TZorviTrackbar *seek = skin->SeekBar, *volume = skin->VolBar;
    EXPECT_EQ(std::tuple(seek->ThumbStates(), seek->ThumbW, seek->ThumbH), std::tuple(2, 10, 21));
    EXPECT_TRUE(seek->Thumb().Transparent && seek->Thumb().TransparentFixed);
    // 9 states are refused: the bar keeps 1, and the keys given win.
    EXPECT_EQ(std::tuple(volume->ThumbStates(), volume->ThumbW, volume->ThumbH), std::tuple(1, 7, 5));
    // A thumb that cannot be read is silent: no thumb, no message.
    EXPECT_TRUE(skin->Playlist->ScrollBar()->Thumb().Empty());
    EXPECT_EQ(skin->Playlist->ScrollBar()->ThumbW, 0);
    EXPECT_TRUE(reports.messages.isEmpty());
}

TEST_F(SkinLoaderTest, PlaylistMarginsFontStyleAndColoursThatEndTheLoad)
{
    const std::pair<const char *, ListMargins> rows[] = {
        {"0,18,5", {4, 4, 4, 4}},    {"0,18,x,0", {0, 18, 4, 0}},    {"0,18,5,0", {0, 18, 5, 0}},
        {"1,2,3,4,5", {4, 4, 4, 4}}, {"$10,-3, 7,2", {16, 0, 7, 2}}, {"", {4, 4, 4, 4}}};
    Create();
    for (const auto &[text, want] : rows) {
        LoadEntry("Test", QString("[Playlist]\nMargins=%1\n").arg(text));
        const ListMargins m = skin->Playlist->Margins();
        EXPECT_EQ((std::array{m.Left, m.Top, m.Right, m.Bottom}),
                  (std::array{want.Left, want.Top, want.Right, want.Bottom}))
            << text;
    }
    // (FontStyle line, bold and italic after loading it on top of a bold italic font)
    const std::tuple<const char *, bool, bool> rows2[] = {{"FontStyle=bi", false, false},
                                                          {"FontStyle=", false, false},
                                                          {"FontStyle=IB", true, true},
                                                          {"", true, true}, // absent: unchanged
                                                          {"FontStyle=xIx", false, true}};
    for (const auto &[line, bold, italic] : rows2) {
        LoadEntry("Start", "[Playlist]\nFontStyle=BI\nFontSize=13\nFontColor=clRed\n");
        LoadEntry("Next", QString("[Playlist]\n%1\n").arg(line));
        const QFont f = skin->Playlist->font();
        EXPECT_EQ(std::tuple(f.bold(), f.italic(), f.pointSize(), skin->Playlist->FontColor()),
                  std::tuple(bold, italic, 13, clRed))
            << line;
    }
    // (section text, the conversion's message)
    const std::pair<const char *, const char *> rows3[] = {
        {"[TopPanel]\nSize=30\nColor=grey", "'grey' is not a valid integer value"},
        {"[Playlist]\nSeparatorColor=clNothing", "'clNothing' is not a valid integer value"},
        {"[LTime]\nFont2Color=", "'' is not a valid integer value"}};
    for (const auto &[text, message] : rows3) {
        EXPECT_EQ(ErrorText([&, row = text] { LoadEntry("Bad", QString::fromLatin1(row)); }), message);
        EXPECT_EQ(skin->SkinName, "Next") << text;
    }
}
