#include "controls/ZorviLabel.h"

#include "common/Report.h"

#include <QEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

TZorviLabel::TZorviLabel(QWidget *parent) : TZorviControl(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    m_font2 = font();
    if (parent)
        parent->installEventFilter(this);
}

void TZorviLabel::SetCaption(const QString &caption)
{
    m_caption = caption;
    update();
}

void TZorviLabel::SetAlignment(LabelAlignment alignment)
{
    if (alignment == m_alignment)
        return;
    m_alignment = alignment;
    update();
}

void TZorviLabel::SetEndEllipsis(bool value)
{
    if (value == m_endEllipsis)
        return;
    m_endEllipsis = value;
    update();
}

void TZorviLabel::SetFontColor(ColorRef color)
{
    if (color == m_fontColor)
        return;
    m_fontColor = color;
    if (!m_font2Active)
        update();
}

void TZorviLabel::SetFont2(const QFont &f)
{
    m_font2 = f;
    update();
}

void TZorviLabel::SetFont2Color(ColorRef color)
{
    if (color == m_font2Color)
        return;
    m_font2Color = color;
    if (m_font2Active)
        update();
}

void TZorviLabel::SetFont2Active(bool value)
{
    if (value == m_font2Active)
        return;
    m_font2Active = value;
    update();
}

QString TZorviLabel::DisplayText() const
{
    QString text = m_caption;
    // One line: line breaks are drawn as spaces.
    for (QChar &c : text)
        if (c == u'\n' || c == u'\r')
            c = u' ';
    if (!m_endEllipsis)
        return text;
    const QFontMetrics metrics(m_font2Active ? m_font2 : font());
    return metrics.elidedText(text, Qt::ElideRight, width());
}

void TZorviLabel::paintEvent(QPaintEvent *)
{
    RunGuarded([&] {
        QPainter painter(this);
        if (!Transparent())
            painter.fillRect(rect(), ColorToQColor(Color()));
        painter.setFont(m_font2Active ? m_font2 : font());
        painter.setPen(ColorToQColor(m_font2Active ? m_font2Color : m_fontColor));
        int flags = Qt::AlignVCenter | Qt::TextSingleLine;
        switch (m_alignment) {
        case LabelAlignment::LeftJustify:
            flags |= Qt::AlignLeft;
            break;
        case LabelAlignment::RightJustify:
            flags |= Qt::AlignRight;
            break;
        case LabelAlignment::Center:
            flags |= Qt::AlignHCenter;
            break;
        }
        painter.drawText(rect(), flags, DisplayText());
    });
}

void TZorviLabel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        update();
    TZorviControl::changeEvent(event);
}

bool TZorviLabel::event(QEvent *event)
{
    // Presses go through to the parent, so the pointer is followed from there
    // (the time label's leave event restores the playback time).
    if (event->type() == QEvent::ParentAboutToChange && parentWidget())
        parentWidget()->removeEventFilter(this);
    else if (event->type() == QEvent::ParentChange && parentWidget())
        parentWidget()->installEventFilter(this);
    return TZorviControl::event(event);
}

bool TZorviLabel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget()) {
        RunGuarded([&] {
            if (event->type() == QEvent::MouseMove) {
                const QPoint pos = static_cast<QMouseEvent *>(event)->position().toPoint();
                SetMouseInside(isVisible() && geometry().contains(pos));
            } else if (event->type() == QEvent::Leave) {
                SetMouseInside(false);
            }
        });
    }
    return false;
}
