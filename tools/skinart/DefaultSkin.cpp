// "Default": graphite panels, flat light icons and one azure accent.
#include "tools/skinart/Skins.h"

#include <QPainter>
#include <QPainterPath>

namespace {

const QColor kAccent(0x3A, 0xA8, 0xFF);
const QColor kAccentHover(0x6C, 0xC0, 0xFF);
const QColor kAccentDown(0x24, 0x86, 0xD8);
const QColor kIcon(0xC3, 0xC8, 0xD0);
const QColor kEdge(0x12, 0x14, 0x18);
const QColor kListBody(0x1B, 0x1D, 0x21);

// Panel backgrounds are the same in every column except the outer edge, so a
// button cut from any inner column matches the panel behind it exactly.
QImage TopPanel()
{
    QImage img = Blank(40, 22);
    FillRow(img, 0, QColor(0x3C, 0x41, 0x4A));
    FillRows(img, 1, 21, QColor(0x2E, 0x32, 0x3A), QColor(0x25, 0x28, 0x2E));
    FillRow(img, 21, kEdge);
    FillColumn(img, 0, 0, 22, QColor(0x17, 0x19, 0x1D));
    FillColumn(img, 39, 0, 22, QColor(0x17, 0x19, 0x1D));
    return img;
}

QImage BottomPanel()
{
    QImage img = Blank(341, 52);
    FillRow(img, 0, kEdge);
    FillRow(img, 1, QColor(0x37, 0x3C, 0x44));
    FillRows(img, 2, 51, QColor(0x2A, 0x2D, 0x34), QColor(0x1E, 0x20, 0x25));
    FillRow(img, 51, QColor(0x17, 0x19, 0x1D));
    FillColumn(img, 0, 1, 52, QColor(0x17, 0x19, 0x1D));
    FillColumn(img, 340, 1, 52, QColor(0x17, 0x19, 0x1D));
    return img;
}

QImage SidePanel(bool left)
{
    QImage img = Blank(4, 16);
    const QColor cols[4] = {QColor(0x17, 0x19, 0x1D), QColor(0x2A, 0x2E, 0x35), QColor(0x23, 0x26, 0x2B),
                            kEdge};
    for (int i = 0; i < 4; ++i)
        FillColumn(img, left ? i : 3 - i, 0, 16, cols[i]);
    return img;
}

QRect Centered(const QRect &cell, int w, int h, int dy = 0)
{
    return QRect(cell.x() + (cell.width() - w) / 2, cell.y() + (cell.height() - h) / 2 + dy, w, h);
}

// Flat icon button: hover lights a soft pill, a press darkens it and moves
// the icon down by one pixel; the checked column shows the icon in the accent.
QImage FlatButton(const QImage &bg, int cols, Glyph unchecked, Glyph checked, int gw, int gh)
{
    return Sheet(bg, cols, 3, [&](QPainter &p, const QRect &cell, int col, int row) {
        const bool on = col == 1;
        QColor icon = on ? kAccent : kIcon;
        if (row == 1) {
            FillRounded(p, QRectF(cell).adjusted(0, 0, 0, 0), 5, QColor(255, 255, 255, 26));
            icon = on ? kAccentHover : QColor(Qt::white);
        } else if (row == 2) {
            FillRounded(p, QRectF(cell), 5, QColor(0, 0, 0, 70));
            icon = on ? kAccent : kAccentHover;
        }
        DrawGlyph(p, on ? checked : unchecked, Centered(cell, gw, gh, row == 2 ? 1 : 0), icon);
    });
}

QImage PlayPauseButton(const QImage &bg)
{
    return Sheet(bg, 2, 3, [&](QPainter &p, const QRect &cell, int col, int row) {
        const QColor face = row == 0 ? kAccent : row == 1 ? kAccentHover : kAccentDown;
        QPainterPath circle;
        circle.addEllipse(QRectF(cell).adjusted(0.5, 0.5, -0.5, -0.5));
        p.fillPath(circle, face);
        const QColor ink(0x0C, 0x14, 0x1E);
        const int dy = row == 2 ? 1 : 0;
        if (col == 0)
            DrawGlyph(p, Glyph::Play, Centered(cell, 11, 12, dy).translated(1, 0), ink);
        else
            DrawGlyph(p, Glyph::Pause, Centered(cell, 10, 12, dy), ink);
    });
}

QImage WindowButton(const QImage &bg, int cols, Glyph unchecked, Glyph checked, int gs, bool danger)
{
    return Sheet(bg, cols, 3, [&](QPainter &p, const QRect &cell, int col, int row) {
        QColor icon = kIcon;
        const QRectF pill = QRectF(cell).adjusted(1, 1, -1, -1);
        if (row == 1) {
            FillRounded(p, pill, 4, danger ? QColor(0xE0, 0x46, 0x3E) : QColor(255, 255, 255, 30));
            icon = Qt::white;
        } else if (row == 2) {
            FillRounded(p, pill, 4, danger ? QColor(0xB3, 0x32, 0x2C) : QColor(0, 0, 0, 80));
            icon = danger ? QColor(Qt::white) : kAccentHover;
        }
        DrawGlyph(p, col == 1 ? checked : unchecked, Centered(cell, gs, gs, row == 2 ? 1 : 0), icon);
    });
}

// Status cells: none/stopped, opening/closing, error | playing, paused, seeking.
QImage StatusIcons(const QImage &bg)
{
    struct Look {
        QColor face;
        Glyph glyph;
        int gw, gh;
        int dx;
    };
    const QColor ink(0x12, 0x16, 0x1C);
    const Look looks[2][3] = {
        {{QColor(0x5B, 0x61, 0x6B), Glyph::Stop, 4, 4, 0},
         {QColor(0xF0, 0xA5, 0x30), Glyph::Hourglass, 6, 6, 0},
         {QColor(0xE5, 0x48, 0x4D), Glyph::Exclamation, 2, 8, 0}},
        {{QColor(0x3C, 0xC4, 0x6A), Glyph::Play, 5, 6, 0},
         {QColor(0xF0, 0xB4, 0x29), Glyph::Pause, 5, 6, 0},
         {kAccent, Glyph::Forward, 8, 6, 0}},
    };
    return Sheet(bg, 2, 3, [&](QPainter &p, const QRect &cell, int col, int row) {
        const Look &l = looks[col][row];
        QPainterPath circle;
        circle.addEllipse(QRectF(cell).adjusted(2, 2, -2, -2));
        p.fillPath(circle, l.face);
        DrawGlyph(p, l.glyph, Centered(cell, l.gw, l.gh).translated(l.dx, 0),
                  col == 0 && row == 2 ? QColor(Qt::white) : ink);
    });
}

// Track of the seek bar: a 4 px rounded groove, empty or filled.
QImage SeekTrack(const QImage &bg, const QColor &color)
{
    QImage img = bg;
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    FillRounded(p, QRectF(0, 5, img.width(), 4), 2, color);
    return img;
}

// Volume: seven bars rising to the right.
QImage VolumeBars(const QImage &bg, const QColor &color)
{
    QImage img = bg;
    QPainter p(&img);
    for (int i = 0; i < 7; ++i) {
        const int h = 4 + i * 10 / 6;
        p.fillRect(QRect(i * 5, img.height() - 1 - h, 3, h), color);
    }
    return img;
}

QImage PlaylistBackground()
{
    QImage img = Blank(40, 40);
    FillRows(img, 0, 17, QColor(0x29, 0x2C, 0x33), QColor(0x22, 0x25, 0x2A));
    FillRow(img, 17, QColor(0x14, 0x16, 0x19));
    FillRows(img, 18, 40, kListBody, kListBody);
    FillColumn(img, 38, 0, 40, QColor(0x2A, 0x2E, 0x35));
    FillColumn(img, 39, 0, 40, kEdge);
    return img;
}

QImage PlaylistScrollTrack()
{
    QImage img = Blank(8, 24, kListBody);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    FillRounded(p, QRectF(2, 1, 4, 22), 2, QColor(0x2A, 0x2D, 0x33));
    return img;
}

QImage PlaylistThumb()
{
    QImage shape = Blank(8, 12);
    QPainter p(&shape);
    p.setRenderHint(QPainter::Antialiasing);
    FillRounded(p, QRectF(1, 0, 6, 12), 3, QColor(0x6A, 0x71, 0x7C));
    p.end();
    return KeyOut(shape, QColor(0x2A, 0x2D, 0x33));
}

QImage CloseSmall(const QImage &bg)
{
    return Sheet(bg, 1, 3, [&](QPainter &p, const QRect &cell, int, int row) {
        QColor icon(0x9A, 0xA0, 0xAA);
        if (row == 1) {
            FillRounded(p, QRectF(cell), 3, QColor(255, 255, 255, 30));
            icon = Qt::white;
        } else if (row == 2) {
            FillRounded(p, QRectF(cell), 3, QColor(0, 0, 0, 80));
            icon = kAccentHover;
        }
        DrawGlyph(p, Glyph::Close, Centered(cell, 7, 7, row == 2 ? 1 : 0), icon);
    });
}

} // namespace

SkinImages DrawDefaultSkin()
{
    SkinImages out;
    const QImage top = TopPanel();
    const QImage bottom = BottomPanel();
    out["top.bmp"] = top;
    out["bottom.bmp"] = bottom;
    out["left.bmp"] = SidePanel(true);
    out["right.bmp"] = SidePanel(false);

    // Positions below are the X/Y of the sections in skin.ini.
    out["status.bmp"] = StatusIcons(Backdrop(top, 3, 16, 16));
    out["minimize.bmp"] =
        WindowButton(Backdrop(top, 2, 20, 18), 1, Glyph::Minimize, Glyph::Minimize, 9, false);
    out["fullscreen.bmp"] =
        WindowButton(Backdrop(top, 2, 20, 18), 2, Glyph::Expand, Glyph::Collapse, 10, false);
    out["close.bmp"] = WindowButton(Backdrop(top, 2, 20, 18), 1, Glyph::Close, Glyph::Close, 8, true);

    out["seekback.bmp"] = FlatButton(Backdrop(bottom, 5, 16, 14), 1, Glyph::Rewind, Glyph::Rewind, 10, 7);
    out["seekfwd.bmp"] = FlatButton(Backdrop(bottom, 5, 16, 14), 1, Glyph::Forward, Glyph::Forward, 10, 7);
    out["seek_b.bmp"] = SeekTrack(Backdrop(bottom, 5, 20, 14), QColor(0x3D, 0x42, 0x4B));
    out["seek_f.bmp"] = SeekTrack(Backdrop(bottom, 5, 20, 14), kAccent);

    const QImage row2 = Backdrop(bottom, 25, 22, 22);
    out["playlist.bmp"] = FlatButton(row2, 2, Glyph::List, Glyph::List, 12, 10);
    out["stop.bmp"] = FlatButton(row2, 2, Glyph::Stop, Glyph::Stop, 9, 9);
    out["prev.bmp"] = FlatButton(row2, 1, Glyph::Prev, Glyph::Prev, 10, 10);
    out["next.bmp"] = FlatButton(row2, 1, Glyph::Next, Glyph::Next, 10, 10);
    out["mute.bmp"] = FlatButton(row2, 2, Glyph::Speaker, Glyph::SpeakerMuted, 14, 12);
    out["playpause.bmp"] = PlayPauseButton(Backdrop(bottom, 22, 28, 28));
    out["vol_b.bmp"] = VolumeBars(Backdrop(bottom, 29, 34, 14), QColor(0x44, 0x4A, 0x54));
    out["vol_f.bmp"] = VolumeBars(Backdrop(bottom, 29, 34, 14), kAccent);

    const QImage list = PlaylistBackground();
    out["plbg.bmp"] = list;
    out["plscroll.bmp"] = PlaylistScrollTrack();
    out["plthumb.bmp"] = PlaylistThumb();
    out["plclose.bmp"] = CloseSmall(Backdrop(list, 2, 14, 14));
    return out;
}
