// The console window: input line, history, clear, Esc, the line cap.
#include "common/ZError.h"
#include "console/LogForm.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>

namespace {

struct Console : ::testing::Test {
    QApplication *app = EnsureApp<QApplication>(); // before the window
    TLogForm form;
    QStringList commands;

    void SetUp() override
    {
        form.OnCommand = [this](const QString &text) { commands << text; };
        form.EnsureView();
    }
    // Sends a key to a control as the window system would; true when consumed.
    bool Key(QWidget *target, int key)
    {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(target, &press);
        return press.isAccepted();
    }
    void Enter(const QString &text)
    {
        form.Command->setText(text);
        Key(form.Command, Qt::Key_Return);
    }
};

} // namespace

TEST_F(Console, EnterEchoesRunsRemembersAndClearEmptiesOnlyTheLog)
{
    form.AddLine("engine line");
    Enter("volume 50 1");
    EXPECT_EQ(form.LogText(), "engine line\n$> volume 50 1");
    EXPECT_EQ(commands, QStringList({"volume 50 1"}));
    EXPECT_TRUE(form.Command->text().isEmpty());

    Enter(""); // empty texts are run and remembered as well
    EXPECT_EQ(commands, QStringList({"volume 50 1", ""}));
    EXPECT_EQ(form.History(), QStringList({"volume 50 1", ""}));
    EXPECT_EQ(form.HistoryIndex(), 2);
    form.AddLine("a");
    form.AddLine("b");
    form.SetStatusLine("A:  12.3 V:  12.3");
    form.MarkPaused();
    Enter("clear");
    EXPECT_EQ(form.LogText(), "");
    EXPECT_EQ(form.StatusLine(), "Paused|A:  12.3 V:  12.3");
    EXPECT_EQ(commands.size(), 2); // "clear" never reaches the engine
    EXPECT_EQ(form.History().last(), "clear");

    form.AddLine("x");
    form.ClearLog(); // a launch empties both
    EXPECT_EQ(form.LogText() + form.StatusLine(), "");
}

TEST_F(Console, HistoryUpAndDown)
{
    for (const char *c : {"one", "two", "three"})
        Enter(c);
    // (key, line after it, whether the console consumed it)
    const std::tuple<int, const char *, bool> steps[] = {
        {Qt::Key_Up, "three", true}, {Qt::Key_Up, "two", true},
        {Qt::Key_Up, "one", true},   {Qt::Key_Up, "one", false}, // the oldest stays; the key goes to the line
        {Qt::Key_Down, "two", true}, {Qt::Key_Down, "three", true},
        {Qt::Key_Down, "", true},  // past the newest: empty
        {Qt::Key_Down, "", false}, // nothing further down
        {Qt::Key_Up, "three", true}};
    for (const auto &[key, text, consumed] : steps) {
        EXPECT_EQ(Key(form.Command, key), consumed) << text;
        EXPECT_EQ(form.Command->text(), text);
        EXPECT_EQ(form.Command->cursorPosition(), form.Command->text().size());
    }
    // A new command puts the index behind the newest again.
    Enter("four");
    Key(form.Command, Qt::Key_Up);
    EXPECT_EQ(form.Command->text(), "four");
}

TEST_F(Console, EscHidesAndShowingScrollsToTheEnd)
{
    form.show();
    ASSERT_TRUE(form.isVisible());
    EXPECT_TRUE(Key(form.Command, Qt::Key_Escape));
    EXPECT_FALSE(form.isVisible());

    for (int i = 0; i < 300; ++i)
        form.AddLine(QString("line %1").arg(i));
    form.TheLog->verticalScrollBar()->setValue(0);
    form.show(); // "showlog"
    QScrollBar *bar = form.TheLog->verticalScrollBar();
    EXPECT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), bar->maximum());

    EXPECT_TRUE(Key(form.TheLog, Qt::Key_Escape)); // from any control
    EXPECT_FALSE(form.isVisible());
}

TEST_F(Console, LogDropsTheOldestLinesAndCharactersAndTheShownTextFollows)
{
    form.SetMaxLines(100);
    for (int i = 0; i < 250; ++i)
        form.AddLine(QString::number(i));
    EXPECT_EQ(form.LineCount(), 100);
    EXPECT_TRUE(form.LogText().startsWith("150\n") && form.LogText().endsWith("\n249"));
    form.SetMaxChars(1000);
    for (int i = 0; i < 50; ++i)
        form.AddLine(QString(99, QChar(u'a' + i % 26)) + QString::number(i % 10)); // 101 with the break
    EXPECT_EQ(form.LineCount(), 9);
    EXPECT_TRUE(form.LogText().endsWith(QString(99, u'x') + "9"));

    // Shown, the control is brought up to the log as lines come and go.
    form.show();
    for (int round = 0; round < 3; ++round) {
        for (int i = 0; i < 4 + round * 5; ++i)
            form.AddLine(QString::number(round) + QString(50 * round, u'.'));
        EXPECT_TRUE(WaitFor([&] { return form.TheLog->toPlainText() == form.LogText(); })) << round;
    }
}

TEST_F(Console, VerboseLinesGoToStandardErrorAFailingCommandIsReported)
{
    testing::internal::CaptureStderr();
    form.AddLine("quiet");
    form.SetVerbose(true);
    form.AddLine("$|Sending: pause");
    Enter("mute");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "$|Sending: pause\n$> mute\n");
    ReportCapture reports;
    form.OnCommand = [](const QString &) { throw ZError("bad"); };
    Enter("x");
    EXPECT_EQ(reports.messages, QStringList({"bad"}));
    EXPECT_EQ(form.History(), QStringList({"mute", "x"}));
}
