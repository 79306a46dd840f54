// The skin control set, the skin list with its Skins menu, the start-up
// choice and LoadSkin's order, extra elements and failure rules.
#include "SkinTestKit.h"

namespace {

QStringList Captions(const SkinControls &s)
{
    QStringList list;
    for (QAction *a : s.MSkins()->actions())
        list << a->text() + "/" + a->data().toString();
    return list;
}

int Checked(const SkinControls &s)
{
    QAction *a = s.SkinGroup()->checkedAction();
    return a ? a->data().toInt() : -1;
}

} // namespace

using SkinSelectTest = SkinHostTest;

TEST_F(SkinSelectTest, OuterPanelsStayOutsideADockedPlaylist)
{
    WriteFolderSkin(skins, "Bottom", "[Playlist]\nAlign=alBottom\nSize=60\n[BottomPanel]\nSize=30\n");
    WriteFolderSkin(skins, "Right", "[Playlist]\nAlign=alRight\nSize=60\n[RightPanel]\nSize=30\n");
    Create();
    skin->Playlist->show();
    skin->LoadSkin(IndexOf("Bottom", SkinKind::Folder));
    EXPECT_EQ(std::pair(InHost(skin->BottomPanel), InHost(skin->Playlist)),
              std::pair(QRect(0, 270, 400, 30), QRect(0, 210, 400, 60)));
    skin->LoadSkin(IndexOf("Right", SkinKind::Folder));
    EXPECT_EQ(std::pair(InHost(skin->RightPanel), InHost(skin->Playlist)),
              std::pair(QRect(370, 0, 30, 300), QRect(310, 0, 60, 300)));
}

TEST_F(SkinSelectTest, MenuListsTheSkinsAndLoadsTheOneChosen)
{
    WriteFolderSkin(skins, "Blue", "[TopPanel]\nSize=11\n");
    WriteArchiveSkin(skins, "Blue", "[TopPanel]\nSize=12\n");
    WriteFolderSkin(skins, "Fish & Chips", "");
    Create();
    EXPECT_EQ(Captions(*skin), (QStringList{"Default/0", "ZE6 ZO/1", "Blue/2", "Blue/3", "Fish && Chips/4"}));
    // The two Blue entries are two skins.
    skin->MSkins()->actions()[2]->trigger();
    EXPECT_EQ(skin->TopPanel->height(), 11);
    skin->MSkins()->actions()[3]->trigger();
    EXPECT_EQ(skin->TopPanel->height(), 12);
    EXPECT_EQ(skin->SkinName, "Blue");
    EXPECT_EQ(Checked(*skin), 3);
}

TEST_F(SkinSelectTest, StartupChoiceBySkinSetting)
{
    WriteFolderSkin(skins, "Blue", "[TopPanel]\nSize=11\n");
    WriteFolderSkin(skins, "Bad", "[General]\nTransparentColor=clNothing\n");
    // (Skin setting, index checked ("Bad" is listed before "Blue"), name then current, change notifications)
    const std::tuple<const char *, int, const char *, int> rows[] = {
        {"ze6 zo", 1, "ZE6 ZO", 1}, {"BLUE", 3, "Blue", 1}, {"Purple", 0, "Default", 1},
        {"", 0, "Default", 1},      {"bad", -1, "bad", 0}, // fails: the setting stays and nothing is checked
    };
    for (const auto &[setting, index, name, changes] : rows) {
        host = std::make_unique<QWidget>();
        Create();
        int changed = 0;
        skin->Handlers.SkinChanged = [&] { ++changed; };
        skin->SkinName = setting;
        skin->SelectStartupSkin();
        EXPECT_EQ(skin->SkinName, name) << setting;
        EXPECT_EQ(Checked(*skin), index) << setting;
        EXPECT_EQ(changed, changes) << setting;
        skin.reset();
    }
    EXPECT_EQ(reports.messages, QStringList{"'clNothing' is not a valid integer value"});
}

TEST_F(SkinSelectTest, TransparentColorNotAColourStopsTheLoad)
{
    WriteFolderSkin(skins, "Good", "[TopPanel]\nSize=20\n[Extra]\nType=image\nWidth=5\nHeight=5\n");
    WriteFolderSkin(skins, "Bad", "[General]\nBorders=9\nTransparentColor=clNothing\n[TopPanel]\nSize=40\n");
    Create();
    int changed = 0;
    skin->Handlers.SkinChanged = [&] { ++changed; };
    skin->MSkins()->actions()[IndexOf("Good", SkinKind::Folder)]->trigger();
    ASSERT_EQ(skin->ExtraElements().size(), 1u);
    EXPECT_EQ(changed, 1);

    skin->MSkins()->actions()[IndexOf("Bad", SkinKind::Folder)]->trigger();
    EXPECT_EQ(reports.take(), QStringList{"'clNothing' is not a valid integer value"});
    EXPECT_EQ(changed, 1);
    EXPECT_EQ(skin->SkinName, "Good");
    EXPECT_EQ(skin->TopPanel->height(), 20);                      // no element of the new skin applied
    EXPECT_TRUE(skin->ExtraElements().empty());                   // the old extras were already gone
    EXPECT_EQ(skin->Params.Borders, 9);                           // General was read up to the colour
    EXPECT_EQ(Checked(*skin), IndexOf("Good", SkinKind::Folder)); // the menu shows the skin in use
}

TEST_F(SkinSelectTest, ArchiveFailuresGoToTheCallerAVanishedSkinIniLoadsAsNoSections)
{
    WriteFile(skins + "/NoIni.zip", WriteZip({{"a.bmp", BmpOf({4, 4})}}));
    WriteFile(skins + "/Junk.zip", "not an archive at all");
    const QString folder = WriteFolderSkin(skins, "Gone", "[TopPanel]\nSize=30\n");
    Create();
    auto load = [&](const char *name) {
        return ErrorText([&] { skin->LoadSkin(IndexOf(name, SkinKind::Archive)); });
    };
    EXPECT_EQ(load("NoIni"), "zip does not contain skin.ini");
    EXPECT_EQ(load("Junk"), "zip does not contain skin.ini");
    QFile::remove(skins + "/Junk.zip");
    EXPECT_TRUE(load("Junk").startsWith("Cannot open file")) << load("Junk").toStdString();

    QFile::remove(folder + "skin.ini");
    skin->LoadSkin(IndexOf("Gone", SkinKind::Folder));
    EXPECT_EQ(skin->TopPanel->height(), 0);
    EXPECT_EQ(skin->SkinName, "Gone");
    EXPECT_TRUE(reports.messages.isEmpty());
}

TEST_F(SkinSelectTest, ExtraElementsComeAndGoAndFreeingLeavesNothing)
{
    WriteFolderSkin(skins, "Extras",
                    "[BPLClose]\nType=button\nParent=Playlist\nCommand=playlist\nWidth=9\nHeight=9\n"
                    "[Separator0]\nType=image\nBitmapPart0=X0,Y0,LX,LY|C:clWhite\nWidth=-8\nHeight=1\n"
                    "[SizeGrip]\nType=sizegrip\nX=-12\nY=-12\nWidth=12\nHeight=12\n"
                    "[Shouty]\nType=Button\nWidth=9\nHeight=9\n[Nothing]\nWidth=9\n"
                    "[BStop]\nType=image\nWidth=7\nHeight=7\n");
    WriteFolderSkin(skins, "Plain", "[TopPanel]\nSize=10\n");
    Create();
    QStringList clicked;
    skin->Handlers.ButtonsClick = [&](QObject *sender) { clicked << sender->objectName(); };
    skin->LoadSkin(IndexOf("Extras", SkinKind::Folder));

    const auto extras = skin->ExtraElements();
    ASSERT_EQ(extras.size(), 3u);
    EXPECT_TRUE(qobject_cast<TZorviButton *>(extras[0]) && qobject_cast<TZorviImage *>(extras[1]) &&
                qobject_cast<TZorviSizeGrip *>(extras[2]));
    EXPECT_EQ(extras[0]->parentWidget(), skin->Playlist);
    EXPECT_EQ(skin->BStop->width(), 7); // a fixed section is never an extra element
    static_cast<TZorviButton *>(extras[0])->Click();
    skin->BStop->Click();
    EXPECT_EQ(clicked, (QStringList{"BPLClose", "BStop"}));

    skin->LoadSkin(IndexOf("Plain", SkinKind::Folder));
    EXPECT_TRUE(skin->ExtraElements().empty());
    for (const char *name : {"BPLClose", "Separator0", "SizeGrip"})
        EXPECT_EQ(host->findChild<QWidget *>(name), nullptr) << name;

    skin->LoadSkin(IndexOf("Extras", SkinKind::Folder));
    skin->FreeSkinControls(); // extras and all
    EXPECT_TRUE(host->findChildren<QWidget *>().isEmpty());
    EXPECT_TRUE(!skin->MSkins() && !skin->BPlay);
}

TEST_F(SkinSelectTest, LoadsBeforeTheWindowIsShown)
{
    // The main window loads its skin before it first shows itself. The label
    // is placed against the playlist box's old width, then the box is sized and
    // the anchors keep the label's distances.
    WriteFolderSkin(skins, "Early",
                    "[TopPanel]\nSize=22\n[BMinimize]\nParent=TopPanel\nX=-30\nWidth=20\nHeight=18\n"
                    "[Playlist]\nSize=120\n[LPlaylist]\nParent=Playlist\nX=4\nWidth=-30\nHeight=16\n");
    Create(false);
    skin->LoadSkin(IndexOf("Early", SkinKind::Folder));
    EXPECT_EQ(skin->TopPanel->geometry(), QRect(0, 0, 400, 22));
    EXPECT_EQ(skin->BMinimize->geometry(), QRect(370, 0, 20, 18));
    EXPECT_EQ(skin->LPlaylist->geometry(), QRect(4, 0, 86, 16));
    host->show();
    host->resize(500, 300);
    skin->Playlist->show();
    EXPECT_EQ(skin->BMinimize->geometry(), QRect(470, 0, 20, 18));
    EXPECT_EQ(skin->LPlaylist->geometry(), QRect(4, 0, 86, 16));
    EXPECT_FALSE(skin->BMinimize->isHidden());
}
