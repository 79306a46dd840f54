#pragma once
// What one skin load may read, unpack and decode. A small crafted archive (or
// a folder of sparse files) can otherwise ask for gigabytes; each limit is
// checked from headers (the archive's declared sizes, file sizes, the
// bitmap's width and height) before anything is inflated or decoded.
//
// The built-in skins unpack about 140 KB in all, their largest bitmap has
// 17,732 pixels, their skin.ini files have under 300 lines and 40 sections.
// A skin drawn for a 4K screen fits with room to spare: a full-screen
// 3840 x 2160 background is 8.3 million pixels and 25 MB as a 24-bit BMP, so
// four of them and all the buttons still pass.
#include "skin/SkinFile.h"

#include <QString>

class QIODevice;

class SkinBudget {
public:
    // Bitmap bytes (unpacked) one skin may read in all.
    static constexpr qint64 MaxTotalBytes = 128LL * 1024 * 1024;
    // Decoded pixels of all the distinct bitmaps of one skin (160 MiB as 32-bit).
    static constexpr qint64 MaxTotalPixels = 40LL * 1024 * 1024;
    // Width and height of one bitmap, and its pixel count (64 MiB as 32-bit).
    static constexpr int MaxBitmapSide = 16384;
    static constexpr qint64 MaxBitmapPixels = 16LL * 1024 * 1024;
    // The sections (elements) a skin may declare; skin.ini's own limits are SkinIni's.
    static constexpr qsizetype MaxSections = 1000;
    // Sizes and coordinates a skin may give, in pixels.
    static constexpr int MaxPanelSize = 1000;
    static constexpr int MaxMinWidth = 2000;
    static constexpr int MaxBorders = 200;
    static constexpr int MaxCoordinate = 8192;
    static constexpr int MaxFontSize = 200;

    // Counts the bytes of the file `name`; throws ESkinTooLarge naming it when
    // they would take the skin past MaxTotalBytes (nothing is counted then).
    void Take(const QString &name, qint64 bytes);
    // The same for the decoded pixels of a bitmap and MaxTotalPixels.
    void TakePixels(const QString &name, qint64 pixels);
    qint64 Used() const { return m_used; }
    qint64 PixelsUsed() const { return m_pixels; }

    // Reads the header of the BMP on the device (from its current position)
    // and throws ESkinTooLarge naming the file when the bitmap is larger than
    // the limits; returns its pixel count. Data that is no readable BMP
    // passes with 0: decoding reports it.
    static qint64 CheckBitmapHeader(const QString &name, QIODevice &device);

private:
    qint64 m_used = 0;
    qint64 m_pixels = 0;
};
