// "ZE6 ZO": brushed silver with raised keys, deep blue for everything that is on.
#include "tools/skinart/Skins.h"

#include <QPainter>
#include <QPainterPath>

namespace {

const QColor kBlue(0x1D, 0x4E, 0x9E);
const QColor kBlueHover(0x2F, 0x6B, 0xD0);
const QColor kInk(0x2F, 0x3A, 0x48);
const QColor kRim(0x9A, 0xA1, 0xAA);
const QColor kListBody(0xF4, 0xF5, 0xF7);

QImage TopPanel(int width, int height)
{
    QImage img = Blank(width, height);
    FillRow(img, 0, kRim);
    FillRow(img, 1, QColor(0xFF, 0xFF, 0xFF));
    FillRows(img, 2, height - 1, QColor(0xF0, 0xF2, 0xF5), QColor(0xCC, 0xD1, 0xD8));
    FillRow(img, height - 1, QColor(0x8F, 0x96, 0x9F));
    FillColumn(img, 0, 0, height, kRim);
    FillColumn(img, 1, 1, height - 1, QColor(0xFA, 0xFB, 0xFC));
    FillColumn(img, width - 1, 0, height, kRim);
    FillColumn(img, width - 2, 1, height - 1, QColor(0xBB, 0xC1, 0xC9));
    return img;
}

// The bottom bar hangs below the video: its dark line is on top.
QImage BottomPanel()
{
    QImage img = Blank(40, 77);
    FillRow(img, 0, QColor(0x8F, 0x96, 0x9F));
    FillRow(img, 1, QColor(0xFF, 0xFF, 0xFF));
    FillRows(img, 2, 76, QColor(0xEE, 0xF0, 0xF3), QColor(0xC6, 0xCB, 0xD2));
    FillRow(img, 76, kRim);
    FillColumn(img, 0, 0, 77, kRim);
    FillColumn(img, 39, 0, 77, kRim);
    FillColumn(img, 1, 1, 76, QColor(0xFA, 0xFB, 0xFC));
    FillColumn(img, 38, 1, 76, QColor(0xBB, 0xC1, 0xC9));
    return img;
}

QImage SidePanel(bool left)
{
    QImage img = Blank(4, 16);
    const QColor cols[4] = {kRim, QColor(0xFA, 0xFB, 0xFC), QColor(0xDF, 0xE3, 0xE8),
                            QColor(0x8F, 0x96, 0x9F)};
    for (int i = 0; i < 4; ++i)
        FillColumn(img, left ? i : 3 - i, 0, 16, cols[i]);
    return img;
}

QRect Centered(const QRect &cell, int w, int h, int dy = 0)
{
    return QRect(cell.x() + (cell.width() - w) / 2, cell.y() + (cell.height() - h) / 2 + dy, w, h);
}

struct KeyLook {
    QColor top, bottom, rim, ink;
};

// Raised key: a rounded face with a rim and a one pixel shadow under it.
// Rows: normal, hover, pressed; the checked column is tinted blue.
KeyLook Look(int col, int row, bool danger)
{
    if (danger && row > 0)
        return row == 1 ? KeyLook{QColor(0xF2, 0x7A, 0x72), QColor(0xD9, 0x4B, 0x42),
                                  QColor(0xB0, 0x36, 0x2E), Qt::white}
                        : KeyLook{QColor(0xC2, 0x3E, 0x35), QColor(0xDE, 0x5C, 0x53),
                                  QColor(0x9A, 0x2C, 0x25), Qt::white};
    if (col == 1) {
        switch (row) {
        case 0:
            return {QColor(0xE8, 0xF0, 0xFC), QColor(0xB8, 0xCE, 0xF0), QColor(0x5C, 0x88, 0xCC), kBlue};
        case 1:
            return {QColor(0xF2, 0xF7, 0xFF), QColor(0xC9, 0xDB, 0xF6), QColor(0x3E, 0x73, 0xC8), kBlueHover};
        default:
            return {QColor(0xA9, 0xC2, 0xEA), QColor(0xD3, 0xE1, 0xF6), QColor(0x3E, 0x6A, 0xB0), kBlue};
        }
    }
    switch (row) {
    case 0:
        return {QColor(0xFF, 0xFF, 0xFF), QColor(0xD9, 0xDD, 0xE3), QColor(0x98, 0xA0, 0xAB), kInk};
    case 1:
        return {QColor(0xFF, 0xFF, 0xFF), QColor(0xE4, 0xEB, 0xF5), QColor(0x5C, 0x88, 0xCC), kBlue};
    default:
        return {QColor(0xC4, 0xCA, 0xD3), QColor(0xE6, 0xE9, 0xED), QColor(0x7C, 0x85, 0x90), kBlue};
    }
}

void Key(QPainter &p, const QRect &cell, const KeyLook &look, bool pressed)
{
    const QRectF face = QRectF(cell).adjusted(0, 0, 0, -1);
    if (!pressed)
        FillRounded(p, face.translated(0, 1), 4, QColor(0, 0, 0, 38));
    FillRounded(p, face, 4, look.top, look.bottom);
    StrokeRounded(p, face, 4, look.rim);
    if (!pressed) {
        QPainterPath shine;
        shine.moveTo(face.left() + 4, face.top() + 1.5);
        shine.lineTo(face.right() - 4, face.top() + 1.5);
        p.strokePath(shine, QPen(QColor(255, 255, 255, 200), 1));
    }
}

QImage KeySheet(const QImage &bg, int cols, Glyph unchecked, Glyph checked, int gw, int gh,
                bool danger = false)
{
    return Sheet(bg, cols, 3, [&](QPainter &p, const QRect &cell, int col, int row) {
        const KeyLook look = Look(col, row, danger);
        Key(p, cell, look, row == 2);
        DrawGlyph(p, col == 1 ? checked : unchecked, Centered(cell, gw, gh, row == 2 ? 0 : -1), look.ink);
    });
}

// Status lamp: a glossy round light with the state's icon.
QImage StatusLamps(const QImage &bg)
{
    struct Lamp {
        QColor face;
        Glyph glyph;
        int gw, gh;
    };
    const Lamp lamps[2][3] = {
        {{QColor(0x9A, 0xA3, 0xAE), Glyph::Stop, 5, 5},
         {QColor(0xF0, 0xA0, 0x20), Glyph::Hourglass, 7, 7},
         {QColor(0xD9, 0x3A, 0x32), Glyph::Exclamation, 2, 9}},
        {{QColor(0x2E, 0xA8, 0x4F), Glyph::Play, 6, 7},
         {QColor(0xE8, 0xA4, 0x17), Glyph::Pause, 6, 7},
         {kBlueHover, Glyph::Forward, 9, 7}},
    };
    return Sheet(bg, 2, 3, [&](QPainter &p, const QRect &cell, int col, int row) {
        const Lamp &l = lamps[col][row];
        const QRectF r = QRectF(cell).adjusted(1, 1, -1, -1);
        QPainterPath ring;
        ring.addEllipse(r);
        p.fillPath(ring, QColor(0, 0, 0, 60));
        QPainterPath body;
        body.addEllipse(r.adjusted(1, 1, -1, -1));
        QRadialGradient g(r.center() - QPointF(2, 3), r.width() * 0.7);
        g.setColorAt(0, l.face.lighter(135));
        g.setColorAt(1, l.face);
        p.fillPath(body, g);
        DrawGlyph(p, l.glyph, Centered(cell, l.gw, l.gh), Qt::white);
    });
}

// Groove of the seek bar: a sunken channel with a highlight under it.
QImage SeekGroove(const QImage &bg)
{
    QImage img = bg;
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    FillRounded(p, QRectF(0, 8, img.width(), 6), 3, QColor(255, 255, 255, 230));
    FillRounded(p, QRectF(0, 7, img.width(), 6), 3, QColor(0x8E, 0x97, 0xA3), QColor(0xB4, 0xBB, 0xC5));
    FillRounded(p, QRectF(1, 9, img.width() - 2, 3), 1.5, QColor(0xA7, 0xB0, 0xBC));
    return img;
}

QImage SeekKnob()
{
    QImage shape = Blank(14, 42);
    QPainter p(&shape);
    p.setRenderHint(QPainter::Antialiasing);
    for (int row = 0; row < 3; ++row) {
        const QRectF r(0.5, row * 14 + 0.5, 13, 13);
        QPainterPath outer;
        outer.addEllipse(r);
        p.fillPath(outer, row == 0 ? QColor(0x7E, 0x87, 0x92) : kBlue);
        QPainterPath face;
        face.addEllipse(r.adjusted(1, 1, -1, -1));
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0, row == 2 ? QColor(0xCF, 0xDA, 0xEA) : QColor(0xFF, 0xFF, 0xFF));
        g.setColorAt(1, row == 2 ? QColor(0xF2, 0xF6, 0xFB) : QColor(0xCB, 0xD1, 0xD9));
        p.fillPath(face, g);
        QPainterPath dot;
        dot.addEllipse(QRectF(r.center().x() - 2, r.center().y() - 2, 4, 4));
        p.fillPath(dot, row == 0 ? kBlue : kBlueHover);
    }
    p.end();
    return KeyOut(shape, QColor(0xC9, 0xCE, 0xD5));
}

// Volume: a ramp rising to the right, with a slim knob riding on it.
QImage VolumeRamp(const QImage &bg)
{
    QImage img = bg;
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath ramp;
    ramp.moveTo(5, 15);
    ramp.lineTo(45, 4);
    ramp.lineTo(45, 15);
    ramp.closeSubpath();
    p.fillPath(ramp.translated(0, 1), QColor(255, 255, 255, 220));
    QLinearGradient g(5, 0, 45, 0);
    g.setColorAt(0, QColor(0xB4, 0xBC, 0xC7));
    g.setColorAt(1, QColor(0x7D, 0x96, 0xBE));
    p.fillPath(ramp, g);
    return img;
}

QImage VolumeKnob()
{
    QImage shape = Blank(10, 36);
    QPainter p(&shape);
    p.setRenderHint(QPainter::Antialiasing);
    for (int row = 0; row < 2; ++row) {
        const QRectF r(1, row * 18 + 1, 8, 16);
        FillRounded(p, r.translated(0, 0.5), 3, QColor(0, 0, 0, 60));
        FillRounded(p, r.adjusted(0, 0, 0, -0.5), 3,
                    row ? QColor(0x9F, 0xBB, 0xE6) : QColor(0xFF, 0xFF, 0xFF),
                    row ? QColor(0xD2, 0xE0, 0xF5) : QColor(0xC8, 0xCE, 0xD6));
        StrokeRounded(p, r.adjusted(0, 0, 0, -0.5), 3, row ? kBlue : QColor(0x7E, 0x87, 0x92));
        p.fillRect(QRectF(3, row * 18 + 8, 4, 1), row ? kBlue : QColor(0x8A, 0x93, 0x9E));
        p.fillRect(QRectF(3, row * 18 + 10, 4, 1), row ? kBlue : QColor(0x8A, 0x93, 0x9E));
    }
    p.end();
    return KeyOut(shape, QColor(0xC9, 0xCE, 0xD5));
}

QImage ScrollTrack()
{
    QImage img = Blank(17, 30, kListBody);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRect(0, 0, 1, 30), QColor(0xD5, 0xD9, 0xDF));
    FillRounded(p, QRectF(4, 2, 9, 26), 4.5, QColor(0xE1, 0xE4, 0xE9));
    return img;
}

QImage ScrollThumb()
{
    QImage shape = Blank(17, 84);
    QPainter p(&shape);
    p.setRenderHint(QPainter::Antialiasing);
    for (int row = 0; row < 3; ++row) {
        const QRectF r(3, row * 28 + 1, 11, 26);
        const QColor rim = row == 0 ? QColor(0x8E, 0x97, 0xA2) : kBlue;
        const QColor top = row == 2 ? QColor(0xB9, 0xCD, 0xEE) : QColor(0xFF, 0xFF, 0xFF);
        const QColor bottom = row == 0 ? QColor(0xD3, 0xD8, 0xDF) : QColor(0xDC, 0xE6, 0xF6);
        FillRounded(p, r, 4, top, bottom);
        StrokeRounded(p, r, 4, rim);
        for (int i = 0; i < 3; ++i)
            p.fillRect(QRectF(6, row * 28 + 10 + i * 3, 5, 1), row == 0 ? QColor(0x8E, 0x97, 0xA2) : kBlue);
    }
    p.end();
    return KeyOut(shape, QColor(0xE1, 0xE4, 0xE9));
}

QImage Grip()
{
    QImage img(12, 12, QImage::Format_RGB32);
    img.fill(kKeyColor);
    QPainter p(&img);
    const QPoint dots[] = {{7, 1}, {4, 4}, {7, 4}, {1, 7}, {4, 7}, {7, 7}};
    for (const QPoint &d : dots) {
        p.fillRect(QRect(d + QPoint(1, 1), QSize(2, 2)), QColor(0xFF, 0xFF, 0xFF));
        p.fillRect(QRect(d, QSize(2, 2)), QColor(0x7E, 0x87, 0x92));
    }
    return img;
}

QImage CloseSmall(const QColor &header)
{
    QImage bg = Blank(16, 16, header);
    return Sheet(bg, 1, 3, [&](QPainter &p, const QRect &cell, int, int row) {
        QColor icon(0x5A, 0x66, 0x76);
        if (row > 0) {
            FillRounded(p, QRectF(cell), 4, row == 1 ? QColor(0xD9, 0x4B, 0x42) : QColor(0xB0, 0x36, 0x2E));
            icon = Qt::white;
        }
        DrawGlyph(p, Glyph::Close, Centered(cell, 8, 8, row == 2 ? 1 : 0), icon);
    });
}

} // namespace

SkinImages DrawZe6ZoSkin()
{
    SkinImages out;
    const QImage top = TopPanel(40, 29);
    const QImage bottom = BottomPanel();
    out["top.bmp"] = top;
    out["bottom.bmp"] = bottom;
    out["left.bmp"] = SidePanel(true);
    out["right.bmp"] = SidePanel(false);

    // Positions below are the X/Y of the sections in skin.ini.
    out["status.bmp"] = StatusLamps(Backdrop(top, 5, 18, 18));
    const QImage titleKey = Backdrop(top, 5, 22, 18);
    out["minimize.bmp"] = KeySheet(titleKey, 1, Glyph::Minimize, Glyph::Minimize, 9, 8);
    out["fullscreen.bmp"] = KeySheet(titleKey, 2, Glyph::Expand, Glyph::Collapse, 9, 9);
    out["close.bmp"] = KeySheet(titleKey, 1, Glyph::Close, Glyph::Close, 8, 8, true);

    out["seekback.bmp"] = KeySheet(Backdrop(bottom, 24, 20, 18), 1, Glyph::Rewind, Glyph::Rewind, 10, 7);
    out["seekfwd.bmp"] = KeySheet(Backdrop(bottom, 24, 20, 18), 1, Glyph::Forward, Glyph::Forward, 10, 7);
    out["seek.bmp"] = SeekGroove(Backdrop(bottom, 24, 20, 18));
    out["seekknob.bmp"] = SeekKnob();

    const QImage key = Backdrop(bottom, 50, 26, 24);
    out["play.bmp"] = KeySheet(key, 2, Glyph::Play, Glyph::Play, 9, 10);
    out["step.bmp"] = KeySheet(key, 2, Glyph::FrameStep, Glyph::FrameStep, 10, 10);
    out["stop.bmp"] = KeySheet(key, 2, Glyph::Stop, Glyph::Stop, 9, 9);
    out["prev.bmp"] = KeySheet(key, 1, Glyph::Prev, Glyph::Prev, 10, 10);
    out["next.bmp"] = KeySheet(key, 1, Glyph::Next, Glyph::Next, 10, 10);
    out["playlist.bmp"] = KeySheet(key, 2, Glyph::List, Glyph::List, 12, 10);
    out["mute.bmp"] = KeySheet(key, 2, Glyph::Speaker, Glyph::SpeakerMuted, 14, 12);
    out["vol.bmp"] = VolumeRamp(Backdrop(bottom, 52, 50, 20));
    out["volknob.bmp"] = VolumeKnob();
    out["grip.bmp"] = Grip();

    out["plscroll.bmp"] = ScrollTrack();
    out["plthumb.bmp"] = ScrollThumb();
    out["plclose.bmp"] = CloseSmall(QColor(0xDD, 0xE1, 0xE6));
    return out;
}
