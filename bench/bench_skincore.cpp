// bench-libs: zorvi_graphics zorvi_skinfiles zorvi_zipwriter ZLIB::ZLIB
// Multi-part drawing of a three-part bar and inflating a skin archive member.
#include "graphics/MultiPartBitmap.h"
#include "skin/ZipFile.h"
#include "tools/skinzip/ZipWriter.h"

#include <QPainter>
#include <QRandomGenerator>
#include <benchmark/benchmark.h>
#include <zlib.h>

namespace {
QImage barImage()
{
    QImage img(341, 80, QImage::Format_RGB32);
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 341; ++x)
            img.setPixel(x, y, qRgb(x & 0xFF, y * 3, (x * y) & 0xFF));
    return img;
}

struct Bar {
    TMultiPartBitmap bitmap;
    QImage canvas{1920, 80, QImage::Format_RGB32};
    Bar()
    {
        bitmap.SetImage(barImage());
        bitmap.LoadGuides(Axis::Rows, "");
        bitmap.LoadGuides(Axis::Cols, "X1:70,X2:-261,LX:341");
        bitmap.AddPart("X0,Y0,X1,LY");
        bitmap.AddPart("X1,Y0,X2,LY|HS");
        bitmap.AddPart("X2,Y0,LX,LY");
        canvas.fill(Qt::black);
    }
};

void BM_DrawParts_LayoutCached(benchmark::State &state)
{
    Bar bar;
    QPainter p(&bar.canvas);
    for (auto _ : state)
        bar.bitmap.DrawParts(p, QRect(0, 0, 1920, 80));
    state.counters["layouts"] = bar.bitmap.LayoutCount;
}
BENCHMARK(BM_DrawParts_LayoutCached);

void BM_DrawParts_WidthChanged(benchmark::State &state)
{
    Bar bar;
    QPainter p(&bar.canvas);
    int w = 1920;
    for (auto _ : state) {
        bar.bitmap.DrawParts(p, QRect(0, 0, w, 80));
        w = w == 1920 ? 1919 : 1920;
    }
    state.counters["layouts"] = bar.bitmap.LayoutCount;
}
BENCHMARK(BM_DrawParts_WidthChanged);

// The same three pieces drawn straight from the image: the cost of the blits alone.
void BM_DirectBlits(benchmark::State &state)
{
    Bar bar;
    const QImage &img = bar.bitmap.Image();
    QPainter p(&bar.canvas);
    for (auto _ : state) {
        p.drawImage(QPoint(0, 0), img, QRect(0, 0, 70, 80));
        p.drawImage(QRect(70, 0, 1770, 80), img, QRect(70, 0, 191, 80));
        p.drawImage(QPoint(1840, 0), img, QRect(261, 0, 80, 80));
    }
}
BENCHMARK(BM_DirectBlits);

// 1 MiB that deflates about 3:1, like skin bitmaps with noise in them.
QByteArray memberContent()
{
    QByteArray data;
    QRandomGenerator rng(42);
    while (data.size() < 1024 * 1024) {
        data.append("[Bitmap] Rows=18,-19 Cols=X1:70,X2:-261,LX:341 ");
        for (int i = 0; i < 24; ++i)
            data.append(char(rng.bounded(256)));
    }
    data.resize(1024 * 1024);
    return data;
}

struct Member {
    QByteArray content = memberContent();
    TZipFile zip;
    QByteArray zlibStream; // the same deflate data with a zlib header and trailer
    Member()
    {
        zip.LoadFromData(WriteZip({{"big.bmp", content}}));
        const quint32 adler =
            quint32(adler32(adler32(0, nullptr, 0), reinterpret_cast<const Bytef *>(content.constData()),
                            uInt(content.size())));
        zlibStream = QByteArray("\x78\xDA", 2) + zip.Files[0].Data;
        for (int shift = 24; shift >= 0; shift -= 8)
            zlibStream.append(char((adler >> shift) & 0xFF));
    }
};

void BM_GetData_1MiB(benchmark::State &state)
{
    Member m;
    for (auto _ : state)
        benchmark::DoNotOptimize(m.zip.GetData(0));
    state.SetBytesProcessed(state.iterations() * m.content.size());
    state.counters["ratio"] = double(m.content.size()) / double(m.zip.Files[0].Data.size());
}
BENCHMARK(BM_GetData_1MiB);

void BM_ZlibUncompress_1MiB(benchmark::State &state)
{
    Member m;
    for (auto _ : state) {
        QByteArray out(m.content.size(), Qt::Uninitialized);
        uLongf len = uLongf(out.size());
        const int rc =
            uncompress(reinterpret_cast<Bytef *>(out.data()), &len,
                       reinterpret_cast<const Bytef *>(m.zlibStream.constData()), uLong(m.zlibStream.size()));
        if (rc != Z_OK) {
            state.SkipWithError(zError(rc));
            break;
        }
        benchmark::DoNotOptimize(out);
    }
    state.SetBytesProcessed(state.iterations() * m.content.size());
}
BENCHMARK(BM_ZlibUncompress_1MiB);
} // namespace
