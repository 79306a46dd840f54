// Trackbar: pixel mapping, user changes through OnTrack, painting, repaints.
#include "WidgetTestHelpers.h"
#include "controls/ZorviTrackbar.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

std::unique_ptr<TZorviTrackbar> SeekBar()
{
    auto bar = std::make_unique<TZorviTrackbar>();
    bar->resize(200, 12);
    bar->ThumbW = 10;
    bar->ThumbH = 12;
    bar->SetMax(100);
    return bar;
}

TEST(Trackbar, HorizontalFigures)
{
    auto bar = SeekBar();
    for (auto [pos, pixel] : {std::pair{0, 5}, {100, 195}, {50, 100}}) {
        bar->SetPosition(pos);
        EXPECT_EQ(bar->PositionToPixel(), pixel) << pos;
    }
    for (auto [x, value] : {std::pair{5, 0}, {195, 100}, {0, 0}, {100, 50}, {300, 100}})
        EXPECT_EQ(bar->PixelToPosition(x, 0), value) << x;

    bar->SetPosition(30);
    wt::Press(bar.get(), {195, 6});
    EXPECT_EQ(bar->Position(), 100);
    wt::Move(bar.get(), {-40, 6}, Qt::LeftButton); // dragged past the end: clamped
    EXPECT_EQ(bar->Position(), 0);
    wt::Release(bar.get(), {-40, 6});
}

TEST(Trackbar, VerticalVolumeAndScrollBar)
{
    TZorviTrackbar bar;
    bar.resize(12, 110);
    bar.ThumbH = 10;
    bar.SetVertical(true);
    bar.SetMax(100);
    bar.SetPosition(100);
    EXPECT_EQ(bar.PositionToPixel(), 5);
    bar.SetPosition(0);
    EXPECT_EQ(bar.PositionToPixel(), 105);
    EXPECT_EQ(bar.PixelToPosition(0, 5), 100);
    EXPECT_EQ(bar.PixelToPosition(0, 105), 0);

    bar.SetScrollbar(true); // minimum at the top
    EXPECT_EQ(bar.PositionToPixel(), 5);
    EXPECT_EQ(bar.PixelToPosition(0, 5), 0);
    EXPECT_EQ(bar.PixelToPosition(0, 105), 100);

    bar.ThumbH = 110; // a thumb as long as the track picks no value
    bar.SetPosition(40);
    EXPECT_EQ(bar.PixelToPosition(0, 0), 40);
}

TEST(Trackbar, OnTrackVetoesOrReplaces)
{
    auto bar = SeekBar();
    int seen = -1;
    bar->OnTrack = [&seen](TZorviTrackbar *, int &newPos, bool &update) {
        seen = newPos;
        update = false;
    };
    const int pixel = bar->PositionToPixel();
    wt::Press(bar.get(), {100, 6});
    wt::Release(bar.get(), {100, 6});
    EXPECT_EQ(seen, 50);
    EXPECT_EQ(bar->Position(), 0);
    EXPECT_EQ(bar->PositionToPixel(), pixel);

    bar->OnTrack = [](TZorviTrackbar *, int &newPos, bool &) { newPos = 7; };
    bar->SetPositionByUser(90);
    EXPECT_EQ(bar->Position(), 7);
    bar->OnTrack = [](TZorviTrackbar *, int &newPos, bool &) { newPos = 500; };
    bar->SetPositionByUser(1);
    EXPECT_EQ(bar->Position(), 100); // a replaced value is clamped too
}

TEST(Trackbar, RangeNeverCrosses)
{
    auto bar = SeekBar();
    bar->SetPosition(50);
    bar->SetMin(60);
    EXPECT_EQ(bar->Position(), 60);
    bar->SetMax(20);
    EXPECT_EQ(bar->Max(), 60);
    EXPECT_EQ(bar->Min(), 60);
    EXPECT_EQ(bar->Position(), 60);
    EXPECT_EQ(bar->PositionToPixel(), 0);
    bar->SetPositionByUser(99);
    EXPECT_EQ(bar->Position(), 60);
}

KeyedBitmap ThumbSheet(int rows)
{
    static const std::vector<QColor> colors = {Qt::red, Qt::green, Qt::blue};
    KeyedBitmap thumb;
    thumb.SetImage(wt::CellSheet(1, rows, 4, 4, colors));
    return thumb;
}

TMultiPartBitmap Solid(QColor color, int w, int h)
{
    TMultiPartBitmap bmp;
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(color);
    bmp.SetImage(img);
    bmp.LoadGuides(Axis::Rows, "");
    bmp.LoadGuides(Axis::Cols, "");
    return bmp;
}

TEST(Trackbar, PaintsTracksAndThumbOnlyWithBackground)
{
    auto bar = SeekBar();
    bar->SetColor(clYellow);
    const KeyedBitmap thumb = ThumbSheet(1);
    bar->SetThumb(&thumb);
    bar->SetPosition(50);
    QImage shot = wt::Render(bar.get());
    EXPECT_EQ(wt::Pixel(shot, 100, 6), 0xFFFF00u); // no BitmapB: colour only, no thumb

    bar->SetBitmapB(Solid(QColor(128, 128, 128), 10, 4));
    bar->SetBitmapF(Solid(Qt::white, 10, 4));
    shot = wt::Render(bar.get());
    EXPECT_EQ(wt::Pixel(shot, 50, 6), 0xFFFFFFu);  // filled part left of the thumb
    EXPECT_EQ(wt::Pixel(shot, 150, 6), 0x808080u); // empty track right of it
    EXPECT_EQ(wt::Pixel(shot, 100, 6), 0xFF0000u); // thumb centred at 100

    bar->SetThumb(nullptr);
    EXPECT_EQ(bar->ThumbW, 0);
    EXPECT_EQ(wt::Pixel(wt::Render(bar.get()), 100, 6), 0x808080u);
}

TEST(Trackbar, ThumbRows)
{
    auto bar3 = SeekBar(), bar2 = SeekBar();
    bar3->SetThumbStates(3);
    bar2->SetThumbStates(2);
    bar3->SetThumbStates(4); // refused
    EXPECT_EQ(bar3->ThumbStates(), 3);
    auto both = [&](auto action) {
        action(bar3.get());
        action(bar2.get());
    };
    EXPECT_EQ(bar3->ThumbRow(), 0);
    both([](QWidget *w) { wt::Enter(w); });
    EXPECT_EQ(bar3->ThumbRow(), 1);
    EXPECT_EQ(bar2->ThumbRow(), 0);
    both([](QWidget *w) { wt::Press(w, {50, 6}); });
    EXPECT_EQ(bar3->ThumbRow(), 2);
    EXPECT_EQ(bar2->ThumbRow(), 1);
    both([](QWidget *w) { wt::Move(w, {50, 60}, Qt::LeftButton); });
    EXPECT_EQ(bar3->ThumbRow(), 2); // held outside
    both([](QWidget *w) { wt::Release(w, {50, 60}); });
    EXPECT_EQ(bar3->ThumbRow(), 0);
    EXPECT_EQ(bar2->ThumbRow(), 0);

    // The drawn thumb takes its cell from the row.
    bar3->SetBitmapB(Solid(QColor(128, 128, 128), 10, 4));
    const KeyedBitmap thumb = ThumbSheet(3);
    bar3->SetThumb(&thumb);
    bar3->SetPosition(50);
    wt::Enter(bar3.get());
    EXPECT_EQ(wt::Pixel(wt::Render(bar3.get()), 100, 6), 0x00FF00u);
    wt::Press(bar3.get(), {100, 6});
    EXPECT_EQ(wt::Pixel(wt::Render(bar3.get()), 100, 6), 0x0000FFu);
}

class CountingTrackbar : public TZorviTrackbar {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent *e) override
    {
        ++paints;
        TZorviTrackbar::paintEvent(e);
    }
};

TEST(Trackbar, NoRepaintUnlessTheThumbMovesAPixel)
{
    CountingTrackbar bar;
    bar.resize(300, 12);
    bar.ThumbW = 10;
    bar.SetMax(3600); // one hour in seconds
    bar.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar));
    QCoreApplication::processEvents();
    bar.paints = 0;
    int moves = 0, lastPixel = bar.PositionToPixel();
    for (int i = 1; i <= 100; ++i) {
        bar.SetPosition(i);
        QCoreApplication::processEvents();
        if (bar.PositionToPixel() != lastPixel) {
            ++moves;
            lastPixel = bar.PositionToPixel();
        }
    }
    EXPECT_EQ(moves, 8);
    EXPECT_EQ(bar.paints, moves);
}

} // namespace
