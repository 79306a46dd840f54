// Trackbar: pixel mapping, user changes through OnTrack, painting (repaint counts: bench_controls).
#include "WidgetTestHelpers.h"
#include "controls/ZorviTrackbar.h"

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

TEST(Trackbar, FiguresUserChangesAndRange)
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
    bar = SeekBar();
    int seen = -1;
    bar->OnTrack = [&seen](TZorviTrackbar *, int &newPos, bool &update) {
        seen = newPos;
        update = false;
    };
    wt::Click(bar.get(), {100, 6});
    EXPECT_EQ(seen, 50);
    EXPECT_EQ(bar->Position(), 0);

    bar->OnTrack = [](TZorviTrackbar *, int &newPos, bool &) { newPos = 7; };
    bar->SetPositionByUser(90);
    EXPECT_EQ(bar->Position(), 7);
    bar->OnTrack = [](TZorviTrackbar *, int &newPos, bool &) { newPos = 500; };
    bar->SetPositionByUser(1);
    EXPECT_EQ(bar->Position(), 100); // a replaced value is clamped too
    bar = SeekBar();
    bar->SetPosition(50);
    bar->SetMin(60);
    EXPECT_EQ(bar->Position(), 60);
    bar->SetMax(20);
    EXPECT_EQ(std::tuple(bar->Min(), bar->Max(), bar->Position(), bar->PositionToPixel()),
              std::tuple(60, 60, 60, 0));
    bar->SetPositionByUser(99);
    EXPECT_EQ(bar->Position(), 60);
    TZorviTrackbar bar2;
    bar2.resize(12, 110);
    bar2.ThumbH = 10;
    bar2.SetVertical(true);
    bar2.SetMax(100);
    // (scroll bar2, position, pixel): a volume bar2 has its maximum at the top, a scroll bar2 its minimum.
    for (auto [scroll, pos, at] :
         {std::tuple{false, 100, 5}, {false, 0, 105}, {true, 0, 5}, {true, 100, 105}}) {
        bar2.SetScrollbar(scroll);
        bar2.SetPosition(pos);
        EXPECT_EQ(bar2.PositionToPixel(), at) << scroll << " " << pos;
        EXPECT_EQ(bar2.PixelToPosition(0, at), pos) << scroll << " " << pos;
    }

    bar2.ThumbH = 110; // a thumb as long as the track picks no value
    bar2.SetPosition(40);
    EXPECT_EQ(bar2.PixelToPosition(0, 0), 40);
}

// A thumb sheet of red, green and blue cells, one per row.
KeyedBitmap ThumbSheet(int rows)
{
    KeyedBitmap thumb;
    thumb.SetImage(wt::CellSheet(1, rows, 4, 4, {Qt::red, Qt::green, Qt::blue}));
    return thumb;
}

TMultiPartBitmap Solid(QColor color)
{
    TMultiPartBitmap bmp;
    bmp.SetImage(wt::CellSheet(1, 1, 10, 4, {color}));
    bmp.LoadGuides(Axis::Rows, "");
    bmp.LoadGuides(Axis::Cols, "");
    return bmp;
}

TEST(Trackbar, PaintsTracksAndThumbRows)
{
    auto bar = SeekBar();
    bar->SetColor(clYellow);
    const KeyedBitmap thumb = ThumbSheet(1);
    bar->SetThumb(&thumb);
    bar->SetPosition(50);
    QImage shot = wt::Render(bar.get());
    EXPECT_EQ(wt::Pixel(shot, 100, 6), 0xFFFF00u); // no BitmapB: colour only, no thumb

    bar->SetBitmapB(Solid(QColor(128, 128, 128)));
    bar->SetBitmapF(Solid(Qt::white));
    shot = wt::Render(bar.get());
    // The filled track left of the thumb, the empty one right of it, the thumb centred at 100.
    EXPECT_EQ((std::array{wt::Pixel(shot, 50, 6), wt::Pixel(shot, 150, 6), wt::Pixel(shot, 100, 6)}),
              (std::array<QRgb, 3>{0xFFFFFF, 0x808080, 0xFF0000}));

    bar->SetThumb(nullptr);
    EXPECT_EQ(bar->ThumbW, 0);
    EXPECT_EQ(wt::Pixel(wt::Render(bar.get()), 100, 6), 0x808080u);
    auto bar3 = SeekBar(), bar2 = SeekBar();
    bar3->SetThumbStates(3);
    bar2->SetThumbStates(2);
    bar3->SetThumbStates(4); // refused
    EXPECT_EQ(bar3->ThumbStates(), 3);
    // The thumb2 rows of the three- and the two-state bar.
    auto rows = [&] { return std::pair(bar3->ThumbRow(), bar2->ThumbRow()); };
    EXPECT_EQ(rows(), std::pair(0, 0));
    for (TZorviTrackbar *b : {bar3.get(), bar2.get()})
        wt::Enter(b);
    EXPECT_EQ(rows(), std::pair(1, 0)); // two states have no hover row
    for (TZorviTrackbar *b : {bar3.get(), bar2.get()})
        wt::Press(b, {50, 6});
    EXPECT_EQ(rows(), std::pair(2, 1));
    for (TZorviTrackbar *b : {bar3.get(), bar2.get()})
        wt::Move(b, {50, 60}, Qt::LeftButton);
    EXPECT_EQ(rows(), std::pair(2, 1)); // held outside
    for (TZorviTrackbar *b : {bar3.get(), bar2.get()})
        wt::Release(b, {50, 60});
    EXPECT_EQ(rows(), std::pair(0, 0));

    // The drawn thumb2 takes its cell from the row.
    bar3->SetBitmapB(Solid(QColor(128, 128, 128)));
    const KeyedBitmap thumb2 = ThumbSheet(3);
    bar3->SetThumb(&thumb2);
    bar3->SetPosition(50);
    wt::Enter(bar3.get());
    EXPECT_EQ(wt::Pixel(wt::Render(bar3.get()), 100, 6), 0x00FF00u);
    wt::Press(bar3.get(), {100, 6});
    EXPECT_EQ(wt::Pixel(wt::Render(bar3.get()), 100, 6), 0x0000FFu);
}

} // namespace
