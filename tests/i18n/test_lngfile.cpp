// Language files: encodings, line rules, escapes, the shipped translations' keys.
#include "i18n/EnglishLoc.h"
#include "i18n/LngFile.h"
#include "i18n/ZorviLocal.h"

#include <QStringEncoder>

TEST(LngFile, EncodingsSectionsKeysAndEscapes)
{
    const QString text = QStringLiteral("[S]\r\nk=Grüße €\rl=2\nm=3\r\n");
    const struct {
        const char *name;
        QByteArray bytes;
    } rows[] = {{"UTF-16 LE", QByteArray("\xFF\xFE") + QStringEncoder(QStringConverter::Utf16LE)(text)},
                {"UTF-16 BE", QByteArray("\xFE\xFF") + QStringEncoder(QStringConverter::Utf16BE)(text)},
                {"UTF-8 mark", QByteArray("\xEF\xBB\xBF") + text.toUtf8()},
                {"UTF-8", text.toUtf8()},
                {"Windows-1252", QByteArray("[S]\r\nk=Gr\xFC\xDF"
                                            "e \x80\rl=2\nm=3\r\n")}};
    for (const auto &row : rows) {
        TLngFile file;
        file.LoadFromLines(TLngFile::DecodeLines(row.bytes));
        EXPECT_EQ(file.ReadValue("S", "k"), QStringLiteral("Grüße €")) << row.name;
        EXPECT_EQ(file.ReadValue("S", "l") + file.ReadValue("S", "m"), "23") << row.name;
    }
    TLngFile file;
    file.LoadFromLines({"k=before any section", "  [ Main ]  ", "\tMQuit =  Quit it \t", "; MOpen=comment",
                        "no equals sign", "MQUIT=second", "Empty=", "a=b=c", "[main]", "MOpen=second section",
                        "[Other", "x=1"});
    const struct {
        const char *section, *key, *value;
    } rows2[] = {{"Main", "k", ""},     {"MAIN", "mquit", "  Quit it"},
                 {"Main", "MOpen", ""}, {"Main", "no equals sign", ""},
                 {"Main", "Empty", ""}, {"main", "a", "b=c"},
                 {"Main", "x", ""},     {"Other", "x", ""}};
    for (const auto &row : rows2)
        EXPECT_EQ(file.ReadValue(row.section, row.key), row.value) << row.section << "/" << row.key;
    file.DeleteSection("mAiN"); // the first one: the second is found now
    EXPECT_EQ(file.ReadValue("Main", "MOpen"), "second section");
    EXPECT_EQ(file.ReadValue("Main", "x"), "1"); // "[Other" opened no section
    const struct {
        const char *stored, *shown;
    } reading[] = {{R"(a\nb)", "a\r\nb"},  {R"(a\\b)", R"(a\b)"}, {R"(a\xb)", "ab"},
                   {R"(end\)", R"(end\)"}, {R"(\\n)", R"(\n)"},   {R"(\\\n)", "\\\r\n"}};
    for (const auto &row : reading)
        EXPECT_EQ(TLngFile::Unescape(row.stored), row.shown) << row.stored;
    for (const char *shown : {"a\r\nb", R"(c:\dir)", R"(\n literal)", "x\\\r\n\\"}) {
        const QString written = TLngFile::Escape(shown);
        EXPECT_FALSE(written.contains(u'\r')) << shown;
        EXPECT_EQ(TLngFile::Unescape(written), shown) << shown;
    }
}

TEST(LngFile, ShippedLanguagesHaveEveryKey)
{
    TLngFile english;
    english.LoadFromLines(EnglishLoc().split("\r\n"));
    QList<std::pair<QString, QString>> keys;
    for (const QString &section : english.SectionNames())
        for (const QString &key : english.Keys(section))
            keys.append({section, key});
    for (const MiscText &misc : MiscTexts)
        keys.append({QStringLiteral("Misc"), QString::fromLatin1(misc.Key)});
    for (int i = 0; i <= 32; ++i)
        keys.append({QStringLiteral("Cmds"), QString::number(i)});

    const QDir dir(qEnvironmentVariable("ZORVI_SOURCE_DIR") + "/i18n/Lang");
    for (const char *name : {"Deutsch.lng", "Français.lng"}) {
        const QByteArray bytes = ReadFile(dir.filePath(QString::fromUtf8(name)));
        // As the program writes them: UTF-16 LE with its mark, CR LF.
        EXPECT_TRUE(bytes.startsWith("\xFF\xFE") && bytes.endsWith(QByteArray("\r\0\n\0", 4))) << name;
        TLngFile lng;
        lng.LoadFromLines(TLngFile::DecodeLines(bytes));
        for (const auto &[section, key] : keys)
            EXPECT_FALSE(lng.ReadValue(section, key).isEmpty())
                << name << " [" << section.toStdString() << "] " << key.toStdString();
    }
}
