// The options dialog on the engine link, with the fake engine as MPlayer: an
// engine option ends the run and starts the same entry once more.
#include "engine/ProcessFixture.h"
#include "i18n/Localization.h"
#include "mainwindow/EngineOptionsLink.h"
#include "options/uOptionsForm.h"
#include "settings/SettingsStore.h"
#include "shortcuts/ShortcutList.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

using OptionsOnEngine = ProcessFixture;

TEST_F(OptionsOnEngine, OutputChangeRestartsTheSameEntryOnce)
{
    SettingsStore store(settings);
    store.SetFileName(dir.path() + "/zorvi.ini");
    TShortcutList shortcuts;
    Localization local(settings, {}, {});
    local.InitLocalization();
    EngineOptionsLink link(*core);

    Play(kStart + "play 30 50\n", 2);
    ASSERT_TRUE(WaitStatus(PlaybackStatus::Playing));

    TOptionsForm form({&settings, &store, &shortcuts, &local, &link});
    form.OSDSpinEdit->setValue(1);
    form.AOComboBox->setCurrentIndex(0);
    form.CustomAOEdit->setText(QStringLiteral("-ao null -nosound"));
    form.BSave->click();
    ASSERT_EQ(form.result(), QDialog::Accepted);
    ASSERT_TRUE(WaitStatus(PlaybackStatus::Playing));

    const QByteArray a = dir.path().toUtf8() + "/a.avi";
    EXPECT_EQ(Args().count(a), 2);
    EXPECT_EQ(Args().count("-nosound"), 1);
    EXPECT_EQ(Args().count(dir.path().toUtf8() + "/b.avi"), 0);
    EXPECT_EQ(playlist.CurrentIndex(), 0);
    EXPECT_TRUE(core->IsRunning());
}
