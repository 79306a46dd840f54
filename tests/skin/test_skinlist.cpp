#include "skin/SkinList.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
void touch(const QString &path)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
}
QStringList names(const SkinList &l)
{
    QStringList n;
    for (const auto &e : l.Entries())
        n << e.Name + u'/' + QString::number(int(e.Kind));
    return n;
}
} // namespace

TEST(SkinList, NoSkinsFolderGivesTheBuiltIns)
{
    SkinList list;
    list.Build({"/nonexistent/zorvi/Skins"});
    EXPECT_EQ(names(list), (QStringList{"Default/2", "ZE6 ZO/2"}));
}

TEST(SkinList, FoldersAndArchives)
{
    QTemporaryDir dir;
    const QString s = dir.path() + "/Skins/";
    QDir().mkpath(s + "Blue");
    touch(s + "Blue/skin.ini");
    touch(s + "Blue.zip");
    touch(s + "Red.ZIP");       // extension must be ".zip" exactly
    QDir().mkpath(s + "Green"); // no skin.ini
    QDir().mkpath(s + "aqua");
    touch(s + "aqua/SKIN.INI");   // found without regard to case
    QDir().mkpath(s + "Dir.zip"); // a folder is no archive
    touch(s + ".hidden.zip");
    touch(s + "Default.zip");
    SkinList list;
    list.Build({s});
    EXPECT_EQ(names(list), (QStringList{"Default/2", "ZE6 ZO/2", "aqua/0", "Blue/0", "Blue/1", "Default/1"}));
    EXPECT_EQ(list.At(3).Location, s + "Blue/");
    EXPECT_EQ(list.At(4).Location, s + "Blue.zip");
    EXPECT_EQ(list.IndexOf("ze6 zo"), 1);
    EXPECT_EQ(list.IndexOf("BLUE"), 3);
    EXPECT_EQ(list.StartupIndex("Purple"), 0);
    EXPECT_EQ(list.StartupIndex(""), 0);
}

TEST(SkinList, ResolvesFileNamesWithoutRegardToCase)
{
    QTemporaryDir dir;
    const QString f = dir.path() + "/";
    QDir().mkpath(f + "Img");
    touch(f + "Img/Play.BMP");
    touch(f + "play.bmp");
    EXPECT_EQ(ResolveSkinFile(f, "play.bmp"), f + "play.bmp"); // exact match first
    EXPECT_EQ(ResolveSkinFile(f, "img\\play.bmp"), f + "Img/Play.BMP");
    EXPECT_EQ(ResolveSkinFile(f, "missing.bmp"), f + "missing.bmp");
}
