// The capture dialog offscreen: keys, clicks, double clicks and the wheel.
#include "../controls/WidgetTestHelpers.h"
#include "shortcuts/uShortcutCaptureForm.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

namespace {
struct Capture {
    FakeClock clock;
    TShortcutCaptureForm form{QStringLiteral("help"), QStringLiteral("Cancel")};
    QSignalSpy finished{&form, &QDialog::finished};
    Capture() { form.show(); }

    // Lets time pass as the click timer sees it.
    void Wait(int ms)
    {
        clock.Now += std::uint64_t(ms);
        form.PollClick();
    }
    void PastTheWait() { Wait(TShortcutCaptureForm::DoubleClickWaitMs); }
};
} // namespace

TEST(ShortcutCapture, KeysClicksWheelAndWhatGivesNothing)
{
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int result;
        std::uint32_t code;
    } rows[] = {{Qt::Key_Return, Qt::NoModifier, QDialog::Accepted, 0xD},
                {Qt::Key_Tab, Qt::NoModifier, QDialog::Accepted, 0x9},
                {Qt::Key_Tab, Qt::ControlModifier, QDialog::Accepted, 0x40009},
                {Qt::Key_Right, Qt::ShiftModifier, QDialog::Accepted, 0x10027},
                {Qt::Key_Escape, Qt::NoModifier, QDialog::Rejected, 0}};
    for (const auto &row : rows) {
        Capture c;
        QTest::keyClick(&c.form, row.key, row.modifiers);
        ASSERT_EQ(c.finished.count(), 1) << row.key;
        EXPECT_EQ(c.form.result(), row.result) << row.key;
        EXPECT_EQ(c.form.CapturedCode(), row.code) << row.key;
    }
    using T = QEvent::Type;
    constexpr auto P = T::MouseButtonPress, R = T::MouseButtonRelease, D = T::MouseButtonDblClick;
    constexpr auto L = Qt::LeftButton, Rt = Qt::RightButton;
    struct Step {
        QEvent::Type type;
        Qt::MouseButton button;
        Qt::MouseButtons held; // after the event
    };
    const struct {
        const char *name;
        std::vector<Step> steps;
        bool atOnce; // the result comes without waiting for a second click
        std::uint32_t code;
    } rows2[] = {{"single left", {{P, L, L}, {R, L, {}}}, false, 0x1},
                 {"double left", {{P, L, L}, {R, L, {}}, {D, L, L}, {R, L, {}}}, true, 0x480001},
                 {"double left, second press first",
                  {{P, L, L}, {R, L, {}}, {P, L, L}, {D, L, L}, {R, L, {}}},
                  true,
                  0x480001},
                 {"left while right held", {{P, Rt, Rt}, {P, L, L | Rt}, {R, L, Rt}}, false, 0x100001},
                 {"right while left held", {{P, L, L}, {P, Rt, L | Rt}, {R, Rt, L}}, false, 0x80002}};
    for (const auto &row : rows2) {
        Capture c;
        for (const Step &s : row.steps)
            wt::Mouse(c.form.LShortcut, s.type, {5, 5}, s.button, s.held);
        c.Wait(TShortcutCaptureForm::DoubleClickWaitMs - 1);
        EXPECT_EQ(c.finished.count(), row.atOnce ? 1 : 0) << row.name;
        c.Wait(1);
        EXPECT_EQ(c.finished.count(), 1) << row.name;
        EXPECT_EQ(c.form.result(), QDialog::Accepted) << row.name;
        EXPECT_EQ(c.form.CapturedCode(), row.code) << row.name;
    }
    Capture c;
    QTest::keyPress(&c.form, Qt::Key_Control);
    EXPECT_EQ(c.form.LShortcut->text(), QStringLiteral("Ctrl+"));
    QTest::keyRelease(&c.form, Qt::Key_Control);
    EXPECT_EQ(c.form.LShortcut->text(), QString());
    c.PastTheWait();
    EXPECT_EQ(c.finished.count(), 0);
    Capture wheel;
    QWheelEvent up(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::ShiftModifier,
                   Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(wheel.form.LHelp, &up);
    ASSERT_EQ(wheel.finished.count(), 1);
    EXPECT_EQ(wheel.form.CapturedCode(), 0x1FFE9u);

    Capture outside;
    wt::Click(&outside.form, {5, 5});
    outside.PastTheWait();
    EXPECT_EQ(outside.finished.count(), 0);
}
