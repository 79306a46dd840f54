// Guide lists and part texts as a skin gives them, then a draw of the result.
// Input: first byte picks an image or none, then lines: rows, columns, parts.
#include "graphics/MultiPartBitmap.h"

#include <QImage>
#include <QPainter>
#include <QStringList>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    TMultiPartBitmap b;
    if (data[0] & 1) {
        QImage img(60, 40, QImage::Format_RGB32);
        img.fill(Qt::darkCyan);
        b.SetImage(img);
    }
    const QStringList lines =
        QString::fromLatin1(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1)).split(u'\n');
    try {
        b.LoadGuides(Axis::Rows, lines.value(0));
    } catch (const ZError &) {
    }
    try {
        b.LoadGuides(Axis::Cols, lines.value(1));
    } catch (const ZError &) {
    }
    for (qsizetype i = 2; i < lines.size(); ++i) {
        try {
            b.AddPart(lines[i]);
        } catch (const ZError &) {
        }
    }
    // The default grid has one part per cell; keep huge grids from eating the run.
    if (!b.Parts.empty() || b.Cols.Coords.size() * b.Rows.Coords.size() <= 4096) {
        QImage canvas(48, 32, QImage::Format_RGB32);
        QPainter p(&canvas);
        const int w = (data[0] >> 1) & 63, h = data[0] >> 7 ? 7 : 30;
        b.DrawParts(p, QRect(-3, 2, w, h));
        b.DrawParts(p, QRect(5, 0, w, h));      // shifted
        b.DrawParts(p, QRect(5, 0, w + 20, h)); // recomputed
    }
    return 0;
}
