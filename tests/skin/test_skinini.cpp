#include "skin/SkinIni.h"

namespace {
SkinIni parse(const char *text)
{
    SkinIni ini;
    ini.SetText(QString::fromUtf8(text));
    return ini;
}
} // namespace

TEST(SkinIni, LineRulesAndLaterDuplicatesWin)
{
    const SkinIni ini = parse("Orphan=1\n  [ TopPanel ]  \r\n; Size=99\n\n  Size =  22  \nNoValueLine\n"
                              "Color=$00112233\nCommand=seek -10\nEq=a=b\n");
    EXPECT_FALSE(ini.SectionExists(""));
    EXPECT_EQ(ini.ReadInteger("toppanel", "SIZE", 0), 22);
    EXPECT_EQ(ini.ReadString("TopPanel", "Command", ""), "seek -10");
    EXPECT_EQ(ini.ReadString("TopPanel", "Eq", ""), "a=b");
    EXPECT_FALSE(ini.ValueExists("TopPanel", "NoValueLine"));
    EXPECT_FALSE(ini.ValueExists("TopPanel", "Orphan"));
    EXPECT_EQ(ini.ReadInteger("TopPanel", "Color", 0), 0x00112233);
    const SkinIni later = parse("[A]\nX=1\nx=2\n[B]\nY=1\n[a]\nZ=3\n");
    // The later section [a] is the one read; its keys replace the earlier ones.
    EXPECT_EQ(later.ReadInteger("A", "Z", 0), 3);
    EXPECT_FALSE(later.ValueExists("A", "X"));
    const SkinIni keys = parse("[A]\nX=1\nx=2\n");
    EXPECT_EQ(keys.ReadInteger("a", "X", 0), 2);
}

TEST(SkinIni, TypedValuesAndSectionsRemovedAsProcessed)
{
    const SkinIni ini = parse("[S]\nI=abc\nH=0x1F\nD=$ff\nN=-102\nB0=0\nB1=7\nBx=yes\nE=\n");
    EXPECT_EQ(ini.ReadInteger("S", "I", 5), 5);
    EXPECT_EQ(ini.ReadInteger("S", "H", 0), 31);
    EXPECT_EQ(ini.ReadInteger("S", "D", 0), 255);
    EXPECT_EQ(ini.ReadInteger("S", "N", 0), -102);
    EXPECT_EQ(ini.ReadInteger("S", "Missing", 4), 4);
    EXPECT_EQ(ini.ReadInteger("S", "E", 8), 8);
    EXPECT_FALSE(ini.ReadBool("S", "B0", true));
    EXPECT_TRUE(ini.ReadBool("S", "B1", false));
    EXPECT_TRUE(ini.ReadBool("S", "Bx", true));
    EXPECT_FALSE(ini.ReadBool("S", "Bx", false));
    EXPECT_EQ(ini.ReadString("S", "E", "def"), "");
    EXPECT_EQ(ParseSkinInteger("$FFFFFFFF").value(), -1);
    EXPECT_FALSE(ParseSkinInteger("99999999999").has_value());
    SkinIni sections =
        parse("[General]\n[BPLClose]\nType=button\n[TopPanel]\n[bplclose]\nType=button\n[Sep]\n");
    EXPECT_EQ(sections.SectionNames(), (QStringList{"General", "BPLClose", "TopPanel", "Sep"}));
    sections.EraseSection("general");
    sections.EraseSection("BPLCLOSE");
    EXPECT_EQ(sections.SectionNames(), (QStringList{"TopPanel", "Sep"}));
    EXPECT_FALSE(sections.ValueExists("BPLClose", "Type"));
}
