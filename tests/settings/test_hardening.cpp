// Remembered window bounds never leave the screens.
#include "settings/WindowBounds.h"

#include <climits>
#include <gtest/gtest.h>

TEST(SettingsHardening, WindowBoundsStayOnAScreen)
{
    const QRect primary(0, 27, 1920, 1053), right(1920, 0, 1280, 1024);
    // (left, top, width, height, work areas, expected)
    const std::tuple<int, int, int, int, QList<QRect>, QRect> rows[] = {
        {100, 100, INT_MAX, 360, {primary}, QRect(0, 100, 1920, 360)},
        {INT_MAX, INT_MAX, INT_MAX, INT_MAX, {primary}, primary},
        {INT_MIN, -10, 640, 360, {primary}, QRect(0, 27, 640, 360)},
        {100, 100, 0, -5, {primary}, QRect(100, 100, 300, 200)},           // no size: the
                                                                           // default
        {1800, 50, 800, 600, {primary, right}, QRect(1920, 50, 800, 600)}, // mostly on the second
        {2000, 50, 800, 600, {primary}, QRect(1120, 50, 800, 600)},        // its screen
                                                                           // gone
    };
    for (const auto &[left, top, width, height, areas, expected] : rows)
        EXPECT_EQ(ClampWindowBounds(left, top, width, height, areas), expected) << left << "," << top;
}
