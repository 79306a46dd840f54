#pragma once
// The log and console window: the engine's output, the program's diagnostics,
// the engine's latest status line, and an input line for commands with a
// history. It is a top-level window owned by the main window and is hidden,
// not destroyed, when the user closes it with Esc.
#include <QStringList>
#include <QWidget>
#include <functional>

class QLineEdit;
class QPlainTextEdit;

class TLogForm : public QWidget {
    Q_OBJECT
public:
    // The log keeps at most this many lines; the oldest are dropped.
    static constexpr int DefaultMaxLines = 5000;

    explicit TLogForm(QWidget *owner = nullptr);
    ~TLogForm() override;

    // Appends text as the new last line; with Verbose on, also to standard error.
    void AddLine(const QString &text);
    // Empties the log and the status line (every engine launch does).
    void ClearLog();

    void SetStatusLine(const QString &text);
    QString StatusLine() const;
    // The engine reported a pause: "Paused|" goes in front of the status line.
    void MarkPaused();

    void SetVerbose(bool on) { m_verbose = on; }
    bool Verbose() const { return m_verbose; }
    void SetMaxLines(int lines);
    int LineCount() const;
    QString LogText() const;

    // Every entered text except "clear" goes here (the engine's ExecuteCommand).
    std::function<void(const QString &text)> OnCommand;

    QPlainTextEdit *TheLog;
    QLineEdit *TimeEditBox;
    QLineEdit *Command;

    const QStringList &History() const { return m_history; }
    int HistoryIndex() const { return m_historyIndex; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void EnterCommand();
    bool HistoryUp();
    bool HistoryDown();
    void ScrollToEnd();

    QStringList m_history;
    int m_historyIndex = 0;
    bool m_verbose = false;
};
