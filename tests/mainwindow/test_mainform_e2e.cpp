// The skinned window with the real engine under openbox, playing the 640x360
// demo clip: the window takes the video's size plus the chrome, full screen,
// on top and a skin change keep the picture in the same window, and the
// auto-hidden controls follow the real pointer.
#include "MainFormFixture.h"
#include "mainwindow/MainMenus.h"
#include "platform/X11WindowState.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QProcess>
#include <set>

namespace {
class MainFormE2E : public MainFormFixture {
protected:
    void SetUp() override
    {
        real = true;
        settings.LastSession.WindowSize = 0; // video size
        Build();
        ASSERT_GE(playlist.Add(qEnvironmentVariable("ZORVI_BUILD_DIR") + "/demo/zorvi-demo.avi"), 0);
        core->PlayEntry(0);
        ASSERT_TRUE(WaitFor(
            [&] { return form->InnerPanel()->isVisible() && core->State().PositionProp.Value >= 1; }, 15000));
    }
    void Settle()
    {
        WaitFor([] { return false; }, 600);
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

    // Whether a screenshot shows the clip's many bright colours inside the video panel.
    bool PictureInside()
    {
        const QString shot =
            QDir::tempPath() + QStringLiteral("/zorvi-form%1.png").arg(QCoreApplication::applicationPid());
        QProcess import;
        import.start("import", {"-window", "root", shot});
        import.waitForFinished(20000);
        const QImage image(shot);
        QFile::remove(shot);
        const QRect panel(form->InnerPanel()->mapToGlobal(QPoint(0, 0)), form->InnerPanel()->size());
        std::set<QRgb> colours;
        int saturated = 0, samples = 0;
        for (int y = panel.top() + 4; y < panel.bottom() - 4; y += 6)
            for (int x = panel.left() + 4; x < panel.right() - 4; x += 6, ++samples) {
                const QColor c = image.pixelColor(x, y);
                colours.insert(c.rgb() & 0xF0F0F0);
                saturated += c.hsvSaturation() > 150 && c.value() > 150;
            }
        return samples > 100 && colours.size() > 12 && saturated > samples / 10;
    }
};
} // namespace

TEST_F(MainFormE2E, ClipSizesTheWindowAndFullScreenRestoresIt)
{
    Settle();
    const WindowChrome chrome = form->Chrome(); // video size: the window is the video's width
    EXPECT_EQ(form->width(), 640);
    EXPECT_NEAR(form->height(), chrome.vertical + (640 - chrome.horizontal) * 360 / 640.0, 1);
    EXPECT_EQ(form->geometry().center().x(), form->WorkArea().center().x());
    EXPECT_TRUE(PictureInside());

    const WId video = form->InnerPanel()->winId();
    const QRect windowed = form->geometry();
    core->ExecuteCommand(QStringLiteral("fullscreen"));
    Settle();
    EXPECT_EQ(form->geometry(), form->ScreenBounds());
    EXPECT_EQ(form->InnerPanel()->winId(), video);
    EXPECT_TRUE(PictureInside());
    core->ExecuteCommand(QStringLiteral("fullscreen"));
    EXPECT_TRUE(WaitFor([&] { return form->geometry() == windowed; }))
        << testing::PrintToString(form->geometry());
    Settle();
    EXPECT_EQ(form->InnerPanel()->winId(), video);
    EXPECT_TRUE(PictureInside());
}

TEST_F(MainFormE2E, AutoHiddenControlsFollowThePointer)
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

TEST_F(MainFormE2E, OnTopAndSkinChangeKeepThePicture)
{
    const WId video = form->InnerPanel()->winId();
    core->ExecuteCommand(QStringLiteral("ontop"));
    Settle();
    EXPECT_TRUE(WaitFor([&] { return Platform::KeepAbove(form->winId()); }));
    EXPECT_EQ(form->InnerPanel()->winId(), video);
    EXPECT_TRUE(PictureInside());

    const PanelSizes before = form->SkinPanelSizes();
    SelectSkin(1 - Skin().Skins().IndexOf(Skin().SkinName));
    Settle();
    EXPECT_NE(form->SkinPanelSizes().bottom, before.bottom); // the other skin's chrome
    EXPECT_EQ(form->InnerPanel()->winId(), video);
    EXPECT_TRUE(PictureInside());
    core->ExecuteCommand(QStringLiteral("ontop"));
    EXPECT_TRUE(WaitFor([&] { return !Platform::KeepAbove(form->winId()); })); // openbox answers later
}

// Keys typed on the X server reach the bindings: Space pauses the engine (its
// pause marker comes back, the position stands) and resumes it (the position
// moves on); Right seeks 10 s on.
TEST_F(MainFormE2E, KeysFromTheKeyboardPauseResumeAndSeek)
{
    const auto type = [&](const char *key) {
        Xdotool({"mousemove", "--window", QString::number(form->winId()), "40", "40", "key", key});
    };
    form->activateWindow();
    Settle();
    type("space");
    EXPECT_TRUE(WaitFor([&] { return host->Log.StatusLine().startsWith(QLatin1String("Paused|")); }));
    EXPECT_TRUE(core->State().Paused);
    const float at = core->State().PositionProp.Value;
    Settle();
    EXPECT_EQ(core->State().PositionProp.Value, at);
    type("space");
    EXPECT_TRUE(
        WaitFor([&] { return !core->State().Paused && core->State().PositionProp.Value > at + 0.5f; }));
    const float before = core->State().PositionProp.Value;
    type("Right");
    EXPECT_TRUE(WaitFor([&] { return core->State().PositionProp.Value >= before + 9; }, 5000))
        << before << " -> " << core->State().PositionProp.Value;
}

// The engine draws into the video panel, yet clicks there reach the window:
// a double click goes full screen and Enter leaves it, a right click opens the
// menu, and "Fullscreen" chosen in it with the pointer works.
TEST_F(MainFormE2E, ClicksOnThePlayingVideoReachTheWindow)
{
    const auto xdotool = [&](const QStringList &args) {
        Xdotool(QStringList{"mousemove"} +
                At(form->InnerPanel()->mapToGlobal(form->InnerPanel()->rect().center())) + args);
    };
    Settle();
    ASSERT_TRUE(PictureInside()); // the engine is drawing where the clicks go
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
        Xdotool(QStringList{"mousemove"} + At(menu->mapToGlobal(menu->actionGeometry(item).center())) +
                QStringList{"sleep", "0.3", "click", "1"});
    };
    clickItem(menus.MainPopup, menus.MView->menuAction());
    ASSERT_TRUE(WaitFor([&] { return menus.MView->isVisible(); }, 5000));
    clickItem(menus.MView, menus.MFullscreen);
    EXPECT_TRUE(WaitFor([&] { return form->IsFullscreen(); }, 5000));
}
