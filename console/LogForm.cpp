#include "console/LogForm.h"

#include "common/Report.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QVBoxLayout>
#include <cstdio>

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

TLogForm::TLogForm(QWidget *owner) : QWidget(owner, Qt::Window)
{
    setWindowTitle(QStringLiteral("Console"));
    setObjectName(QStringLiteral("LogForm"));
    resize(552, 366);

    const QFont font = ConsoleFont();
    TheLog = new QPlainTextEdit(this);
    TheLog->setObjectName(QStringLiteral("TheLog"));
    TheLog->setReadOnly(true);
    TheLog->setFont(font);
    TheLog->setLineWrapMode(QPlainTextEdit::NoWrap);
    TheLog->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    TheLog->setMaximumBlockCount(DefaultMaxLines);
    TheLog->setUndoRedoEnabled(false);

    TimeEditBox = new QLineEdit(this);
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
    TheLog->appendPlainText(text);
    if (m_verbose) {
        const QByteArray line = text.toUtf8() + '\n';
        std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
        std::fflush(stderr);
    }
}

void TLogForm::ClearLog()
{
    TheLog->clear();
    TimeEditBox->clear();
}

void TLogForm::SetStatusLine(const QString &text)
{
    TimeEditBox->setText(text);
}

QString TLogForm::StatusLine() const
{
    return TimeEditBox->text();
}

void TLogForm::MarkPaused()
{
    TimeEditBox->setText(QStringLiteral("Paused|") + TimeEditBox->text());
}

void TLogForm::SetMaxLines(int lines)
{
    TheLog->setMaximumBlockCount(qMax(1, lines));
}

int TLogForm::LineCount() const
{
    return TheLog->document()->isEmpty() ? 0 : TheLog->document()->blockCount();
}

QString TLogForm::LogText() const
{
    return TheLog->toPlainText();
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
        TheLog->clear();
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
    QWidget::showEvent(event);
    ScrollToEnd();
}

void TLogForm::ScrollToEnd()
{
    QScrollBar *bar = TheLog->verticalScrollBar();
    bar->setValue(bar->maximum());
}
