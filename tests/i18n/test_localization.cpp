// Choosing a language, lookups with fallbacks and translator marks, the writer.
#include "i18n/EnglishLoc.h"
#include "i18n/Localization.h"
#include "settings/SettingsData.h"

namespace {
class LocalizationTest : public ::testing::Test {
protected:
    QTemporaryDir tmp;
    SettingsData settings;
    QMap<QString, QString> menus; // what ApplyToMenus set, by item name

    void RecordMenus(Localization &l)
    {
        l.ApplyToMenus.Set([this](const Localization &loc) {
            for (const char *name : {"MOpen", "MQuit"})
                menus[name] = loc.GetText("Main", name);
        });
    }
    std::unique_ptr<Localization> Make(const QString &local, QStringList saveDirs = {})
    {
        settings.Options.Local = local;
        auto l = std::make_unique<Localization>(settings, QStringList{tmp.filePath("Lang")}, saveDirs);
        RecordMenus(*l);
        return l;
    }
    void SetUp() override
    {
        WriteFile(tmp.filePath("Lang/de.lng"),
                  "[Main]\nMOpen=\xC3\x96"
                  "ffnen\n[Misc]\nStatusPlaying=Wiedergabe\n"
                  "ShortCapHelp=a\\nb\\\\c\n[Cmds]\n1=Lauter\n[GeneralTab]\nLLang=Sprache:\n");
        WriteFile(tmp.filePath("Lang/up.LNG"), "[Main]\nMQuit=Ende\n");
    }
};
} // namespace

TEST_F(LocalizationTest, MissingTextsFallBackToEnglishMarkedForTranslators)
{
    auto loc = Make("de.lng");
    loc->InitLocalization();
    EXPECT_EQ(std::tuple(loc->Languages.size(), loc->Languages.value(1).DisplayName, loc->LanguageIndex),
              std::tuple(2, "de", 1)); // "up.LNG" is not offered
    for (bool translator : {false, true}) {
        loc->TranslatorMode = translator;
        loc->SwitchLanguage(1);
        const QString todo = translator ? "*TODO* " : "";
        const std::pair<QString, QString> rows[] = {
            {menus["MOpen"], "Öffnen"},
            {menus["MQuit"], todo + "Quit"},
            {loc->GetText("Main", "MOpen"), todo + "Open"}, // "Main" is gone once applied
            {loc->GetText("GeneralTab", "LLang"), "Sprache:"},
            {loc->GetText("GeneralTab", "LOSD"), todo + "OSD:"},
            {loc->GetText("GeneralTab", "Nothing"), todo + "**MISSING DEFAULT**"},
            {loc->Texts.StatusPlaying, "Wiedergabe"},
            {loc->Texts.StatusPaused, todo + "Paused"},
            {loc->Texts.ShortCapHelp, "a\r\nb\\c"},
            {loc->Texts.Cmds[1], "Lauter"},
            {loc->Texts.Cmds[32], todo + "General: Quit"},
            {loc->GetTextDef("Misc", "Ok", "Ok"), todo + "Ok"}, // "Misc" is gone too
        };
        for (const auto &[got, expected] : rows)
            EXPECT_EQ(got, expected) << "translator " << translator;
    }
}

TEST_F(LocalizationTest, UnreadableLanguageFallsBackToEnglish)
{
    auto gone = Make("gone.lng");
    gone->InitLocalization();
    EXPECT_EQ(std::tuple(gone->LanguageIndex, settings.Options.Local, menus.size()), std::tuple(0, "en", 0));

    auto loc = Make("de.lng");
    loc->InitLocalization();
    ASSERT_TRUE(QFile::remove(tmp.filePath("Lang/de.lng")));
    QStringList logged;
    loc->Log.Set([&logged](const QString &line) { logged << line; });
    loc->SwitchLanguage(1);
    EXPECT_EQ(std::tuple(loc->LanguageIndex, settings.Options.Local, menus["MOpen"]),
              std::tuple(0, "en", "Open"));
    ASSERT_EQ(logged.size(), 1); // why, in the log window; no message box
    EXPECT_TRUE(logged[0].contains(tmp.filePath("Lang/de.lng"))) << logged[0].toStdString();
}

TEST_F(LocalizationTest, WrittenLanguageReadsBackWhereItCouldBeWritten)
{
    const QString blocked = tmp.filePath("Lang/de.lng/Lang"); // under a file: never made
    auto loc = Make("de.lng", {blocked, tmp.filePath("user/Lang")});
    loc->MenuLines.Set([](const Localization &) { return QStringList{"MOpen=Öffnen", "MQuit=Quit"}; });
    loc->InitLocalization();
    loc->Texts.Cmds[5] = R"(back\slash)";
    const QString path = loc->SaveLanguage("current.lng");
    EXPECT_EQ(path, tmp.filePath("user/Lang/current.lng"));
    const QByteArray bytes = ReadFile(path);
    EXPECT_TRUE(bytes.startsWith("\xFF\xFE") && bytes.contains(QByteArray("\r\0\n\0", 4)));

    settings.Options.Local = "current.lng";
    Localization back(settings, {tmp.filePath("user/Lang")}, {});
    RecordMenus(back);
    back.InitLocalization();
    EXPECT_EQ(menus["MOpen"], "Öffnen");
    for (const MiscText &misc : MiscTexts)
        EXPECT_EQ(back.Texts.*misc.Field, loc->Texts.*misc.Field) << misc.Key;
    EXPECT_EQ(back.Texts.Cmds.mid(1), loc->Texts.Cmds.mid(1));
    EXPECT_EQ(back.Texts.Cmds[0], " Custom:"); // the line's trailing blank is gone
    TLngFile english;
    english.LoadFromLines(EnglishLoc().split("\r\n"));
    for (const QString &section : english.SectionNames().mid(1)) // all but "Main"
        for (const QString &key : english.Keys(section))
            EXPECT_EQ(back.GetText(section, key), loc->GetText(section, key)) << key.toStdString();

    auto nowhere = Make("en", {blocked});
    EXPECT_EQ(ErrorText([&] { nowhere->SaveLanguage("current.lng"); }),
              "Unable to write to " + blocked + "/current.lng");
}
