// The window in another language: menu captions and labels follow a switch
// and come back with English.
#include "MainFormFixture.h"
#include "i18n/Localization.h"
#include "mainwindow/MainMenus.h"

#include <QMenu>

namespace {
class LanguageFormTest : public MainFormFixture {
protected:
    std::unique_ptr<Localization> loc;
    void SetUp() override
    {
        const QString shipped = qEnvironmentVariable("ZORVI_SOURCE_DIR") + "/i18n/Lang/";
        loc = std::make_unique<Localization>(settings, QStringList{shipped}, QStringList{});
        locale = loc.get();
        Build();
    }
    QStringList Captions()
    {
        MainMenus &m = *form->Menus();
        return {m.MQuit->text(),
                m.MSize->title(),
                Skin().MSkins()->title(),
                m.PLMClear->text(),
                Skin().LPlaylist->Caption(),
                Skin().LStatus->Caption()};
    }
};
} // namespace

TEST_F(LanguageFormTest, SwitchingChangesCaptionsAndEnglishRestoresThem)
{
    Play({"Starting playback..."});
    ASSERT_EQ(loc->Languages.size(), 3);
    EXPECT_EQ(loc->Languages[1].DisplayName, "Deutsch"); // sorted: before "Français"
    loc->SwitchLanguage(1);
    const QStringList german{"Beenden", "Größe", "Oberflächen", "Leeren", "Wiedergabeliste", "Wiedergabe"};
    EXPECT_EQ(Captions(), german);
    loc->SwitchLanguage(0);
    EXPECT_EQ(Captions(), QStringList({"Quit", "Size", "Skins", "Clear", "Playlist", "Playing"}));
    EXPECT_EQ(settings.Options.Local, "en");
    loc->SwitchLanguage(1);
    EXPECT_EQ(Captions(), german);
    EXPECT_EQ(settings.Options.Local, "Deutsch.lng");
}
