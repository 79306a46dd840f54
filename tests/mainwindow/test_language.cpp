// Menu captions and labels follow a language switch and come back with English.
#include "MainFormFixture.h"
#include "i18n/Localization.h"
#include "mainwindow/MainMenus.h"

#include <QMenu>

namespace {
class LanguageFormTest : public MainFormFixture {
protected:
    void SetUp() override { Build({qEnvironmentVariable("ZORVI_SOURCE_DIR") + "/i18n/Lang/"}); }
    QStringList Captions()
    {
        const MainMenus &m = *form->Menus();
        const QList<QAction *> items{m.MQuit, m.MSize->menuAction(), Skin().MSkins()->menuAction(),
                                     m.PLMClear};
        QStringList texts;
        for (const QAction *item : items)
            texts << item->text();
        // Qt's own buttons (the file dialog's, the boxes') follow too.
        return texts << Skin().LPlaylist->Caption() << Skin().LStatus->Caption()
                     << QCoreApplication::translate("QPlatformTheme", "Cancel");
    }
};
} // namespace

TEST_F(LanguageFormTest, SwitchingChangesCaptionsAndEnglishRestoresThem)
{
    Play({"Starting playback..."});
    locale->SwitchLanguage(1); // "Deutsch", sorted before "Français"
    const QStringList german{"Beenden",         "Größe",      "Oberflächen", "Leeren",
                             "Wiedergabeliste", "Wiedergabe", "Abbrechen"};
    EXPECT_EQ(Captions(), german);
    locale->SwitchLanguage(0);
    EXPECT_EQ(Captions(), QStringList({"Quit", "Size", "Skins", "Clear", "Playlist", "Playing", "Cancel"}));
    EXPECT_EQ(settings.Options.Local, "en");
    locale->SwitchLanguage(1);
    EXPECT_EQ(Captions(), german);
    EXPECT_EQ(settings.Options.Local, "Deutsch.lng");
}
