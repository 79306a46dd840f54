#include "tools/skinart/Bmp.h"

namespace {

void Put16(QByteArray &out, quint16 v)
{
    out.append(char(v & 0xFF));
    out.append(char(v >> 8));
}

void Put32(QByteArray &out, quint32 v)
{
    Put16(out, quint16(v & 0xFFFF));
    Put16(out, quint16(v >> 16));
}

} // namespace

QByteArray EncodeBmp(const QImage &image, int bitsPerPixel)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const int w = rgb.width();
    const int h = rgb.height();
    const int pixelSize = bitsPerPixel == 32 ? 4 : 3;
    const int stride = (w * pixelSize + 3) & ~3;
    const quint32 pixelBytes = quint32(stride) * quint32(h);
    QByteArray out;
    out.reserve(54 + int(pixelBytes));
    // BITMAPFILEHEADER
    out.append("BM", 2);
    Put32(out, 54 + pixelBytes);
    Put32(out, 0);
    Put32(out, 54);
    // BITMAPINFOHEADER
    Put32(out, 40);
    Put32(out, quint32(w));
    Put32(out, quint32(h)); // positive: bottom-up
    Put16(out, 1);
    Put16(out, quint16(pixelSize * 8));
    Put32(out, 0); // BI_RGB
    Put32(out, pixelBytes);
    Put32(out, 2835); // 72 dpi
    Put32(out, 2835);
    Put32(out, 0);
    Put32(out, 0);
    for (int y = h - 1; y >= 0; --y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            out.append(char(qBlue(line[x])));
            out.append(char(qGreen(line[x])));
            out.append(char(qRed(line[x])));
            if (pixelSize == 4)
                out.append('\0'); // unused; a reader must not take it for alpha
        }
        for (int pad = w * pixelSize; pad < stride; ++pad)
            out.append('\0');
    }
    return out;
}
