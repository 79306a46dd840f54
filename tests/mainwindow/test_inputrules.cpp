// The input rules as plain values: the codes the video's buttons run and
// when, whole wheel notches out of partial turns, the Esc close interval.
#include "mainwindow/EscPresses.h"
#include "mainwindow/VideoClicks.h"
#include "mainwindow/WheelNotches.h"

// Rows: the video's events in order as (step, button, modifier byte held),
// step P press, D double press, R release, W wheel turn; the codes they run.
TEST(InputRules, VideoClicksWheelNotchesAndEsc)
{
    using E = std::tuple<char, Qt::MouseButton, std::uint32_t>;
    const auto L = Qt::LeftButton, R = Qt::RightButton, M = Qt::MiddleButton;
    const std::pair<std::vector<E>, std::vector<std::uint32_t>> rows[] = {
        {{{'P', L, 8}, {'R', L, 0}, {'D', L, 8}, {'R', L, 0}}, {0x1, 0x480001, 0x1}},
        {{{'P', L, 8}, {'P', R, 24}, {'R', R, 8}, {'R', L, 0}}, {0x80002}},
        {{{'P', R, 16}, {'P', L, 24}, {'R', L, 16}, {'R', R, 0}}, {0x100001}},
        {{{'P', M, 33}, {'R', M, 1}}, {0x10004}},
        {{{'P', R, 16}, {'W', R, 16}, {'R', R, 0}}, {}}};
    for (const auto &[events, expected] : rows) {
        VideoClicks clicks;
        std::vector<std::uint32_t> codes;
        for (const auto &[step, button, held] : events) {
            if (step == 'W')
                clicks.Consume();
            else if (auto code =
                         step == 'R' ? clicks.Release(button, held) : clicks.Press(button, held, step == 'D'))
                codes.push_back(*code);
        }
        EXPECT_EQ(codes, expected) << "row " << &events - &rows[0].first;
    }
    // The turns in order, the whole notches each completes.
    const std::pair<std::vector<int>, std::vector<int>> turns[] = {
        {{-240}, {-2}}, {{60, 60}, {0, 1}}, {{50, 50, 50, 50}, {0, 0, 1, 0}}, {{100, -30, -90}, {0, 0, -1}}};
    for (const auto &[deltas, expected] : turns) {
        WheelNotches wheel;
        std::vector<int> notches;
        for (const int delta : deltas)
            notches.push_back(wheel.Add(delta));
        EXPECT_EQ(notches, expected) << testing::PrintToString(deltas);
    }
    // The times of Esc presses, whether each one closes the window.
    const std::pair<std::vector<std::uint64_t>, std::vector<bool>> presses[] = {
        {{1000, 1399}, {false, true}}, {{1000, 1400, 1700}, {false, false, true}}, {{0, 200}, {false, true}}};
    for (const auto &[times, expected] : presses) {
        EscPresses esc;
        std::vector<bool> closes;
        for (const std::uint64_t t : times)
            closes.push_back(esc.Press(t));
        EXPECT_EQ(closes, expected) << testing::PrintToString(times);
    }
}
