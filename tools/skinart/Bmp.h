#pragma once
// Windows BMP output as the skin loader reads it: 24 bits per pixel,
// bottom-up rows padded to four bytes, no colour table.
#include <QByteArray>
#include <QImage>

QByteArray EncodeBmp24(const QImage &image);
