// Menu captions, labels, button tips and the keys window follow a language
// switch and come back with English.
#include "MainFormFixture.h"
#include "shortcuts/KeysWindow.h"

#include <QTreeWidget>

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

TEST_F(LanguageFormTest, ButtonTipsAndTheKeysWindowFollowTheLanguage)
{
    EXPECT_EQ(Skin().BMainQuit->toolTip(), "General: Quit (Ctrl+Q)");
    EXPECT_EQ(Skin().BMinimize->toolTip(), ""); // no named command of its own
    core->ExecuteCommand("keys");
    auto *keys = form->findChild<KeysWindow *>();
    ASSERT_TRUE(keys && keys->isVisible());
    EXPECT_EQ(keys->windowTitle(), "Keys and mouse");
    locale->SwitchLanguage(1);
    EXPECT_EQ(Skin().BMainQuit->toolTip(), "Allgemein: Beenden (Ctrl+Q)");
    EXPECT_EQ(keys->windowTitle(), "Tasten und Maus");
    const auto rows = keys->List->findItems("Hilfe: Tasten anzeigen", Qt::MatchExactly);
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0]->text(1), "F1");
    QTest::keyClick(keys, Qt::Key_Escape);
    EXPECT_FALSE(keys->isVisible());
}
