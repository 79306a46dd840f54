// The skinned main window offscreen: the skin host, the playback display and
// the display modes, none of which may touch the video panel's native window.
#include "MainFormFixture.h"

#include <QScreen>

static QRect GlobalRect(const QWidget *w)
{
    return QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
}

TEST_F(MainFormFixture, BuiltInSkinsBuildTheChromeAroundTheVideoArea)
{
    const WId video = form->InnerPanel->winId();
    for (int skin : {1, 0, 1}) {
        SCOPED_TRACE(skin);
        SelectSkin(skin);
        const PanelSizes panels = form->SkinPanelSizes();
        EXPECT_TRUE(panels.top > 0 && panels.bottom > 0);
        // The video area is exactly what the panels leave.
        EXPECT_EQ(form->OuterPanel->geometry(),
                  form->rect().adjusted(panels.left, panels.top, -panels.right, -panels.bottom));
        int buttons = 0;
        for (TZorviButton *b : Skin().Buttons())
            buttons += b->isVisibleTo(form.get()) && !b->Bitmap().Image().isNull();
        EXPECT_GE(buttons, 8);
        EXPECT_TRUE(Skin().SeekBar->isVisibleTo(form.get()) && Skin().LTime->isVisibleTo(form.get()));
        // The video panel stays the one native child, with the id the engine got.
        EXPECT_EQ(form->InnerPanel->winId(), video);
        EXPECT_EQ(form->OuterPanel->internalWinId(), WId(0));
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

    form->SeekHover = true; // the label shows the pointer's time meanwhile
    form->UpdatePosition(59.5f);
    EXPECT_EQ(Skin().SeekBar->Position(), 60);
    EXPECT_EQ(Skin().LTime->Caption(), "0:00:10 / 1:06:40");

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
    const WId video = form->InnerPanel->winId();
    settings.LastSession.WinCenter = false;
    form->SetWindowBounds(QRect(40, 30, 500, 330));
    const QRect windowed = form->geometry();
    const QRect area = GlobalRect(form->OuterPanel);

    // Compact: the video area keeps its place and size on screen.
    core->ExecuteCommand(QStringLiteral("toggle_controls"));
    EXPECT_TRUE(form->AutoHideActive);
    const int b = Skin().Params.Borders;
    EXPECT_EQ(GlobalRect(form->OuterPanel), area);
    EXPECT_EQ(form->geometry(), area.adjusted(-b, -b, b, b));
    // Controls shown over the video: the panels are cut out of the native panel.
    form->ShowControls(true);
    const QPoint top = form->InnerPanel->mapFrom(form.get(), Skin().TopPanel->geometry().center());
    EXPECT_FALSE(form->InnerPanel->mask().contains(top));
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
    EXPECT_EQ(form->InnerPanel->winId(), video);
}
