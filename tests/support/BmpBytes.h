#pragma once
// Writes Windows BMP bytes (bottom-up, 24 or 32 bits per pixel) for tests.
#include <QByteArray>
#include <QImage>
#include <QtEndian>

inline QByteArray BmpBytes(const QImage &image, int bpp, quint8 alpha = 0)
{
    const int w = image.width(), h = image.height();
    const int stride = ((w * bpp / 8) + 3) & ~3;
    QByteArray out;
    auto put16 = [&](quint16 v) { out.append(char(v & 0xFF)).append(char(v >> 8)); };
    auto put32 = [&](quint32 v) {
        put16(quint16(v & 0xFFFF));
        put16(quint16(v >> 16));
    };
    out.append("BM");
    put32(quint32(54 + stride * h));
    put32(0);
    put32(54);
    put32(40);
    put32(quint32(w));
    put32(quint32(h));
    put16(1);
    put16(quint16(bpp));
    put32(0); // BI_RGB
    put32(quint32(stride * h));
    put32(2835);
    put32(2835);
    put32(0);
    put32(0);
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row;
        for (int x = 0; x < w; ++x) {
            const QRgb p = image.pixel(x, y);
            row.append(char(qBlue(p))).append(char(qGreen(p))).append(char(qRed(p)));
            if (bpp == 32)
                row.append(char(alpha));
        }
        row.append(QByteArray(stride - row.size(), '\0'));
        out.append(row);
    }
    return out;
}
