#pragma once
// One line of text with alignment and an end ellipsis, in one of two fonts.
// Transparent to the mouse: presses reach the control beneath it.
#include "controls/ZorviControl.h"

#include <QFont>
#include <QString>

enum class LabelAlignment { LeftJustify, RightJustify, Center };

class TZorviLabel : public TZorviControl {
    Q_OBJECT
public:
    explicit TZorviLabel(QWidget *parent = nullptr);

    QString Caption() const { return m_caption; }
    void SetCaption(const QString &caption); // repaints even when equal
    LabelAlignment Alignment() const { return m_alignment; }
    void SetAlignment(LabelAlignment alignment);
    bool EndEllipsis() const { return m_endEllipsis; }
    void SetEndEllipsis(bool value);

    // Font is the widget's own font; each font carries its colour.
    QFont Font() const { return font(); }
    void SetFont(const QFont &f) { setFont(f); }
    ColorRef FontColor() const { return m_fontColor; }
    void SetFontColor(ColorRef color);
    QFont Font2() const { return m_font2; }
    void SetFont2(const QFont &f);
    ColorRef Font2Color() const { return m_font2Color; }
    void SetFont2Color(ColorRef color);
    bool Font2Active() const { return m_font2Active; }
    void SetFont2Active(bool value);

    // The text as drawn: one line, cut with an ellipsis when it does not fit.
    QString DisplayText() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString m_caption;
    LabelAlignment m_alignment = LabelAlignment::Center;
    bool m_endEllipsis = true;
    ColorRef m_fontColor = clBlack;
    QFont m_font2;
    ColorRef m_font2Color = clBlack;
    bool m_font2Active = false;
};
