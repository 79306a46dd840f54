// The menus, drops and keys of the skinned window, offscreen, on an engine
// link that starts no process.
#include "MainFormFixture.h"
#include "support/PlaylistTitles.h"

#include <QFileDialog>
#include <QKeyEvent>
#include <QMimeData>
#include <QUrl>
#include <QWheelEvent>
#include <QWindow>
#include <QtTest/qtestspontaneevent.h>

namespace {
QStringList captions(QMenu *menu)
{
    QStringList list;
    for (const QAction *item : menu->actions())
        list << (item->isSeparator() ? QStringLiteral("-") : item->text());
    return list;
}
} // namespace

class MenusTest : public MainFormFixture {
protected:
    QByteArray written() const { return runs.Written.join(); }
    MainMenus &M() { return *form->Menus(); }
    // A key press as the window gets it; whether a binding took it.
    bool Press(int key, quint32 scanCode)
    {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, scanCode, 0, 0);
        QApplication::sendEvent(form.get(), &event);
        return event.isAccepted();
    }
};

TEST_F(MenusTest, RadioGroupsAndTheSkinsMenu)
{
    for (QMenu *menu : {M().MSize, M().MAR}) {
        ASSERT_TRUE(menu->actions().first()->actionGroup());
        EXPECT_TRUE(menu->actions().first()->actionGroup()->isExclusive());
        EXPECT_EQ(menu->actions().first()->actionGroup()->actions(), menu->actions());
    }
    // The skins menu sits before "Playlist".
    const QList<QAction *> top = M().MainPopup->actions();
    const qsizetype playlistAt = top.indexOf(M().MPlaylist);
    ASSERT_GT(playlistAt, 0);
    EXPECT_EQ(top[playlistAt - 1]->menu(), Skin().MSkins());

    M().MSize50->trigger();
    EXPECT_EQ(settings.LastSession.WindowSize, 50);
    MainMenus::TickMenuValue(M().MSize, 33);
    EXPECT_TRUE(M().MSizeCustom->isChecked());
    M().MAR169->trigger();
    EXPECT_EQ(core->State().AspectIndex, 2);
}

TEST_F(MenusTest, TrackMenusFillTickAndChoose)
{
    Play({"ID_AUDIO_ID=1", "ID_AID_1_LANG=eng", "ID_AUDIO_ID=2", "ID_AID_2_LANG=ger", "ID_SUBTITLE_ID=3",
          "ID_SID_3_LANG=English", "ID_LENGTH=100", "Starting playback..."});
    EXPECT_EQ(captions(M().MAudio), (QStringList{"1: English (eng)", "2: German (ger)", "Mute"}));
    EXPECT_EQ(captions(M().MSubtitle), (QStringList{"3: English", "Disable", "-", "Load..."}));

    runs.Written.clear();
    M().MAudio->actions().at(1)->trigger();
    EXPECT_TRUE(written().contains("switch_audio 2\n")) << written().constData();
    EXPECT_TRUE(M().MAudio->actions().at(1)->isChecked());
    M().MSNone->trigger();
    EXPECT_TRUE(written().contains("sub_select -1\n")) << written().constData();
    // The engine's own change (cycling) ticks the item too.
    core->ExecuteCommand(QStringLiteral("switch_audio 1 1"));
    EXPECT_TRUE(M().MAudio->actions().at(0)->isChecked());

    // The next medium takes the tracks away again.
    playlist.AddItem(TZorviPlaylist::MakeItem(QStringLiteral("/m/next.avi"), EntryKind::File));
    runs.Current->End(0);
    core->HandlePendingOutput();
    ASSERT_EQ(playlist.CurrentIndex(), 1);
    EXPECT_EQ(captions(M().MAudio), QStringList{"Mute"});
    EXPECT_EQ(captions(M().MSubtitle), (QStringList{"Disable", "-", "Load..."}));
}

TEST_F(MenusTest, DropsReplaceAppendOrLoadSubtitles)
{
    QTemporaryDir dir;
    for (const char *name : {"a.avi", "b.avi", "film.srt"})
        WriteFile(dir.filePath(name));
    QStringList subtitles;
    playlist.LoadSubtitle.Set([&](const QString &path) { subtitles << path; });
    playlist.AddItem(TZorviPlaylist::MakeItem(QStringLiteral("/m/old.avi"), EntryKind::File));

    const auto drop = [&](const QStringList &names, const QPoint &at) {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString &name : names)
            urls << (name.contains(u':') ? QUrl(name) : QUrl::fromLocalFile(dir.filePath(name)));
        data.setUrls(urls);
        // Qt delivers a drop to the widget that accepted the drag's entry.
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(form.get(), &enter);
        QDropEvent event(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(form.get(), &event);
    };
    const QPoint video = form->OuterPanel()->geometry().center();

    drop({"b.avi", "a.avi"}, video);
    EXPECT_EQ(Titles(playlist), (QStringList{"b.avi", "a.avi"}));
    EXPECT_EQ(playlist.CurrentIndex(), 0);
    EXPECT_EQ(form->windowTitle(), "b.avi");

    drop({"film.srt"}, video);
    EXPECT_EQ(Titles(playlist), (QStringList{"b.avi", "a.avi"}));
    EXPECT_EQ(subtitles, QStringList{dir.filePath("film.srt")});

    form->ShowPlaylist(true);
    drop({"a.avi", "http://example.com/live.mp4"}, Skin().Playlist->geometry().center());
    EXPECT_EQ(Titles(playlist), (QStringList{"b.avi", "a.avi", "a.avi", "http://example.com/live.mp4"}));
    EXPECT_EQ(playlist.Items(3)->Kind, EntryKind::URL);
    EXPECT_EQ(playlist.CurrentIndex(), 0); // appended: nothing new plays
}

TEST_F(MenusTest, KeysRunTheirBoundCommands)
{
    Play({"ID_LENGTH=100", "Starting playback..."});
    const float volume = core->State().VolumeProp.Value;
    Press(Qt::Key_Down, 116);
    EXPECT_EQ(core->State().VolumeProp.Value, volume - 6);
    // A German keyboard's key left of 1 opens the console, as 0xC0 does.
    Press(Qt::Key_AsciiCircum, 49);
    EXPECT_TRUE(form->Log()->isVisible());
    EXPECT_FALSE(Press(Qt::Key_N, 57)); // unbound: left to the widget
}

TEST_F(MenusTest, OpenFolderReplacesTheListUnlessItGivesNothingAndDeleteRemovesTheSelected)
{
    ReportCapture reports;
    QTemporaryDir dir;
    for (const char *name : {"f/b.mp3", "f/sub/a.webm", "empty/notes.txt"})
        WriteFile(dir.filePath(name));
    playlist.AddItem(TZorviPlaylist::MakeItem(QStringLiteral("/m/old.avi"), EntryKind::File));
    // The folder chooser, answered from inside its own event loop.
    const auto chooseFolder = [&](const QString &folder) {
        QTimer::singleShot(0, [folder] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            dialog->setDirectory(folder);
            static_cast<QDialog *>(dialog)->accept(); // QFileDialog::accept, which checks the name
        });
        core->ExecuteCommand(QStringLiteral("openfolder"));
        QCoreApplication::processEvents();
    };
    chooseFolder(dir.filePath("empty"));
    EXPECT_EQ(Titles(playlist), QStringList{"old.avi"});
    EXPECT_EQ(reports.take(),
              QStringList{"No video or sound files in this folder:\n" + dir.filePath("empty")});
    chooseFolder(dir.filePath("f"));
    EXPECT_EQ(Titles(playlist), (QStringList{"b.mp3", "a.webm"}));
    EXPECT_EQ(playlist.CurrentIndex(), 0);

    playlist.SetSelected(1, true);
    EXPECT_FALSE(Press(Qt::Key_Delete, 119)); // the playlist hidden: the key is free
    form->ShowPlaylist(true);
    EXPECT_TRUE(Press(Qt::Key_Delete, 119));
    EXPECT_EQ(Titles(playlist), QStringList{"b.mp3"});
}

// The wheel goes to the control under the pointer: the box scrolls; over the video
// or a trackbar the window runs its binding once per whole notch, halves gathering.
TEST_F(MenusTest, WheelGoesToTheBoxUnderThePointerElseRunsPerNotch)
{
    const auto wheel = [&](const QWidget *over, int delta) {
        const QPoint at = over->mapTo(form.get(), over->rect().center());
        QWheelEvent event(at, form->mapToGlobal(at), {}, {0, delta}, {}, {}, Qt::NoScrollPhase, false);
        QSpontaneKeyEvent::setSpontaneous(&event); // as the window system delivers it
        qApp->notify(form->windowHandle(), &event);
    };
    const float volume = core->State().VolumeProp.Value;
    wheel(form->OuterPanel(), -240);
    wheel(Skin().VolBar, 60);
    wheel(form->OuterPanel(), 60);
    EXPECT_EQ(core->State().VolumeProp.Value, volume - 6);
    for (int i = 0; i < 60; ++i)
        playlist.AddItem(TZorviPlaylist::MakeItem(QStringLiteral("/m/%1.avi").arg(i), EntryKind::File));
    form->ShowPlaylist(true);
    const int top = Skin().Playlist->TopIndex();
    wheel(Skin().Playlist, -120);
    EXPECT_GT(Skin().Playlist->TopIndex(), top);
    EXPECT_EQ(core->State().VolumeProp.Value, volume - 6);
}
