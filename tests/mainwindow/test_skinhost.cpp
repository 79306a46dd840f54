// The skinned main window offscreen: the skin host, the playback display and
// the display modes, none of which may touch the video panel's native window.
#include "MainFormFixture.h"

#include "common/TextHelpers.h"

static QRect GlobalRect(const QWidget *w)
{
    return QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
}

TEST_F(MainFormFixture, BuiltInSkinsBuildTheChromeAroundTheVideoArea)
{
    const WId video = form->InnerPanel()->winId();
    for (int skin : {1, 0, 1}) {
        SCOPED_TRACE(skin);
        SelectSkin(skin);
        const PanelSizes panels = form->SkinPanelSizes();
        EXPECT_TRUE(panels.top > 0 && panels.bottom > 0);
        // The video area is exactly what the panels leave.
        EXPECT_EQ(form->OuterPanel()->geometry(),
                  form->rect().adjusted(panels.left, panels.top, -panels.right, -panels.bottom));
        int buttons = 0;
        for (TZorviButton *b : Skin().Buttons())
            buttons += b->isVisibleTo(form.get()) && !b->Bitmap().Image().isNull();
        EXPECT_GE(buttons, 8);
        EXPECT_TRUE(Skin().SeekBar->isVisibleTo(form.get()) && Skin().LTime->isVisibleTo(form.get()));
        // The video panel stays the one native child, with the id the engine got.
        EXPECT_EQ(form->InnerPanel()->winId(), video);
        EXPECT_EQ(form->OuterPanel()->internalWinId(), WId(0));
        for (QWidget *panel : Skin().Panels())
            EXPECT_EQ(panel->internalWinId(), WId(0));
    }
}

TEST_F(MainFormFixture, PlaybackDisplayFollowsTheEngine)
{
    EXPECT_FALSE(Skin().SeekBar->isEnabled());
    Play({"ID_LENGTH=4000.00", "Starting playback...", "A:  10.4 V:  10.4 A-V:  0.000"});
    EXPECT_TRUE(Skin().SeekBar->isEnabled());
    EXPECT_EQ(Skin().SeekBar->Max(), 4000);
    EXPECT_EQ(Skin().SeekBar->Position(), 10);
    EXPECT_EQ(Skin().LTime->Caption(), "0:00:10 / 1:06:40");
    EXPECT_EQ(Skin().LStatus->Caption(), "Playing");
    EXPECT_EQ(Skin().BStatus->BitCurState(), 4);
    EXPECT_TRUE(Skin().BPlayPause->Checked());

    // The pointer over the seek bar: the label shows the time under it, also
    // while the position moves on; leaving, the position again.
    TZorviTrackbar &bar = *Skin().SeekBar;
    const QPoint over(bar.width() / 4, bar.height() / 2);
    const QString hovered = FormatTime(bar.PixelToPosition(over.x(), over.y()), true) + " / 1:06:40";
    // The events the window system gives a control: enter, moves, leave.
    QEnterEvent enter(over, bar.mapTo(form.get(), over), bar.mapToGlobal(over));
    QApplication::sendEvent(&bar, &enter);
    QTest::mouseMove(&bar, over);
    EXPECT_EQ(Skin().LTime->Caption(), hovered);
    runs.Current->Post({"A:  60.0 V:  60.0 A-V:  0.000"});
    core->HandlePendingOutput();
    EXPECT_EQ(bar.Position(), 60);
    EXPECT_EQ(Skin().LTime->Caption(), hovered);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&bar, &leave);
    EXPECT_EQ(Skin().LTime->Caption(), "0:01:00 / 1:06:40");

    // A skin button runs its command: the pause button pauses.
    Skin().BPlayPause->Click();
    EXPECT_EQ(Skin().LStatus->Caption(), "Paused");
    EXPECT_TRUE(Skin().BPause->Checked());
    EXPECT_FALSE(Skin().BPlayPause->Checked());
    core->ExecuteCommand(QStringLiteral("volume 40 1"));
    EXPECT_EQ(Skin().VolBar->Position(), 40);
}

TEST_F(MainFormFixture, DisplayModesKeepTheVideoWindow)
{
    Play({"ID_LENGTH=60", "VO: [x11] 640x360 => 640x360 Planar YV12", "Starting playback..."});
    const WId video = form->InnerPanel()->winId();
    settings.LastSession.WinCenter = false;
    form->SetWindowBounds(QRect(40, 30, 500, 330));
    const QRect windowed = form->geometry();
    const QRect area = GlobalRect(form->OuterPanel());

    // Compact: the video area keeps its place and size on screen.
    core->ExecuteCommand(QStringLiteral("toggle_controls"));
    EXPECT_TRUE(form->IsAutoHideActive());
    const int b = Skin().Params.Borders;
    EXPECT_EQ(GlobalRect(form->OuterPanel()), area);
    EXPECT_EQ(form->geometry(), area.adjusted(-b, -b, b, b));
    // Controls shown over the video: the panels are cut out of the native panel.
    form->ShowControls(true);
    const QPoint top = form->InnerPanel()->mapFrom(form.get(), Skin().TopPanel->geometry().center());
    EXPECT_FALSE(form->InnerPanel()->mask().contains(top));
    core->ExecuteCommand(QStringLiteral("toggle_controls"));
    EXPECT_EQ(form->geometry(), windowed);

    core->ExecuteCommand(QStringLiteral("fullscreen"));
    EXPECT_EQ(form->geometry(), form->screen()->geometry());
    EXPECT_TRUE(form->mask().isEmpty());                 // square
    core->ExecuteCommand(QStringLiteral("winsize 1 1")); // for the windowed bounds only
    EXPECT_EQ(form->geometry(), form->screen()->geometry());
    core->ExecuteCommand(QStringLiteral("fullscreen"));
    EXPECT_EQ(form->geometry().topLeft(), windowed.topLeft());
    EXPECT_EQ(form->width(), Skin().Params.MinWidth);

    core->ExecuteCommand(QStringLiteral("playlist"));
    EXPECT_TRUE(Skin().Playlist->isVisible());
    EXPECT_TRUE(Skin().BPlaylist->Checked());
    EXPECT_EQ(form->InnerPanel()->winId(), video);
}

// A launch centres the new entry in the list, but not under a user dragging in it.
TEST_F(MainFormFixture, LaunchLeavesTheListAloneWhileTheUserDragsInIt)
{
    for (int i = 0; i < 60; ++i)
        playlist.AddItem(TZorviPlaylist::MakeItem(QStringLiteral("/m/%1.avi").arg(i), EntryKind::File));
    form->ShowPlaylist(true);
    TZorviListBox &box = *Skin().Playlist;
    const QPoint item = box.ItemArea().topLeft() + QPoint(4, box.ItemHeight() / 2);
    QTest::mousePress(&box, Qt::LeftButton, {}, item);
    core->PlayEntry(40);
    EXPECT_EQ(box.TopIndex(), 0);
    QTest::mouseRelease(&box, Qt::LeftButton, {}, item);
    core->PlayEntry(40);
    EXPECT_GT(box.TopIndex(), 0);
}

// Leaving full screen after a skin change gives the window the new skin's size.
TEST_F(MainFormFixture, SkinChosenInFullScreenSizesTheWindowItLeavesTo)
{
    settings.LastSession.WinCenter = false;
    SelectSkin(0);
    core->ExecuteCommand(QStringLiteral("winsize 50 1"));
    const QRect first = form->geometry();
    SelectSkin(1);
    ASSERT_NE(form->height(), first.height()); // the other skin's chrome
    core->ExecuteCommand(QStringLiteral("fullscreen"));
    SelectSkin(0);
    EXPECT_EQ(form->geometry(), form->screen()->geometry());
    core->ExecuteCommand(QStringLiteral("fullscreen"));
    EXPECT_EQ(form->geometry(), first);
}
