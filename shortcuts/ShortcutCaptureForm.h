#pragma once
// The small dialog that waits for one key, click, double click or wheel turn
// and gives back its shortcut code. While modifiers or buttons are held it
// shows them, so combinations such as a right click with the left button held
// can be entered. A released click waits DoubleClickWaitMs on the program's
// clock for the second click of a double click; a timer looks when the wait
// is over, so the event loop is never blocked.
#include <QDialog>
#include <cstdint>

class QLabel;
class QPushButton;
class QTimer;
class QMouseEvent;
class QWheelEvent;

class TShortcutCaptureForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int DoubleClickWaitMs = 200;

    // `help` is the label's text (ShortCapHelp), `cancel` the button's caption.
    TShortcutCaptureForm(const QString &help, const QString &cancel, QWidget *parent = nullptr);

    // The result; valid once the dialog has closed with Accepted.
    std::uint32_t CapturedCode() const { return m_capturedCode; }
    // Ends the capture with that code.
    void Capture(std::uint32_t modifiers, std::uint32_t key);
    // Ends the capture with a released click once its wait is over (the
    // click timer calls it).
    void PollClick();

    QLabel *LHelp;
    QLabel *LShortcut;
    QPushButton *BCancel;

protected:
    bool event(QEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *e) override;

private:
    void keyPressed(const QKeyEvent *e);
    void keyReleased(const QKeyEvent *e);
    void wheelTurned(const QWheelEvent *e);
    void buttonPressed(const QMouseEvent *e, bool doubleClick);
    void buttonReleased(const QMouseEvent *e);
    void showHeld(std::uint32_t modifiers);

    std::uint32_t m_capturedCode = 0;
    bool m_clickPending = false;
    std::uint32_t m_heldButtons = 0;
    // The release that becomes the result when no second click comes.
    std::uint32_t m_releaseModifiers = 0;
    std::uint32_t m_releaseKey = 0;
    std::uint64_t m_clickDue = 0; // 0: no released click waits
    QTimer *m_clickTimer;
};
