// The main window moved and sized by the real pointer under openbox, whose work area is not the screen.
#include "MainFormFixture.h"
#include "mainwindow/WindowChrome.h"
#include "mainwindow/WindowPointer.h"

namespace {

class PointerE2e : public MainFormFixture {
protected:
    QRect area, home;

    void SetUp() override
    {
        Build();
        settings.Options.Snap = true;
        settings.LastSession.WinCenter = false;
        settings.LastSession.WindowKeepAspect = true;
        settings.LastSession.WinRatio = 2.f;
        ASSERT_TRUE(WaitFor([&] {
            area = form->screen()->availableGeometry();
            return area != form->screen()->geometry();
        })) << "the window manager's margins are missing";
        home = QRect(area.left() + 200, area.top() + 100, 400, 200);
        form->setGeometry(home);
        ASSERT_TRUE(Settled(home));
    }
    // Qt's view and the X server's agree, and `done` holds (openbox answers each placement later).
    bool Settles(const std::function<bool()> &done)
    {
        return WaitFor([&] { return done() && form->geometry() == XGeometry(); }, 5000);
    }
    bool Settled(const QRect &rect)
    {
        return Settles([&] { return form->geometry() == rect; });
    }
    QRect XGeometry()
    {
        // WINDOW=, X=, Y=, WIDTH=, HEIGHT=, one a line
        const QList<QByteArray> lines =
            RunProgram("xdotool", {"getwindowgeometry", "--shell", QString::number(form->winId())})
                .out.split('\n');
        const auto value = [&](int i) { return lines.value(i).split('=').value(1).toInt(); };
        return QRect(value(1), value(2), value(3), value(4));
    }
    // Left button down at `from`, 6 px right (a drag on the video starts there), on to `from + by`, up.
    void Drag(const QPoint &from, const QPoint &by)
    {
        const auto at = [](QPoint p) { return QStringLiteral(" %1 %2").arg(p.x()).arg(p.y()); };
        QString script =
            "mousemove" + at(from) + " sleep 0.1 mousedown 1 sleep 0.05 mousemove" + at(from + QPoint(6, 0));
        for (int step = 1; step <= 4; ++step)
            script += " sleep 0.05 mousemove" + at(from + by * step / 4);
        script += " sleep 0.1 mouseup 1";
        ASSERT_TRUE(Xdotool(script.split(u' ')));
        ASSERT_TRUE(WaitFor([&] { return !form->Pointer()->MovingOrSizing(); }, 5000));
    }
    // The video area has the video's ratio, to the pixel.
    bool KeepsRatio() const
    {
        const QSize video = form->OuterPanel()->size();
        return std::abs(video.width() - 2 * video.height()) <= 1;
    }
};

TEST_F(PointerE2e, DraggingTheVideoMovesTheWindowAndSnapsToTheWorkArea)
{
    // (distance from the work area's left edge the drag aims at, the left edge reached)
    const std::pair<int, int> rows[] = {{9, 0}, {10, 10}, {-9, 0}};
    for (const auto &[aim, reached] : rows) {
        form->setGeometry(home);
        ASSERT_TRUE(Settled(home));
        const QPoint grab = form->geometry().center();
        Drag(grab, {6 - 200 + aim, 150}); // the window follows from the 6th pixel on
        const QRect expected(area.left() + reached, area.top() + 250, 400, 200);
        EXPECT_TRUE(Settled(expected)) << aim << ": " << testing::PrintToString(form->geometry()) << " X "
                                       << testing::PrintToString(XGeometry());
    }
    EXPECT_FALSE(settings.LastSession.WinCenter);
}

TEST_F(PointerE2e, SizingFollowsTheRatio)
{
    const QRect start = form->geometry();
    Drag(start.bottomRight() - QPoint(2, 2), {120, 7});
    EXPECT_TRUE(Settles([&] {
        return form->width() == 520 && KeepsRatio() && form->pos() == start.topLeft();
    })) << testing::PrintToString(form->geometry());
    EXPECT_EQ(settings.LastSession.WindowSize, -1);

    // The right edge alone: the height follows, growing top and bottom equally.
    const QRect wide = form->geometry();
    Drag(QPoint(wide.right() - 2, wide.center().y()), {80, 0});
    EXPECT_TRUE(Settles([&] { return form->width() == 600 && KeepsRatio() && form->y() == wide.y() - 20; }))
        << testing::PrintToString(form->geometry());

    // Kept centred, the window grows on both sides and the dragged corner stays under the pointer.
    settings.LastSession.WinCenter = true;
    const QRect centred(CentredTopLeft(home.size(), area), home.size());
    form->setGeometry(centred);
    ASSERT_TRUE(Settled(centred));
    Drag(centred.bottomRight() - QPoint(2, 2), {60, 30});
    EXPECT_TRUE(Settles([&] {
        return form->x() == centred.x() - 60 && form->width() == 520 && KeepsRatio() &&
               std::abs(form->geometry().center().y() - centred.center().y()) <= 1;
    })) << testing::PrintToString(form->geometry());
    EXPECT_TRUE(settings.LastSession.WinCenter);
}

// What restoring a window brings back: the size chosen while it was
// maximised or minimised, and full screen when it was minimised from there.
TEST_F(PointerE2e, RestoringKeepsTheSizeChosenMeanwhileAndFullScreen)
{
    settings.LastSession.WinCenter = true;
    form->showMaximized();
    ASSERT_TRUE(WaitFor([&] { return form->isMaximized(); }));
    core->ExecuteCommand(QStringLiteral("winsize 50 1"));
    const QRect half = form->GetRestoreBounds();
    EXPECT_EQ(half.width(), area.width() / 2);
    form->showNormal();
    EXPECT_TRUE(Settled(half)) << testing::PrintToString(form->geometry());

    form->showMinimized();
    ASSERT_TRUE(WaitFor([&] { return form->isMinimized(); }));
    core->ExecuteCommand(QStringLiteral("winsize 75 1"));
    form->BringToFront();
    EXPECT_TRUE(Settles([&] { return !form->isMinimized() && form->width() == area.width() * 3 / 4; }))
        << testing::PrintToString(form->geometry());

    form->SetFullscreen(true);
    ASSERT_TRUE(Settled(form->ScreenBounds()));
    form->showMinimized();
    ASSERT_TRUE(WaitFor([&] { return form->isMinimized(); }));
    form->BringToFront();
    EXPECT_TRUE(Settles([&] { return !form->isMinimized() && form->geometry() == form->ScreenBounds(); }))
        << testing::PrintToString(form->geometry());
    EXPECT_TRUE(form->isFullScreen());
}

} // namespace
