#pragma once
// The video area: the black panel around the engine's picture, which says a
// few lines of its own while it shows no picture (mainwindow/VideoAreaText.h).
#include "controls/ZorviPanel.h"
#include "mainwindow/VideoAreaText.h"

class VideoAreaPanel : public TZorviPanel {
    Q_OBJECT
public:
    explicit VideoAreaPanel(QWidget *parent = nullptr);

    const QList<VideoAreaLine> &Lines() const { return m_lines; }
    // Repaints only when something differs.
    void SetLines(const QList<VideoAreaLine> &lines, ColorRef headColor, ColorRef textColor);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<VideoAreaLine> m_lines;
    ColorRef m_headColor = clWhite;
    ColorRef m_textColor = clSilver;
};
