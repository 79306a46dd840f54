#pragma once
// The log and console window: the engine's output, the program's diagnostics,
// the engine's latest status line, and an input line for commands with a
// history. It is a top-level window owned by the main window and is hidden,
// not destroyed, when the user closes it with Esc.
//
// The log is kept bounded in lines and characters (the oldest lines go
// first), and the text control follows it only while the window is shown,
// at most every FlushMs: an engine that floods its output must cost a
// string per line, not a layout per line.
#include <QStringList>
#include <QWidget>
#include <deque>
#include <functional>

class QLineEdit;
class QPlainTextEdit;
class QTimer;

class TLogForm : public QWidget {
    Q_OBJECT
public:
    // The log keeps at most this many lines; the oldest are dropped.
    static constexpr int DefaultMaxLines = 5000;
    // ... and at most this many characters in all.
    static constexpr qsizetype DefaultMaxChars = 1 << 20;
    static constexpr int FlushMs = 50;

    explicit TLogForm(QWidget *owner = nullptr);
    ~TLogForm() override;

    // Appends text as the new last line; with Verbose on, also to standard error.
    void AddLine(const QString &text);
    // Empties the log and the status line (every engine launch does).
    void ClearLog();

    void SetStatusLine(const QString &text);
    QString StatusLine() const { return m_status; }
    // The engine reported a pause: "Paused|" goes in front of the status line.
    void MarkPaused();

    void SetVerbose(bool on) { m_verbose = on; }
    bool Verbose() const { return m_verbose; }
    void SetMaxLines(int lines);
    void SetMaxChars(qsizetype chars);
    int LineCount() const { return int(m_lines.size()); }
    QString LogText() const;

    // Every entered text except "clear" goes here (the engine's ExecuteCommand).
    std::function<void(const QString &text)> OnCommand;

    // The controls, made when the window is first shown or by EnsureView.
    void EnsureView();
    QPlainTextEdit *TheLog = nullptr;
    QLineEdit *TimeEditBox = nullptr;
    QLineEdit *Command = nullptr;

    const QStringList &History() const { return m_history; }
    int HistoryIndex() const { return m_historyIndex; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void Trim();
    void ClearLines();
    // Brings the text control up to the log.
    void Flush();
    void Rebuild();
    void EnterCommand();
    bool HistoryUp();
    bool HistoryDown();
    void ScrollToEnd();

    std::deque<QString> m_lines;
    qsizetype m_chars = 0; // of m_lines, a line break counted per line
    int m_maxLines = DefaultMaxLines;
    qsizetype m_maxChars = DefaultMaxChars;
    // How the text control differs from the log: lines at its start that the
    // log has dropped, and lines at the log's end it does not show yet.
    int m_dropFromControl = 0;
    int m_notShown = 0;
    bool m_controlStale = false; // out of step: rebuilt when next shown
    QTimer *m_flushTimer;

    QString m_status;
    QStringList m_history;
    int m_historyIndex = 0;
    bool m_verbose = false;
};
