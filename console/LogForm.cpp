#include "console/LogForm.h"

#include "common/Report.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTimer>
#include <QVBoxLayout>
#include <cstdio>
#include <utility>

namespace {

QFont ConsoleFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPixelSize(11);
    return font;
}

} // namespace

TLogForm::TLogForm(QWidget *owner) : QWidget(owner, Qt::Window), m_flushTimer(new QTimer(this))
{
    m_flushTimer->setSingleShot(true);
    m_flushTimer->setInterval(FlushMs);
    connect(m_flushTimer, &QTimer::timeout, this, &TLogForm::Flush);

    setWindowTitle(QStringLiteral("Console"));
    setObjectName(QStringLiteral("LogForm"));
    resize(552, 366);
}

void TLogForm::EnsureView()
{
    // Made when first needed: the controls and their font cost the start more
    // than the log they would show, which is kept without them.
    if (TheLog)
        return;
    const QFont font = ConsoleFont();
    TheLog = new QPlainTextEdit(this);
    TheLog->setObjectName(QStringLiteral("TheLog"));
    TheLog->setReadOnly(true);
    TheLog->setFont(font);
    TheLog->setLineWrapMode(QPlainTextEdit::NoWrap);
    TheLog->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    TheLog->setUndoRedoEnabled(false);

    TimeEditBox = new QLineEdit(m_status, this);
    TimeEditBox->setObjectName(QStringLiteral("TimeEditBox"));
    TimeEditBox->setReadOnly(true);
    TimeEditBox->setFocusPolicy(Qt::NoFocus);
    TimeEditBox->setFont(font);

    Command = new QLineEdit(this);
    Command->setObjectName(QStringLiteral("Command"));
    Command->setFont(font);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(TheLog, 1);
    layout->addWidget(TimeEditBox);
    layout->addWidget(Command);

    // Key preview: Esc anywhere closes the window, and the input line's
    // Enter and arrows are handled before the line edit sees them.
    for (QWidget *w : {static_cast<QWidget *>(TheLog), static_cast<QWidget *>(TimeEditBox),
                       static_cast<QWidget *>(Command)})
        w->installEventFilter(this);
    setFocusProxy(Command);
    Command->setFocus();
}

TLogForm::~TLogForm() = default;

void TLogForm::AddLine(const QString &text)
{
    m_lines.push_back(text);
    m_chars += text.size() + 1;
    ++m_notShown;
    Trim();
    if (!isVisible())
        m_controlStale = true;
    else if (!m_flushTimer->isActive())
        m_flushTimer->start();
    if (m_verbose) {
        const QByteArray line = text.toUtf8() + '\n';
        std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
        std::fflush(stderr);
    }
}

void TLogForm::Trim()
{
    // The newest line stays even when it alone is over the bounds.
    while (m_lines.size() > 1 && (int(m_lines.size()) > m_maxLines || m_chars > m_maxChars)) {
        m_chars -= m_lines.front().size() + 1;
        m_lines.pop_front();
        if (m_notShown > int(m_lines.size()))
            --m_notShown; // dropped before it was ever shown
        else
            ++m_dropFromControl;
    }
}

void TLogForm::ClearLines()
{
    m_lines.clear();
    m_chars = 0;
    m_dropFromControl = m_notShown = 0;
    m_controlStale = false;
    m_flushTimer->stop();
    if (TheLog)
        TheLog->clear();
}

void TLogForm::Flush()
{
    if (!isVisible() || !TheLog)
        return;
    const int shown = int(m_lines.size()) - m_notShown + m_dropFromControl;
    if (m_controlStale || m_dropFromControl >= shown) {
        Rebuild();
        return;
    }
    QScrollBar *bar = TheLog->verticalScrollBar();
    const bool atEnd = bar->value() == bar->maximum();
    if (m_dropFromControl > 0) {
        QTextCursor cursor(TheLog->document());
        cursor.movePosition(QTextCursor::Start);
        cursor.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor, m_dropFromControl);
        cursor.removeSelectedText();
    }
    if (m_notShown > 0) {
        QStringList fresh;
        for (auto it = m_lines.end() - m_notShown; it != m_lines.end(); ++it)
            fresh.append(*it);
        TheLog->appendPlainText(fresh.join(u'\n'));
    }
    m_dropFromControl = m_notShown = 0;
    if (atEnd)
        ScrollToEnd();
}

void TLogForm::Rebuild()
{
    TheLog->setPlainText(LogText());
    m_dropFromControl = m_notShown = 0;
    m_controlStale = false;
    ScrollToEnd();
}

void TLogForm::ClearLog()
{
    ClearLines();
    SetStatusLine(QString());
}

void TLogForm::SetStatusLine(const QString &text)
{
    m_status = text;
    if (TimeEditBox)
        TimeEditBox->setText(text);
}

void TLogForm::MarkPaused()
{
    SetStatusLine(QStringLiteral("Paused|") + m_status);
}

void TLogForm::SetMaxLines(int lines)
{
    m_maxLines = qMax(1, lines);
    Trim();
    Flush();
}

void TLogForm::SetMaxChars(qsizetype chars)
{
    m_maxChars = qMax<qsizetype>(1, chars);
    Trim();
    Flush();
}

QString TLogForm::LogText() const
{
    QString text;
    text.reserve(m_chars);
    bool first = true;
    for (const QString &line : m_lines) {
        if (!std::exchange(first, false))
            text += u'\n';
        text += line;
    }
    return text;
}

bool TLogForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() == Qt::Key_Escape) {
        hide();
        return true;
    }
    if (watched != Command)
        return false;
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        EnterCommand();
        return true;
    case Qt::Key_Up:
        return HistoryUp();
    case Qt::Key_Down:
        return HistoryDown();
    default:
        return false;
    }
}

void TLogForm::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        hide();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TLogForm::EnterCommand()
{
    const QString text = Command->text();
    AddLine(QStringLiteral("$> ") + text);
    if (text == QLatin1String("clear")) {
        ClearLines();
    } else if (OnCommand) {
        // A failing command is reported, and still goes into the history.
        RunGuarded([&] { OnCommand(text); });
    }
    m_history.append(text);
    m_historyIndex = int(m_history.size());
    Command->clear();
}

bool TLogForm::HistoryUp()
{
    if (m_historyIndex < 1)
        return false; // left to the input line
    --m_historyIndex;
    Command->setText(m_history.at(m_historyIndex));
    Command->end(false);
    return true;
}

bool TLogForm::HistoryDown()
{
    if (m_history.size() <= m_historyIndex)
        return false;
    ++m_historyIndex;
    Command->setText(m_historyIndex < m_history.size() ? m_history.at(m_historyIndex) : QString());
    Command->end(false);
    return true;
}

void TLogForm::showEvent(QShowEvent *event)
{
    EnsureView();
    QWidget::showEvent(event);
    Rebuild();
}

void TLogForm::ScrollToEnd()
{
    QScrollBar *bar = TheLog->verticalScrollBar();
    bar->setValue(bar->maximum());
}
