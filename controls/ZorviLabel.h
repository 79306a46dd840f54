#pragma once
// One line of text with alignment and an end ellipsis, in one of two fonts.
// Transparent to the mouse: presses reach the control beneath it.
#include "controls/ZorviControl.h"

#include <QFont>
#include <QString>

enum class TLabelAlignment { taLeftJustify, taRightJustify, taCenter };

class TZorviLabel : public TZorviControl {
    Q_OBJECT
public:
    explicit TZorviLabel(QWidget *parent = nullptr);

    QString Caption() const { return m_caption; }
    void SetCaption(const QString &caption); // repaints even when equal
    TLabelAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TLabelAlignment alignment);
    bool EndEllipsis() const { return m_endEllipsis; }
    void SetEndEllipsis(bool value);

    // Font is the widget's own font; each font carries its colour.
    QFont Font() const { return font(); }
    void SetFont(const QFont &f) { setFont(f); }
    TColor FontColor() const { return m_fontColor; }
    void SetFontColor(TColor color);
    QFont Font2() const { return m_font2; }
    void SetFont2(const QFont &f);
    TColor Font2Color() const { return m_font2Color; }
    void SetFont2Color(TColor color);
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
    TLabelAlignment m_alignment = TLabelAlignment::taCenter;
    bool m_endEllipsis = true;
    TColor m_fontColor = clBlack;
    QFont m_font2;
    TColor m_font2Color = clBlack;
    bool m_font2Active = false;
};
