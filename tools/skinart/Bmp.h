#pragma once
// Windows BMP output as the skin loader reads it: 24 bits per pixel (or 32,
// the fourth byte of each pixel 0), bottom-up rows padded to four bytes, no
// colour table.
#include <QByteArray>
#include <QImage>

QByteArray EncodeBmp(const QImage &image, int bitsPerPixel = 24);
