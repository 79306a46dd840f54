// Guide lists and part texts as a skin gives them, then a draw of the result.
// Input: first byte picks an image or none, then lines: rows, columns, parts.
#include "../FuzzTarget.h"
#include "graphics/MultiPartBitmap.h"

#include <QImage>
#include <QPainter>
#include <QStringList>

ZORVI_FUZZ_TARGET(bytes)
{
    if (bytes.isEmpty())
        return 0;
    TMultiPartBitmap b;
    const uint8_t first = uint8_t(bytes[0]);
    if (first & 1) {
        QImage img(60, 40, QImage::Format_RGB32);
        img.fill(Qt::darkCyan);
        b.SetImage(img);
    }
    const QStringList lines = QString::fromLatin1(bytes.mid(1)).split(u'\n');
    AllowingErrors([&] { b.LoadGuides(Axis::Rows, lines.value(0)); });
    AllowingErrors([&] { b.LoadGuides(Axis::Cols, lines.value(1)); });
    for (qsizetype i = 2; i < lines.size(); ++i)
        AllowingErrors([&] { b.AddPart(lines[i]); });
    // The default grid has one part per cell; keep huge grids from eating the run.
    if (!b.Parts.empty() || b.Cols.Coords.size() * b.Rows.Coords.size() <= 4096) {
        QImage canvas(48, 32, QImage::Format_RGB32);
        QPainter p(&canvas);
        const int w = (first >> 1) & 63, h = first >> 7 ? 7 : 30;
        b.DrawParts(p, QRect(-3, 2, w, h));
        b.DrawParts(p, QRect(5, 0, w, h));      // shifted
        b.DrawParts(p, QRect(5, 0, w + 20, h)); // recomputed
    }
    return 0;
}
