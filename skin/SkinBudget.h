#pragma once
// What one skin load may unpack. A small crafted archive (or a folder of
// sparse files) can otherwise ask for gigabytes; each limit is checked from
// headers (the archive's declared sizes, file sizes, the bitmap's width and
// height) before anything is inflated or decoded.
//
// The built-in skins unpack about 140 KB in all, their largest bitmap has
// 17,732 pixels. A skin drawn for a 4K screen fits with room to spare: a
// full-screen 3840 x 2160 background is 8.3 million pixels and 25 MB as a
// 24-bit BMP, so four of them and all the buttons still pass.
#include <QString>

class QIODevice;

class SkinBudget {
public:
    // Bitmap bytes (unpacked) one skin may read in all.
    static constexpr qint64 MaxTotalBytes = 128LL * 1024 * 1024;
    // Width and height of one bitmap, and its pixel count (64 MiB as 32-bit).
    static constexpr int MaxBitmapSide = 16384;
    static constexpr qint64 MaxBitmapPixels = 16LL * 1024 * 1024;

    // Counts the bytes of the file `name`; throws ZError naming it when they
    // would take the skin past MaxTotalBytes (nothing is counted then).
    void Take(const QString &name, qint64 bytes);
    qint64 Used() const { return m_used; }

    // Reads the header of the BMP on the device (from its current position)
    // and throws ZError naming the file when the bitmap is larger than the
    // limits. Data that is no readable BMP passes: decoding reports it.
    static void CheckBitmapHeader(const QString &name, QIODevice &device);

private:
    qint64 m_used = 0;
};
