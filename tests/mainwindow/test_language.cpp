// Menu captions and labels follow a language switch and come back with English.
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
        const MainMenus &m = *form->Menus();
        const QList<QAction *> items{m.MQuit, m.MSize->menuAction(), Skin().MSkins()->menuAction(),
                                     m.PLMClear};
        QStringList texts;
        for (const QAction *item : items)
            texts << item->text();
        return texts << Skin().LPlaylist->Caption() << Skin().LStatus->Caption();
    }
};
} // namespace

TEST_F(LanguageFormTest, SwitchingChangesCaptionsAndEnglishRestoresThem)
{
    Play({"Starting playback..."});
    loc->SwitchLanguage(1); // "Deutsch", sorted before "Français"
    const QStringList german{"Beenden", "Größe", "Oberflächen", "Leeren", "Wiedergabeliste", "Wiedergabe"};
    EXPECT_EQ(Captions(), german);
    loc->SwitchLanguage(0);
    EXPECT_EQ(Captions(), QStringList({"Quit", "Size", "Skins", "Clear", "Playlist", "Playing"}));
    EXPECT_EQ(settings.Options.Local, "en");
    loc->SwitchLanguage(1);
    EXPECT_EQ(Captions(), german);
    EXPECT_EQ(settings.Options.Local, "Deutsch.lng");
}
