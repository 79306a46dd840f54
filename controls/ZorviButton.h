#pragma once
// Bitmap button: a sheet of 1, 3 or 6 cells (normal/hover/pressed, and a second
// column for the checked look), a command text, and auto-repeat while held.
#include "controls/ZorviControl.h"
#include "graphics/Bitmap.h"

#include <QByteArray>
#include <QRect>
#include <memory>

class ClickRepeatTimer;

class TZorviButton : public TZorviControl {
    Q_OBJECT
public:
    explicit TZorviButton(QWidget *parent = nullptr);
    ~TZorviButton() override;

    QByteArray Command; // named command run on a click

    const KeyedBitmap &Bitmap() const { return m_bitmap; }
    void SetBitmap(const KeyedBitmap &bitmap);
    // For the skin loader: fill the owned bitmap in place (repaints).
    KeyedBitmap &EditBitmap();

    int BitStates() const { return m_bitStates; }
    void SetBitStates(int states); // 1, 3 or 6; others ignored
    int BitCurState() const { return m_bitCurState; }
    void SetBitCurState(int state); // 0..BitStates; others ignored
    bool Checked() const { return m_checked; }
    void SetChecked(bool checked);
    bool Repeating = false;
    bool Down() const { return m_down; }

    NotifyEvent OnClick;
    // Fires OnClick; the press of a repeating button and each repeat tick run it.
    virtual void Click();

    // Column and row of the cell shown now, and its rectangle in the sheet.
    QPoint CurrentCell() const;
    QRect CellRect() const;

    ClickRepeatTimer *RepeatTimer() const { return m_repeatTimer.get(); }

protected:
    void MouseEnter() override;
    void MouseLeave() override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void RepeatTick();

    KeyedBitmap m_bitmap;
    int m_bitStates = 1;
    int m_bitCurState = 0;
    bool m_checked = false;
    bool m_down = false;
    bool m_clickPending = false;
    std::unique_ptr<ClickRepeatTimer> m_repeatTimer;
};
