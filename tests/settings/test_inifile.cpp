#include "common/ZError.h"
#include "settings/IniFile.h"

TEST(IniFile, ReadingRulesTypedValuesAndEncodings)
{
    const IniFile ini = IniFile::FromBytes("stray=before any section\r\n"
                                           "[Options]\r\n  Skin  =   Blue Night  \r\n; Skin=commented\r\n"
                                           "\r\nPath=a=b\r\nEmpty=\r\nno equals sign\r\n"
                                           "Skin=second occurrence\r\n[ options ]\nLate=merged\n"
                                           "[Other]\rKey=cr only\r");
    const std::tuple<const char *, const char *, std::optional<QString>> rows[] = {
        {"Options", "Skin", QStringLiteral("Blue Night")},
        {"OPTIONS", "skin", QStringLiteral("Blue Night")},
        {"Options", "Path", QStringLiteral("a=b")},
        {"Options", "Empty", QString()},
        {"Options", "; Skin", std::nullopt},
        {"Options", "no equals sign", std::nullopt},
        {"Options", "Late", QStringLiteral("merged")},
        {"Other", "Key", QStringLiteral("cr only")},
        {"", "stray", std::nullopt},
        {"Missing", "Skin", std::nullopt}};
    for (const auto &[section, key, expected] : rows)
        EXPECT_EQ(ini.Value(section, key), expected) << section << "/" << key;
    EXPECT_EQ(ini.SectionNames(), QStringList({"Options", "Other"}));
    const IniFile ini2 =
        IniFile::FromBytes("[S]\nb2=2\nb0=0\nbx=yes\nbneg=-1\ni=-42\nibig=99999999999\nix=12abc\niplus=+7\n"
                           "f=3.5\nfexp=1e2\nfnan=nan\nfinf=inf\nfhuge=1e39\nfcomma=3,5\nfe=\n");
    // (key, default, value read)
    const std::tuple<const char *, bool, bool> bools[] = {{"b2", false, true},   {"b0", true, false},
                                                          {"bx", true, true},    {"bx", false, false},
                                                          {"bneg", false, true}, {"missing", true, true}};
    for (const auto &[key, def, expected] : bools)
        EXPECT_EQ(ini2.ReadBool("S", key, def), expected) << key;

    for (const auto &[key, expected] : {std::pair{"i", -42}, {"ibig", 5}, {"ix", 5}, {"iplus", 7}})
        EXPECT_EQ(ini2.ReadInteger("S", key, 5), expected) << key;

    EXPECT_EQ(ini2.ReadFloat("S", "f", 1), 3.5f);
    EXPECT_EQ(ini2.ReadFloat("S", "fexp", 1), 100.f);
    for (const char *key : {"fnan", "finf", "fhuge", "fcomma", "fe", "missing"})
        EXPECT_EQ(ini2.ReadFloat("S", key, 1.25f), 1.25f) << key;
    const std::pair<QByteArray, QString> rows3[] = {
        {"[S]\nk=Gr\xC3\xBC\xC3\x9F\x65", QString::fromUtf8("Grüße")},                  // valid UTF-8
        {"[S]\nk=Gr\xFC\xDF\x65 \x80", QString::fromUtf8("Grüße €")},                   // Windows-1252
        {"\xEF\xBB\xBF[S]\nk=\xE2\x82\xAC", QString::fromUtf8("€")},                    // UTF-8 mark
        {QByteArray("\xFF\xFE[\0S\0]\0\n\0k\0=\0\xAC\x20", 16), QString::fromUtf8("€")} // UTF-16 mark
    };
    for (const auto &[bytes, expected] : rows3)
        EXPECT_EQ(IniFile::FromBytes(bytes).ReadString("s", "K", "-"), expected) << bytes.toHex().data();
}

TEST(IniFile, WritingKeepsOrMakesStructure)
{
    IniFile ini = IniFile::FromBytes("; heading\n[A]\nx=1\n; note\n\n[B]\ny=2\n");
    ini.WriteInteger("a", "X", 5);           // replaced where it stands, name as written first
    ini.WriteString("A", "z", "two\nlines"); // after the last value of A, on one line
    ini.WriteFloat("C", "r", 16.f / 9.f);
    EXPECT_EQ(ini.ToBytes(true),
              "; heading\n[A]\nx=5\nz=two lines\n; note\n\n[B]\ny=2\n\n[C]\nr=1.77777779102325\n");
    EXPECT_EQ(ini.ToBytes(false), "[A]\nx=5\nz=two lines\n\n[B]\ny=2\n\n[C]\nr=1.77777779102325\n");

    ini.EraseSection("b");
    ini.DeleteKey("A", "Z");
    EXPECT_EQ(ini.ToBytes(false), "[A]\nx=5\n\n[C]\nr=1.77777779102325\n");
    // Written as UTF-8 whatever the file was read as.
    IniFile latin = IniFile::FromBytes("[S]\nk=\xFC\n");
    EXPECT_EQ(latin.ToBytes(false), "[S]\nk=\xC3\xBC\n");
}

TEST(IniFile, SaveReplacesTheFileInOnePiece)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("zorvi.ini");
    IniFile ini = IniFile::FromBytes("[S]\nk=v\n");
    ini.Save(path, false);
    EXPECT_EQ(ReadFile(path), "[S]\nk=v\n");
    ini.WriteString("S", "k", "w");
    ini.Save(path, false);
    EXPECT_EQ(ReadFile(path), "[S]\nk=w\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"zorvi.ini"});

    // A folder standing where the file should be cannot be replaced.
    const QString blocked = dir.filePath("blocked.ini");
    QDir().mkdir(blocked);
    EXPECT_EQ(ErrorText([&] { ini.Save(blocked, false); }), "Unable to write to " + blocked);
    EXPECT_EQ(IniFile::Load(dir.filePath("none.ini")).SectionNames(), QStringList());
}
