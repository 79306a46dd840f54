// bench-libs: zorvi_controls zorvi_playlist
// Skinned controls: cached panel repaint, seek bar updates, list box paging.
#include "controls/ZorviListBox.h"
#include "controls/ZorviPanel.h"
#include "controls/ZorviTrackbar.h"
#include "playlist/ZorviPlaylist.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QWheelEvent>
#include <benchmark/benchmark.h>

namespace {

QApplication &App()
{
    static int argc = 1;
    static char name[] = "bench_controls";
    static char *argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication *app = new QApplication(argc, argv);
    return *app;
}

TMultiPartBitmap ThreePart(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    p.fillRect(0, 0, 15, h, QColor(90, 90, 120));
    p.fillRect(15, 0, w - 30, h, QColor(60, 60, 80));
    p.fillRect(w - 15, 0, 15, h, QColor(90, 90, 120));
    p.end();
    TMultiPartBitmap bmp;
    bmp.SetImage(img);
    bmp.LoadGuides(Axis::Rows, "");
    bmp.LoadGuides(Axis::Cols, QString("15,-%1,%2").arg(w - 15).arg(w));
    return bmp;
}

// Repaint of a 1920 x 52 panel after the first paint: a copy from the cache.
void BM_PanelRepaintCached(benchmark::State &state)
{
    App();
    TZorviPanel panel;
    panel.resize(1920, 52);
    panel.SetBitmap(ThreePart(60, 52));
    QImage target(panel.size(), QImage::Format_RGB32);
    panel.render(&target);
    for (auto _ : state) {
        panel.render(&target, QPoint(), QRegion(), QWidget::DrawChildren);
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(BM_PanelRepaintCached)->Unit(benchmark::kMicrosecond);

// The same background drawn from its parts every time (what the cache saves).
void BM_PanelBackgroundUncached(benchmark::State &state)
{
    App();
    TMultiPartBitmap bmp = ThreePart(60, 52);
    QImage target(1920, 52, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter p(&target);
        bmp.DrawParts(p, QRect(0, 0, 1920, 52));
    }
}
BENCHMARK(BM_PanelBackgroundUncached)->Unit(benchmark::kMicrosecond);

class CountingTrackbar : public TZorviTrackbar {
public:
    long paints = 0;

protected:
    void paintEvent(QPaintEvent *e) override
    {
        ++paints;
        TZorviTrackbar::paintEvent(e);
    }
};

// A one-hour seek bar 300 pixels wide fed ten rounded positions a second, as
// playback does; each iteration is 100 updates (ten seconds of playback).
void BM_SeekBarHundredUpdates(benchmark::State &state)
{
    App();
    CountingTrackbar bar;
    bar.resize(300, 14);
    bar.ThumbW = 10;
    bar.ThumbH = 14;
    bar.SetBitmapB(ThreePart(60, 14));
    bar.SetMax(3600);
    bar.show();
    QCoreApplication::processEvents();
    bar.paints = 0;
    long tenths = 0, updates = 0;
    for (auto _ : state) {
        for (int i = 0; i < 100; ++i, ++tenths) {
            bar.SetPosition(int((tenths + 5) / 10 % 3601));
            QCoreApplication::processEvents();
        }
        updates += 100;
    }
    state.counters["paints_per_100_updates"] = double(bar.paints) * 100 / double(updates);
    state.counters["paints"] = double(bar.paints);
    state.counters["updates"] = double(updates);
}
BENCHMARK(BM_SeekBarHundredUpdates)->Unit(benchmark::kMicrosecond)->Iterations(360);

struct BigList {
    TZorviPlaylist playlist;
    TZorviListBox box;
    QImage target;
    BigList()
    {
        playlist.BeginUpdate();
        for (int i = 0; i < 100000; ++i) {
            TPlItem item;
            item.Title = QString("Some artist - track number %1 of a long playlist.mp3").arg(i);
            playlist.AddItem(item);
        }
        playlist.EndUpdate();
        box.resize(300, 600);
        box.SetItemHeight(18);
        box.SetSeparatorHeight(1);
        box.SetList(&playlist);
        box.CenterItem(50000);
        target = QImage(box.size(), QImage::Format_RGB32);
    }
};

BigList &Big()
{
    App();
    static BigList *big = new BigList;
    return *big;
}

// One page of a 100 000-entry playlist (only the visible rows are drawn).
void BM_ListBoxPaintPage(benchmark::State &state)
{
    BigList &big = Big();
    for (auto _ : state) {
        big.box.render(&big.target);
        benchmark::DoNotOptimize(big.target.constBits());
    }
    state.counters["rows_per_page"] = big.box.PageCount();
}
BENCHMARK(BM_ListBoxPaintPage)->Unit(benchmark::kMillisecond);

// One wheel notch (three rows) and the repaint that follows.
void BM_ListBoxWheelNotch(benchmark::State &state)
{
    BigList &big = Big();
    int direction = -120;
    for (auto _ : state) {
        QWheelEvent e(QPointF(50, 50), QPointF(50, 50), QPoint(), QPoint(0, direction), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&big.box, &e);
        big.box.render(&big.target);
        direction = -direction;
    }
}
BENCHMARK(BM_ListBoxWheelNotch)->Unit(benchmark::kMillisecond);

// The same page with rows drawn as one plain line each: separates the list
// box's own cost (Arg 0: no rows at all) from the playlist's row drawing.
class PlainRows : public SelectListOf<int> {
public:
    void DrawItem(QPainter &canvas, int, const QRect &rect) override
    {
        canvas.drawText(rect, Qt::AlignVCenter | Qt::TextSingleLine,
                        QStringLiteral("Some artist - track number of a long playlist.mp3"));
    }
};

void BM_ListBoxPaintPagePlainRows(benchmark::State &state)
{
    App();
    PlainRows list;
    for (int i = 0; i < 100000; ++i)
        list.AddItem(i);
    TZorviListBox box;
    box.resize(300, 600);
    box.SetItemHeight(18);
    box.SetSeparatorHeight(1);
    if (state.range(0))
        box.SetList(&list);
    QImage target(box.size(), QImage::Format_RGB32);
    for (auto _ : state)
        box.render(&target);
}
BENCHMARK(BM_ListBoxPaintPagePlainRows)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
