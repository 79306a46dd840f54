#include "mainwindow/VideoAreaPanel.h"

#include "common/Report.h"

#include <QPaintEvent>
#include <QPainter>

VideoAreaPanel::VideoAreaPanel(QWidget *parent) : TZorviPanel(parent) {}

void VideoAreaPanel::SetLines(const QList<VideoAreaLine> &lines, ColorRef headColor, ColorRef textColor)
{
    if (lines == m_lines && headColor == m_headColor && textColor == m_textColor)
        return;
    m_lines = lines;
    m_headColor = headColor;
    m_textColor = textColor;
    update();
}

void VideoAreaPanel::paintEvent(QPaintEvent *event)
{
    RunGuarded([&] {
        QPainter painter(this);
        PaintBackground(painter, event->rect());
        if (m_lines.isEmpty())
            return;
        constexpr int Margin = 12;
        const int width = this->width() - 2 * Margin;
        if (width < 40)
            return;
        // Each line in its font, wrapped to the width; the block centred, and
        // the lines that do not fit left out from the end.
        struct Placed {
            QFont font;
            QColor color;
            QRect rect;
            const QString *text;
        };
        QList<Placed> placed;
        int height = 0;
        for (const VideoAreaLine &line : m_lines) {
            QFont font = this->font();
            const qreal size = font.pointSizeF() > 0 ? font.pointSizeF() : 9;
            const bool heading = line.kind == VideoAreaLine::Kind::Heading;
            font.setPointSizeF(heading                                   ? size * 1.4
                               : line.kind == VideoAreaLine::Kind::Aside ? size * 0.95
                                                                         : size * 1.1);
            font.setBold(heading);
            font.setItalic(line.kind == VideoAreaLine::Kind::Aside);
            const QRect r = QFontMetrics(font).boundingRect(QRect(0, 0, width, 10000),
                                                            Qt::AlignHCenter | Qt::TextWordWrap, line.Text);
            const int gap = placed.isEmpty() ? 0 : (line.kind == VideoAreaLine::Kind::Aside ? 10 : 4);
            if (height + gap + r.height() > this->height() - 2 * Margin)
                break;
            height += gap;
            placed.append({font, ColorToQColor(heading ? m_headColor : m_textColor),
                           QRect(Margin, height, width, r.height()), &line.Text});
            height += r.height();
        }
        const int top = (this->height() - height) / 2;
        for (const Placed &p : placed) {
            painter.setFont(p.font);
            painter.setPen(p.color);
            painter.drawText(p.rect.translated(0, top), Qt::AlignHCenter | Qt::TextWordWrap, *p.text);
        }
    });
}
