// The skinned window with the real engine under openbox, playing the 640x360
// demo clip: the window takes the video's size plus the chrome, full screen,
// on top and a skin change keep the picture in the same window, and the
// auto-hidden controls follow the real pointer.
#include "MainFormFixture.h"
#include "platform/X11WindowState.h"

namespace {
// With each engine.
class MainFormE2E : public MainFormFixture, public ::testing::WithParamInterface<const char *> {
protected:
    void SetUp() override
    {
        real = true;
        settings.Options.Engine = QString::fromLatin1(GetParam());
        settings.LastSession.WindowSize = 0; // video size
        Build();
        ASSERT_GE(playlist.Add(qEnvironmentVariable("ZORVI_BUILD_DIR") + "/demo/zorvi-demo.avi"), 0);
        core->PlayEntry(0);
        ASSERT_TRUE(WaitFor(
            [&] { return form->InnerPanel()->isVisible() && core->State().PositionProp.Value >= 1; }, 15000));
    }
    // The real pointer through each point in turn, the window answering meanwhile.
    void MovePointer(std::initializer_list<QPoint> points)
    {
        QStringList script;
        for (const QPoint p : points)
            script << "mousemove" << At(p) << "sleep"
                   << "0.1";
        ASSERT_TRUE(Xdotool(script));
    }
};
INSTANTIATE_TEST_SUITE_P(Engines, MainFormE2E, ::testing::Values("mplayer", "mpv"));
} // namespace

TEST_P(MainFormE2E, ClipSizesTheWindowAndModesKeepThePicture)
{
    Settle();
    const WindowChrome chrome = form->Chrome(); // video size: the window is the video's width
    EXPECT_EQ(form->width(), 640);
    EXPECT_NEAR(form->height(), chrome.vertical + (640 - chrome.horizontal) * 360 / 640.0, 1);
    EXPECT_EQ(form->geometry().center().x(), form->WorkArea().center().x());
    const WId video = form->InnerPanel()->winId();
    const auto keepsPicture = [&](const char *after) {
        Settle();
        EXPECT_EQ(form->InnerPanel()->winId(), video) << after;
        EXPECT_TRUE(PictureInside(form->InnerPanel())) << after;
    };
    keepsPicture("start");

    const QRect windowed = form->geometry();
    core->ExecuteCommand(QStringLiteral("fullscreen"));
    keepsPicture("fullscreen");
    EXPECT_EQ(form->geometry(), form->ScreenBounds());
    core->ExecuteCommand(QStringLiteral("fullscreen"));
    EXPECT_TRUE(WaitFor([&] { return form->geometry() == windowed; }))
        << testing::PrintToString(form->geometry());
    keepsPicture("windowed");

    core->ExecuteCommand(QStringLiteral("ontop"));
    EXPECT_TRUE(WaitFor([&] { return Platform::KeepAbove(form->winId()); }));
    keepsPicture("ontop");
    const PanelSizes before = form->SkinPanelSizes();
    SelectSkin(1 - Skin().Skins().IndexOf(Skin().SkinName));
    keepsPicture("skin");
    EXPECT_NE(form->SkinPanelSizes().bottom, before.bottom); // the other skin's chrome
    core->ExecuteCommand(QStringLiteral("ontop"));
    EXPECT_TRUE(WaitFor([&] { return !Platform::KeepAbove(form->winId()); })); // openbox answers later
}

TEST_P(MainFormE2E, AutoHiddenControlsFollowThePointer)
{
    core->ExecuteCommand(QStringLiteral("toggle_controls"));
    Settle();
    const QRect video(form->InnerPanel()->mapToGlobal(QPoint(0, 0)), form->InnerPanel()->size());
    const QPoint edge(video.center().x(), form->geometry().bottom() - 10); // over the bottom controls
    const auto hidden = [&] { return !form->AreControlsShown(); };
    const auto cursorHidden = [&] { return form->InnerPanel()->cursor().shape() == Qt::BlankCursor; };
    ASSERT_TRUE(form->IsAutoHideActive() && hidden());
    // Past the drag threshold onto the controls, then back onto the video, where the pointer hides too.
    MovePointer({video.center(), edge, edge + QPoint(10, 0)});
    EXPECT_TRUE(WaitFor([&] { return !hidden(); }, 2000));
    MovePointer({video.center()});
    EXPECT_TRUE(WaitFor([&] { return hidden() && cursorHidden(); }, 6000));
    // Back at the edge they come back, and go again 3 s after the pointer came to rest there.
    QElapsedTimer rest;
    rest.start();
    MovePointer({edge, edge + QPoint(10, 0)});
    EXPECT_TRUE(WaitFor([&] { return !hidden() && !cursorHidden(); }, 2000));
    EXPECT_TRUE(WaitFor(hidden, 6000));
    EXPECT_GE(rest.elapsed(), 3000);
}

// Input on the X server reaches the window although the engine draws into the
// video panel. Keys reach the bindings: Space pauses the engine (its pause
// marker comes back, the position stands) and resumes it (the position moves
// on); Right seeks 10 s on. A double click goes full screen and Enter leaves
// it, a right click opens the menu, and "Fullscreen" chosen in it works.
TEST_P(MainFormE2E, KeysAndClicksOnThePlayingVideoReachTheWindow)
{
    const auto xdotool = [&](const QStringList &args) {
        XdotoolAt(form->InnerPanel()->mapToGlobal(form->InnerPanel()->rect().center()), args);
    };
    form->activateWindow();
    Settle();
    ASSERT_TRUE(PictureInside(form->InnerPanel())); // the engine is drawing where the clicks go
    xdotool({"key", "space"});
    EXPECT_TRUE(WaitFor([&] { return host->Log.StatusLine().startsWith(QLatin1String("Paused|")); }));
    EXPECT_TRUE(core->State().Paused);
    const float at = core->State().PositionProp.Value;
    Settle();
    EXPECT_EQ(core->State().PositionProp.Value, at);
    xdotool({"key", "space"});
    EXPECT_TRUE(
        WaitFor([&] { return !core->State().Paused && core->State().PositionProp.Value > at + 0.5f; }));
    const float before = core->State().PositionProp.Value;
    xdotool({"key", "Right"});
    EXPECT_TRUE(WaitFor([&] { return core->State().PositionProp.Value >= before + 9; }, 5000))
        << before << " -> " << core->State().PositionProp.Value;

    xdotool({"click", "--repeat", "2", "--delay", "80", "1"});
    EXPECT_TRUE(WaitFor([&] { return form->IsFullscreen(); }, 5000));
    Settle();
    xdotool({"key", "Return"});
    EXPECT_TRUE(WaitFor([&] { return !form->IsFullscreen(); }, 5000));
    Settle();
    xdotool({"click", "3"});
    MainMenus &menus = *form->Menus();
    ASSERT_TRUE(WaitFor([&] { return menus.MainPopup->isVisible(); }, 5000));
    const auto clickItem = [&](QMenu *menu, QAction *item) {
        XdotoolAt(menu->mapToGlobal(menu->actionGeometry(item).center()), {"sleep", "0.3", "click", "1"});
    };
    clickItem(menus.MainPopup, menus.MView->menuAction());
    ASSERT_TRUE(WaitFor([&] { return menus.MView->isVisible(); }, 5000));
    clickItem(menus.MView, menus.MFullscreen);
    EXPECT_TRUE(WaitFor([&] { return form->IsFullscreen(); }, 5000));
}
