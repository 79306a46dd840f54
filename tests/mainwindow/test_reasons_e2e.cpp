// What the video area says with the real engine under openbox: the first
// window's hint, a sound file's tags (with a sound device that cannot be
// opened), a missing file's reason; and the track menus named from what the
// engine reports. In both skins and in English and German; ZORVI_SHOTS names
// a folder to keep the screenshots in.
#include "../e2e/E2eHarness.h"
#include "MainFormFixture.h"
#include "mainwindow/MainMenus.h"
#include "mainwindow/VideoAreaPanel.h"
#include "support/ScreenPicture.h"

#include <QMenu>

namespace {
class ReasonsE2E : public MainFormFixture {
protected:
    QString media;
    void SetUp() override
    {
        real = true;
        Build({qEnvironmentVariable("ZORVI_SOURCE_DIR") + "/i18n/Lang/"});
        QString error;
        media = TestMedia(error);
        ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    }
    const TZorviLocal &Texts() const { return locale->Texts; }
    QStringList Said() const
    {
        QStringList said;
        for (const VideoAreaLine &line : static_cast<VideoAreaPanel *>(form->OuterPanel())->Lines())
            said << line.Text;
        return said;
    }
    // Pixels of the video area on the screen in its text colours.
    int TextPixels(const QImage &screen) const
    {
        const QRect area(form->OuterPanel()->mapToGlobal(QPoint(0, 0)), form->OuterPanel()->size());
        int lit = 0;
        for (int y = area.top(); y < area.bottom(); y += 2)
            for (int x = area.left(); x < area.right(); x += 2)
                lit += screen.pixelColor(x, y).value() > 120;
        return lit;
    }
    void Look(const QString &name)
    {
        WaitFor([] { return false; }, 400); // painted and composed
        const QImage screen = Screenshot();
        EXPECT_GT(TextPixels(screen), 20) << name.toStdString();
        if (const QString dir = qEnvironmentVariable("ZORVI_SHOTS"); !dir.isEmpty())
            screen.copy(form->frameGeometry()).save(dir + "/" + name + ".png");
    }
    void PlayFile(const QString &path)
    {
        playlist.AddItem(TZorviPlaylist::MakeItem(path, EntryKind::File));
        core->PlayEntry(playlist.Count() - 1);
    }
    void Stop()
    {
        core->ExecuteCommand("stop");
        ASSERT_TRUE(WaitFor([&] { return !core->IsRunning(); }));
    }
};
} // namespace

TEST_F(ReasonsE2E, TheVideoAreaSaysHowToBeginWhatPlaysAndWhyItFailed)
{
    EXPECT_EQ(Said().mid(0, 2), QStringList({"Drop files here", "Right-click for the menu"}));
    Look("first-window");
    settings.Options.AudioOut = 2; // "-ao alsa": no device on a machine without sound
    const bool soundless = !QFile::exists("/dev/snd");
    for (const int language : {0, 1}) {
        for (const int skin : {0, 1}) {
            locale->SwitchLanguage(language);
            SelectSkin(skin);
            const QString name =
                QStringLiteral("%1-%2-").arg(skin ? "ze6zo" : "default", language ? "de" : "en");

            PlayFile(media + "/tagged.mp3");
            ASSERT_TRUE(WaitFor([&] { return core->State().Status == PlaybackStatus::Playing; }, 15000));
            EXPECT_EQ(Said().mid(0, 3), QStringList({"Tone Title", "Tone Artist", "Tone Album"}));
            if (soundless && core->State().Problem == EngineProblem::NoSoundDevice)
                EXPECT_EQ(Said().last(), Texts().ProblemNoSoundDevice);
            else
                EXPECT_EQ(Said().size(), 3);
            Look(name + "tags");
            Stop();
            EXPECT_EQ(Said().first(), Texts().HintDrop);
            Look(name + "hint");

            PlayFile(media + "/gone.avi");
            ASSERT_TRUE(WaitFor([&] { return !core->IsRunning(); }));
            EXPECT_EQ(core->State().Status, PlaybackStatus::Error);
            EXPECT_EQ(Said(),
                      QStringList({Texts().ProblemFileNotFound, "gone.avi", Texts().SeeConsole + " \"`\""}));
            if (skin == 1)
                EXPECT_EQ(Skin().LStatus->Caption(), Texts().ProblemFileNotFound);
            Look(name + "failure");
        }
    }
    EXPECT_TRUE(soundless == core->State().SoundDeviceMissing);
}

TEST_F(ReasonsE2E, TrackMenusNameTracksByLanguageTitleAndCodec)
{
    PlayFile(media + "/multi.mkv");
    ASSERT_TRUE(WaitFor([&] { return core->State().Status == PlaybackStatus::Playing; }, 15000));
    EXPECT_TRUE(Said().isEmpty()); // the picture is the engine's alone
    QStringList items;
    for (QMenu *menu : {form->Menus()->MAudio, form->Menus()->MSubtitle})
        for (const QAction *item : menu->actions())
            if (item->isCheckable() && item->data().isValid() && item->data().toInt() >= 0)
                items << item->text();
    EXPECT_EQ(items.mid(0, 3), QStringList({QStringLiteral("0: English (eng) \u2013 Director [mp3float]"),
                                            "1: French (fre) [mp3float]", "0: German (ger) [srt]"}));
}
