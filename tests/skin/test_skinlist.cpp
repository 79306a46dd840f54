#include "skin/SkinList.h"

TEST(SkinList, BuiltInsThenFoldersAndArchivesFileNamesWithoutCase)
{
    QTemporaryDir dir;
    const QString s = dir.path() + "/Skins/";
    WriteFile(s + "Blue/skin.ini");
    WriteFile(s + "Blue.zip");
    WriteFile(s + "Red.ZIP");       // extension must be ".zip" exactly
    QDir().mkpath(s + "Green");     // no skin.ini
    WriteFile(s + "aqua/SKIN.INI"); // found without regard to case
    QDir().mkpath(s + "Dir.zip");   // a folder is no archive
    WriteFile(s + ".hidden.zip");
    WriteFile(s + "Default.zip");
    SkinList list;
    list.Build({s, dir.path() + "/nonexistent/"});
    QStringList names;
    for (const auto &e : list.Entries())
        names << e.Name + u'/' + QString::number(int(e.Kind));
    EXPECT_EQ(names, (QStringList{"Default/2", "ZE6 ZO/2", "aqua/0", "Blue/0", "Blue/1", "Default/1"}));
    EXPECT_EQ(list.At(3).Location, s + "Blue/");
    // Finding one by name: SkinSelectTest.StartupChoiceBySkinSetting.
    EXPECT_EQ(list.At(4).Location, s + "Blue.zip");
    const QString f = dir.path() + "/Skins/Blue/";
    WriteFile(f + "Img/Play.BMP");
    WriteFile(f + "play.bmp");
    EXPECT_EQ(ResolveSkinFile(f, "play.bmp"), f + "play.bmp"); // exact match first
    EXPECT_EQ(ResolveSkinFile(f, "img\\play.bmp"), f + "Img/Play.BMP");
    EXPECT_EQ(ResolveSkinFile(f, "missing.bmp"), f + "missing.bmp");
}
