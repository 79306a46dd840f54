#include "tools/skinart/Art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

QImage Blank(int width, int height, const QColor &fill)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    return image;
}

void FillRows(QImage &image, int y0, int y1, const QColor &top, const QColor &bottom)
{
    const int n = y1 - y0;
    for (int y = y0; y < y1; ++y) {
        const double t = n > 1 ? double(y - y0) / (n - 1) : 0.0;
        const QColor c = QColor::fromRgbF(float(top.redF() + (bottom.redF() - top.redF()) * t),
                                          float(top.greenF() + (bottom.greenF() - top.greenF()) * t),
                                          float(top.blueF() + (bottom.blueF() - top.blueF()) * t));
        FillRow(image, y, c);
    }
}

void FillRow(QImage &image, int y, const QColor &color)
{
    for (int x = 0; x < image.width(); ++x)
        image.setPixelColor(x, y, color);
}

void FillColumn(QImage &image, int x, int y0, int y1, const QColor &color)
{
    for (int y = y0; y < y1; ++y)
        image.setPixelColor(x, y, color);
}

QImage Backdrop(const QImage &panel, int y, int width, int height)
{
    const QImage column = panel.copy(panel.width() / 2, y, 1, height);
    QImage out = Blank(width, height);
    QPainter p(&out);
    for (int x = 0; x < width; ++x)
        p.drawImage(x, 0, column);
    return out;
}

QImage KeyOut(const QImage &shape, const QColor &matte, int alphaThreshold)
{
    const QImage src = shape.convertToFormat(QImage::Format_ARGB32);
    QImage out(src.size(), QImage::Format_RGB32);
    for (int y = 0; y < src.height(); ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(src.constScanLine(y));
        auto *dst = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < src.width(); ++x) {
            const int a = qAlpha(in[x]);
            if (a < alphaThreshold) {
                dst[x] = kKeyColor.rgb();
                continue;
            }
            auto mix = [a](int c, int m) { return (c * a + m * (255 - a) + 127) / 255; };
            dst[x] = qRgb(mix(qRed(in[x]), matte.red()), mix(qGreen(in[x]), matte.green()),
                          mix(qBlue(in[x]), matte.blue()));
        }
    }
    return out;
}

QImage Sheet(const QImage &bg, int cols, int rows, const CellPainter &draw)
{
    QImage sheet(bg.width() * cols, bg.height() * rows, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(Qt::transparent);
    QPainter p(&sheet);
    p.setRenderHint(QPainter::Antialiasing);
    for (int row = 0; row < rows; ++row) {
        for (int col = 0; col < cols; ++col) {
            const QRect cell(col * bg.width(), row * bg.height(), bg.width(), bg.height());
            p.drawImage(cell.topLeft(), bg);
            p.save();
            p.setClipRect(cell);
            draw(p, cell, col, row);
            p.restore();
        }
    }
    return sheet;
}

void FillRounded(QPainter &p, const QRectF &rect, qreal radius, const QColor &color)
{
    FillRounded(p, rect, radius, color, color);
}

void FillRounded(QPainter &p, const QRectF &rect, qreal radius, const QColor &top, const QColor &bottom)
{
    QLinearGradient g(rect.topLeft(), rect.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    p.fillPath(path, g);
}

void StrokeRounded(QPainter &p, const QRectF &rect, qreal radius, const QColor &color, qreal width)
{
    // Half a pen width inside, so a 1 px line lands on whole pixels.
    const qreal h = width / 2;
    QPainterPath path;
    path.addRoundedRect(rect.adjusted(h, h, -h, -h), radius - h, radius - h);
    p.strokePath(path, QPen(color, width));
}

namespace {

void Triangle(QPainter &p, QPointF a, QPointF b, QPointF c, const QColor &color)
{
    QPainterPath path;
    path.moveTo(a);
    path.lineTo(b);
    path.lineTo(c);
    path.closeSubpath();
    p.fillPath(path, color);
}

// A triangle whose flat side is vertical at x (on a pixel edge) and whose
// point is at tipX, vertically centred in [top, top + h).
void SideTriangle(QPainter &p, qreal x, qreal tipX, qreal top, qreal h, const QColor &color)
{
    Triangle(p, {x, top}, {x, top + h}, {tipX, top + h / 2}, color);
}

void Speaker(QPainter &p, const QRect &b, const QColor &color)
{
    const qreal s = b.height();
    const qreal x = b.x();
    const qreal y = b.y();
    const qreal bodyW = std::round(s * 0.22);
    const qreal bodyTop = y + std::round(s * 0.32);
    const qreal bodyBot = y + s - std::round(s * 0.32);
    const qreal coneX = x + std::round(s * 0.5);
    QPainterPath path;
    path.moveTo(x, bodyTop);
    path.lineTo(x + bodyW, bodyTop);
    path.lineTo(coneX, y + std::round(s * 0.06));
    path.lineTo(coneX, y + s - std::round(s * 0.06));
    path.lineTo(x + bodyW, bodyBot);
    path.lineTo(x, bodyBot);
    path.closeSubpath();
    p.fillPath(path, color);
}

} // namespace

void DrawGlyph(QPainter &p, Glyph glyph, const QRect &box, const QColor &color)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const int s = box.height();
    const int x = box.x();
    const int y = box.y();
    const int w = box.width();
    switch (glyph) {
    case Glyph::Play: {
        const int tw = int(std::lround(s * 0.86));
        const int x0 = x + (w - tw) / 2 + 1; // optical centre lies right of the box centre
        SideTriangle(p, x0, x0 + tw, y, s, color);
        break;
    }
    case Glyph::Pause: {
        const int bw = std::max(2, int(std::lround(s * 0.3)));
        const int gap = std::max(2, int(std::lround(s * 0.24)));
        const int x0 = x + (w - 2 * bw - gap) / 2;
        p.fillRect(QRect(x0, y, bw, s), color);
        p.fillRect(QRect(x0 + bw + gap, y, bw, s), color);
        break;
    }
    case Glyph::Stop: {
        const int q = s;
        const int left = x + (w - q) / 2;
        FillRounded(p, QRectF(left, y, q, q), 1.5, color);
        break;
    }
    case Glyph::Prev:
    case Glyph::Next: {
        const int bw = std::max(2, int(std::lround(s * 0.17)));
        const int tw = int(std::lround(s * 0.74));
        const int x0 = x + (w - bw - tw) / 2;
        if (glyph == Glyph::Prev) {
            p.fillRect(QRect(x0, y, bw, s), color);
            SideTriangle(p, x0 + bw + tw, x0 + bw, y, s, color);
        } else {
            SideTriangle(p, x0, x0 + tw, y, s, color);
            p.fillRect(QRect(x0 + tw, y, bw, s), color);
        }
        break;
    }
    case Glyph::Rewind:
    case Glyph::Forward: {
        const int tw = int(std::lround(s * 0.62));
        const int x0 = x + (w - 2 * tw) / 2;
        if (glyph == Glyph::Rewind) {
            SideTriangle(p, x0 + tw, x0, y, s, color);
            SideTriangle(p, x0 + 2 * tw, x0 + tw, y, s, color);
        } else {
            SideTriangle(p, x0, x0 + tw, y, s, color);
            SideTriangle(p, x0 + tw, x0 + 2 * tw, y, s, color);
        }
        break;
    }
    case Glyph::Speaker:
    case Glyph::SpeakerMuted: {
        const int total = int(std::lround(s * 1.05));
        const QRect sb(x + (w - total) / 2, y, s, s);
        Speaker(p, sb, color);
        const qreal cx = sb.x() + std::round(s * 0.5);
        const qreal cy = y + s / 2.0;
        QPen pen(color, std::max(1.3, s / 9.0), Qt::SolidLine, Qt::FlatCap);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        if (glyph == Glyph::Speaker) {
            for (qreal r : {s * 0.22, s * 0.44}) {
                QRectF arc(cx - r + 1, cy - r, 2 * r, 2 * r);
                p.drawArc(arc, -50 * 16, 100 * 16);
            }
        } else {
            const qreal d = s * 0.2;
            const qreal mx = cx + s * 0.33;
            p.drawLine(QPointF(mx - d, cy - d), QPointF(mx + d, cy + d));
            p.drawLine(QPointF(mx - d, cy + d), QPointF(mx + d, cy - d));
        }
        break;
    }
    case Glyph::List: {
        const int lh = std::max(2, s / 6);
        const int dot = lh;
        const int total = w >= s ? s : w;
        const int x0 = x + (w - total) / 2;
        for (int i = 0; i < 3; ++i) {
            const int ly = y + int(std::lround(i * (s - lh) / 2.0));
            p.fillRect(QRect(x0, ly, dot, lh), color);
            p.fillRect(QRect(x0 + dot + 2, ly, total - dot - 2, lh), color);
        }
        break;
    }
    case Glyph::Minimize: {
        const int lh = std::max(2, s / 6);
        p.fillRect(QRect(x + (w - s) / 2, y + s - lh, s, lh), color);
        break;
    }
    case Glyph::Expand:
    case Glyph::Collapse: {
        const int lw = std::max(2, s / 7);
        const int leg = int(std::lround(s * 0.4));
        const int x0 = x + (w - s) / 2;
        // Four corner brackets: for expand their corners sit on the box corners,
        // for collapse they sit inside and the legs run back out to the edges.
        const bool out = glyph == Glyph::Expand;
        for (int right = 0; right < 2; ++right) {
            for (int bottom = 0; bottom < 2; ++bottom) {
                const int hx = right ? x0 + s - leg : x0; // horizontal leg left
                const int vy = bottom ? y + s - leg : y;  // vertical leg top
                int hy, vx;
                if (out) {
                    hy = bottom ? y + s - lw : y;
                    vx = right ? x0 + s - lw : x0;
                } else {
                    hy = bottom ? y + s - leg : y + leg - lw;
                    vx = right ? x0 + s - leg : x0 + leg - lw;
                }
                p.fillRect(QRect(hx, hy, leg, lw), color);
                p.fillRect(QRect(vx, vy, lw, leg), color);
            }
        }
        break;
    }
    case Glyph::Close: {
        const qreal m = 0.5;
        const int x0 = x + (w - s) / 2;
        QPen pen(color, std::max(1.6, s / 5.0), Qt::SolidLine, Qt::FlatCap);
        p.setPen(pen);
        p.drawLine(QPointF(x0 + m, y + m), QPointF(x0 + s - m, y + s - m));
        p.drawLine(QPointF(x0 + m, y + s - m), QPointF(x0 + s - m, y + m));
        break;
    }
    case Glyph::FrameStep: {
        const int bw = std::max(2, int(std::lround(s * 0.22)));
        const int gap = std::max(1, int(std::lround(s * 0.14)));
        const int tw = int(std::lround(s * 0.6));
        const int x0 = x + (w - bw - gap - tw) / 2;
        p.fillRect(QRect(x0, y, bw, s), color);
        SideTriangle(p, x0 + bw + gap, x0 + bw + gap + tw, y, s, color);
        break;
    }
    case Glyph::Exclamation: {
        const int bw = std::max(2, s / 4);
        const int x0 = x + (w - bw) / 2;
        p.fillRect(QRect(x0, y, bw, s - bw - 2), color);
        p.fillRect(QRect(x0, y + s - bw, bw, bw), color);
        break;
    }
    case Glyph::Hourglass: {
        const int x0 = x + (w - s) / 2;
        const int lh = std::max(1, s / 6);
        p.fillRect(QRect(x0, y, s, lh), color);
        p.fillRect(QRect(x0, y + s - lh, s, lh), color);
        Triangle(p, {qreal(x0 + 1), qreal(y + lh)}, {qreal(x0 + s - 1), qreal(y + lh)},
                 {x0 + s / 2.0, y + s / 2.0}, color);
        Triangle(p, {qreal(x0 + 1), qreal(y + s - lh)}, {qreal(x0 + s - 1), qreal(y + s - lh)},
                 {x0 + s / 2.0, y + s / 2.0}, color);
        break;
    }
    case Glyph::Dot: {
        QPainterPath path;
        path.addEllipse(QRectF(x + (w - s) / 2.0, y, s, s));
        p.fillPath(path, color);
        break;
    }
    }
    p.restore();
}
