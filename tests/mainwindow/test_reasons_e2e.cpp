// The video area and the track menus with the real engine under openbox, in
// both skins and two languages; ZORVI_SHOTS names a folder for the screenshots.
#include "MainFormFixture.h"
#include "mainwindow/VideoAreaPanel.h"

namespace {
class ReasonsE2E : public MainFormFixture {
protected:
    QString media;
    void SetUp() override
    {
        real = true;
        Build({qEnvironmentVariable("ZORVI_SOURCE_DIR") + "/i18n/Lang/"});
        media = TestMedia();
    }
    QStringList Said() const
    {
        QStringList said;
        for (const VideoAreaLine &line : static_cast<VideoAreaPanel *>(form->OuterPanel())->Lines())
            said << line.Text;
        return said;
    }
    // The screen shows the text: bright pixels in the black video area.
    void Look(const QString &name)
    {
        Settle(400);
        const QImage screen = Screenshot().copy(form->frameGeometry());
        const QRect area(form->OuterPanel()->mapTo(form.get(), QPoint(0, 0)), form->OuterPanel()->size());
        int lit = 0;
        for (int y = area.top(); y < area.bottom(); y += 2)
            for (int x = area.left(); x < area.right(); x += 2)
                lit += screen.pixelColor(x, y).value() > 120;
        EXPECT_GT(lit, 20) << name.toStdString();
        if (const QString dir = qEnvironmentVariable("ZORVI_SHOTS"); !dir.isEmpty())
            screen.save(dir + "/" + name + ".png");
    }
    bool PlayFile(const QString &name, PlaybackStatus until)
    {
        playlist.AddItem(TZorviPlaylist::MakeItem(media + "/" + name, EntryKind::File));
        core->PlayEntry(playlist.Count() - 1);
        return WaitFor([&] { return core->State().Status == until; }, 15000);
    }
};
} // namespace

TEST_F(ReasonsE2E, VideoAreaAndTrackMenusSayWhatTheEngineReports)
{
    EXPECT_EQ(Said().mid(0, 2), QStringList({"Drop files here", "Right-click for the menu"}));
    Look("first-window");
    settings.Options.AudioOut = 2; // "-ao alsa": played again without sound where there is none
    const TZorviLocal &texts = locale->Texts;
    for (const int language : {0, 1}) {
        for (const int skin : {0, 1}) {
            locale->SwitchLanguage(language);
            SelectSkin(skin);
            const QString name = QString(skin ? "ze6zo-" : "default-") + (language ? "de-" : "en-");
            ASSERT_TRUE(PlayFile("tagged.mp3", PlaybackStatus::Playing));
            EXPECT_EQ(Said().mid(0, 3), QStringList({"Tone Title", "Tone Artist", "Tone Album"}));
            EXPECT_EQ(Said().size(), 3 + (core->State().Problem == EngineProblem::NoSoundDevice)); // once
            Look(name + "tags");
            core->ExecuteCommand("stop");
            ASSERT_TRUE(WaitFor([&] { return !core->IsRunning(); }));
            EXPECT_EQ(Said().first(), texts.HintDrop);
            Look(name + "hint");
            ASSERT_TRUE(PlayFile("gone.avi", PlaybackStatus::Error));
            EXPECT_EQ(Said(),
                      QStringList({texts.ProblemFileNotFound, "gone.avi", texts.SeeConsole + " \"`\""}));
            EXPECT_EQ(Skin().LStatus->Caption(), texts.ProblemFileNotFound);
            Look(name + "failure");
            const QPoint at = form->OuterPanel()->mapToGlobal(QPoint(40, 40)); // a click opens the console
            ASSERT_TRUE(XdotoolAt(at, {"click", "1"}));
            EXPECT_TRUE(WaitFor([&] { return form->Log()->isVisible(); }));
            form->Log()->hide();
        }
    }
    EXPECT_EQ(core->State().SoundDeviceMissing, !QFile::exists("/dev/snd"));

    // Tracks named by what the engine reports; a picture is the engine's alone.
    ASSERT_TRUE(PlayFile("multi.mkv", PlaybackStatus::Playing));
    EXPECT_TRUE(Said().isEmpty());
    QStringList items;
    for (QMenu *menu : {form->Menus()->MAudio, form->Menus()->MSubtitle})
        for (const QAction *item : menu->actions())
            if (item->text().contains(u':'))
                items << item->text();
    EXPECT_EQ(items, QStringList({QStringLiteral("0: English (eng) \u2013 Director [mp3float]"),
                                  "1: French (fre) [mp3float]", "0: German (ger) [srt]"}));
}
