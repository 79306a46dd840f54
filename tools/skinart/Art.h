#pragma once
// Drawing helpers shared by the two built-in skins: solid backgrounds, cell
// sheets for buttons and thumbs, the key colour, and the vector icons.
#include <QColor>
#include <QImage>
#include <QMap>
#include <QRect>
#include <QString>
#include <functional>

class QPainter;

// Pixels of this colour are left out where a skin says "Transparent".
inline const QColor kKeyColor(255, 0, 255);

// File name (as skin.ini names it) -> finished picture.
using SkinImages = QMap<QString, QImage>;

QImage Blank(int width, int height, const QColor &fill = Qt::transparent);
// Rows y0..y1-1 filled with a vertical gradient from top to bottom colour.
void FillRows(QImage &image, int y0, int y1, const QColor &top, const QColor &bottom);
void FillRow(QImage &image, int y, const QColor &color);
void FillColumn(QImage &image, int x, int y0, int y1, const QColor &color);
// What a control of that size sees behind it at row y of a panel whose inner
// columns are all alike: the middle column repeated.
QImage Backdrop(const QImage &panel, int y, int width, int height);

// Makes a shape drawn on a transparent image usable with the key colour:
// pixels that are mostly transparent become the key, the others are blended
// over matte (the colour the shape will usually sit on), so no pink fringe
// shows once the key is left out.
QImage KeyOut(const QImage &shape, const QColor &matte, int alphaThreshold = 110);

// A sheet of cols x rows cells of the size of bg; every cell starts as a copy
// of bg and then draw paints it (cell rectangle in sheet coordinates).
using CellPainter = std::function<void(QPainter &, const QRect &cell, int col, int row)>;
QImage Sheet(const QImage &bg, int cols, int rows, const CellPainter &draw);

enum class Glyph {
    Play,
    Pause,
    Stop,
    Prev,
    Next,
    Rewind,
    Forward,
    Speaker,
    SpeakerMuted,
    List,
    Minimize,
    Expand,
    Collapse,
    Close,
    FrameStep,
    Exclamation,
    Hourglass,
    Dot
};

// Draws the icon inside box (whole pixels; the icon keeps its straight edges
// on pixel boundaries so it stays crisp at 1x).
void DrawGlyph(QPainter &p, Glyph glyph, const QRect &box, const QColor &color);

// A rounded rectangle on whole-pixel edges (antialiased corners only).
void FillRounded(QPainter &p, const QRectF &rect, qreal radius, const QColor &color);
void FillRounded(QPainter &p, const QRectF &rect, qreal radius, const QColor &top, const QColor &bottom);
void StrokeRounded(QPainter &p, const QRectF &rect, qreal radius, const QColor &color, qreal width = 1.0);
