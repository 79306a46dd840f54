// The localization: choosing a language, lookups with their fallbacks and
// translator marks, and a written language file read back.
#include "common/ZError.h"
#include "i18n/Localization.h"
#include "settings/SettingsData.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
class LocalizationTest : public ::testing::Test {
protected:
    QTemporaryDir tmp;
    SettingsData settings;
    QMap<QString, QString> menus; // what ApplyToMenus set, by item name

    void Write(const QString &name, const QByteArray &bytes)
    {
        QDir().mkpath(tmp.filePath("Lang"));
        QFile file(tmp.filePath("Lang/" + name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    std::unique_ptr<Localization> Make(const QString &local, QStringList saveDirs = {})
    {
        settings.Options.Local = local;
        auto l = std::make_unique<Localization>(settings, QStringList{tmp.filePath("Lang")}, saveDirs);
        l->ApplyToMenus = [this](const Localization &loc) {
            for (const char *name : {"MOpen", "MQuit"})
                menus[name] = loc.GetText("Main", name);
        };
        return l;
    }
    void SetUp() override
    {
        Write("de.lng", "[Main]\nMOpen=\xC3\x96"
                        "ffnen\n[Misc]\nStatusPlaying=Wiedergabe\nShortCapHelp=a\\nb\\\\c\n"
                        "[Cmds]\n1=Lauter\n[GeneralTab]\nLLang=Sprache:\n");
        Write("up.LNG", "[Main]\nMQuit=Ende\n");
    }
};
} // namespace

TEST_F(LocalizationTest, MissingTextsFallBackToEnglishMarkedForTranslators)
{
    auto loc = Make("de.lng");
    loc->InitLocalization();
    ASSERT_EQ(loc->Languages.size(), 2); // "up.LNG" is not offered
    EXPECT_EQ(loc->Languages[1].DisplayName, "de");
    EXPECT_EQ(loc->LanguageIndex, 1);
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
    loc->SwitchLanguage(1);
    EXPECT_EQ(std::tuple(loc->LanguageIndex, settings.Options.Local, menus["MOpen"]),
              std::tuple(0, "en", "Open"));
}

TEST_F(LocalizationTest, WrittenLanguageReadsBackWhereItCouldBeWritten)
{
    const QString blocked = tmp.filePath("Lang/de.lng/Lang"); // under a file: never made
    auto loc = Make("de.lng", {blocked, tmp.filePath("user/Lang")});
    loc->MenuLines = [](const Localization &) { return QStringList{"MOpen=Öffnen", "MQuit=Quit"}; };
    loc->InitLocalization();
    loc->Texts.Cmds[5] = R"(back\slash)";
    const QString path = loc->SaveLanguage("current.lng");
    EXPECT_EQ(path, tmp.filePath("user/Lang/current.lng"));

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("\xFF\xFE") && bytes.contains(QByteArray("\r\0\n\0", 4)));
    // Trailing blanks go with every line read.
    const auto trailTrimmed = [](QString text) {
        while (text.endsWith(u' '))
            text.chop(1);
        return text;
    };
    TLngFile saved;
    saved.LoadFromLines(TLngFile::DecodeLines(bytes));
    EXPECT_EQ(saved.ReadValue("Main", "MOpen"), "Öffnen");
    for (const MiscText &misc : MiscTexts) {
        QString value = saved.ReadValue("Misc", misc.Key);
        if (misc.Field == &TZorviLocal::ShortCapHelp)
            value = TLngFile::Unescape(value);
        EXPECT_EQ(value, loc->Texts.*misc.Field) << misc.Key;
    }
    for (int i = 0; i <= 32; ++i)
        EXPECT_EQ(saved.ReadValue("Cmds", QString::number(i)), trailTrimmed(loc->Texts.Cmds[i])) << i;
    for (const char *section : {"Options", "GeneralTab", "VideoTab", "AudioTab", "ShortcutsTab", "TabAbout"})
        for (const QString &key : saved.Keys(section))
            EXPECT_EQ(saved.ReadValue(section, key), loc->GetText(section, key))
                << section << key.toStdString();
    EXPECT_EQ(saved.Keys("AdvancedTab").size(), 4);

    auto nowhere = Make("en", {blocked});
    nowhere->InitLocalization();
    try {
        nowhere->SaveLanguage("current.lng");
        ADD_FAILURE() << "wrote into a file";
    } catch (const ZError &e) {
        EXPECT_EQ(e.message(), "Unable to write to " + blocked + "/current.lng");
    }
}
