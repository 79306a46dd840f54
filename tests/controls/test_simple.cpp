// Button cells and repeat, label text, panel cache, transparency.
#include "WidgetTestHelpers.h"
#include "controls/ClickRepeatTimer.h"
#include "controls/ZorviControls.h"

#include <QFontMetrics>
#include <QTest>

namespace {

TEST(Button, CellChoiceTablesFixedCellAndRefusedValues)
{
    // (states, checked, pointer inside, pressed, enabled, cell as column and row). Three states: normal,
    // hover, pressed; checked shows the pressed row outside. Six states: the column follows Checked.
    const std::tuple<int, bool, bool, bool, bool, QPoint> rows[] = {
        {3, false, false, false, true, {0, 0}}, {3, false, true, false, true, {0, 1}},
        {3, false, true, true, true, {0, 2}},   {3, true, false, false, true, {0, 2}},
        {3, true, true, false, true, {0, 1}},   {3, true, true, true, true, {0, 2}},
        {3, false, false, true, true, {0, 0}}, // pressed, dragged outside
        {6, false, false, false, true, {0, 0}}, {6, false, true, false, true, {0, 1}},
        {6, false, true, true, true, {0, 2}},   {6, true, false, false, true, {1, 0}},
        {6, true, true, false, true, {1, 1}},   {6, true, true, true, true, {1, 2}},
        {6, true, true, false, false, {0, 0}}, // disabled
        {1, true, true, true, true, {0, 0}}};
    for (const auto &[states, checked, inside, down, enabled, cell] : rows) {
        TZorviButton b;
        b.SetBitStates(states);
        b.SetChecked(checked);
        b.setEnabled(enabled);
        if (inside || down)
            wt::Enter(&b);
        if (down)
            wt::Press(&b, {5, 5});
        if (down && !inside)
            wt::Move(&b, {40, 5}, Qt::LeftButton);
        EXPECT_EQ(b.CurrentCell(), cell)
            << testing::PrintToString(std::tie(states, checked, inside, down, enabled));
    }
    TZorviButton b;
    b.SetBitStates(6);
    b.SetBitCurState(5);
    wt::Enter(&b);
    EXPECT_EQ(b.CurrentCell(), QPoint(1, 1));
    b.SetBitCurState(7);
    EXPECT_EQ(b.BitCurState(), 5);

    TZorviButton three;
    three.SetBitStates(3);
    three.SetBitCurState(5);
    EXPECT_EQ(three.BitCurState(), 0);
    three.SetBitCurState(3);
    EXPECT_EQ(three.CurrentCell(), QPoint(0, 2));
}

TEST(Button, PaintsTheChosenCellStretchedAndLeavesTheKeyOut)
{
    const std::vector<QColor> colors = {Qt::red, Qt::green, Qt::blue, Qt::cyan, Qt::magenta, Qt::yellow};
    TZorviPanel panel;
    panel.resize(60, 40);
    panel.SetColor(clGray);
    auto *b = new TZorviButton(&panel);
    b->SetBounds(10, 10, 30, 20);
    KeyedBitmap sheet;
    sheet.SetImage(wt::CellSheet(2, 3, 8, 6, colors));
    b->SetBitmap(sheet);
    b->SetBitStates(6);
    b->SetChecked(true);
    wt::Enter(b);
    EXPECT_EQ(wt::Pixel(wt::Render(&panel), 25, 20), QColor(Qt::magenta).rgb() & 0xFFFFFF);

    // Key colour fuchsia: the checked hover cell is left out, the panel shows.
    b->EditBitmap().TransparentFixed = true;
    b->EditBitmap().TransparentColor = clFuchsia;
    b->EditBitmap().Transparent = true;
    b->SetTransparent(true);
    EXPECT_EQ(wt::Pixel(wt::Render(&panel), 25, 20), 0x808080u);

    TZorviButton empty(&panel);
    empty.SetColor(clRed);
    empty.SetBounds(40, 0, 20, 20);
    EXPECT_EQ(wt::Pixel(wt::Render(&panel), 50, 5), 0xFF0000u);
}

TEST(Button, RepeatClicksAndQuickPresses)
{
    FakeClock clock;
    std::uint64_t &now = clock.Now;
    TZorviButton b;
    b.Repeating = true;
    int clicks = 0;
    b.OnClick = [&clicks](QObject *) { ++clicks; };
    wt::Enter(&b);
    wt::Press(&b, {5, 5});
    ASSERT_NE(b.RepeatTimer(), nullptr);
    // (time, pointer on the button, clicks so far): off the button the clicks pause, the timer runs on.
    const std::tuple<std::uint64_t, bool, int> steps[] = {{5000, true, 1},  {5399, true, 1}, {5400, true, 2},
                                                          {5499, true, 2},  {5500, true, 3}, {5600, true, 4},
                                                          {5700, false, 4}, {5800, true, 5}};
    for (auto [t, inside, expected] : steps) {
        wt::Move(&b, {inside ? 5 : 50, 5}, Qt::LeftButton);
        now = t;
        b.RepeatTimer()->Poll();
        EXPECT_EQ(clicks, expected) << t;
        EXPECT_TRUE(b.RepeatTimer()->Active()) << t;
    }
    wt::Release(&b, {5, 5});
    EXPECT_EQ(clicks, 5); // none at the release
    now = 6000;
    b.RepeatTimer()->Poll();
    EXPECT_EQ(clicks, 5);
    EXPECT_FALSE(b.RepeatTimer()->Active());
    b.Repeating = false;
    clicks = 0;
    wt::Click(&b, {5, 5});
    wt::DoubleClick(&b, {5, 5});
    wt::Release(&b, {5, 5});
    EXPECT_EQ(clicks, 2);
    wt::Press(&b, {5, 5});
    wt::Release(&b, {30, 5}); // released outside: no click
    EXPECT_EQ(clicks, 2);
}

// Horizontal extent of the dark pixels of a rendered label.
int InkWidth(const QImage &img)
{
    int left = img.width(), right = -1;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qGray(img.pixel(x, y)) < 128) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    return right < left ? 0 : right - left + 1;
}

TEST(Label, EllipsisAmpersandTransparencyAndPresses)
{
    TZorviLabel label;
    label.resize(80, 16);
    label.SetCaption("A caption far too long for eighty pixels\nand a second line");
    const QString shown = label.DisplayText();
    EXPECT_TRUE(shown.endsWith(QChar(0x2026))) << shown.toStdString();
    EXPECT_FALSE(shown.contains('\n'));
    EXPECT_LE(QFontMetrics(label.font()).horizontalAdvance(shown), 80);
    label.SetEndEllipsis(false);
    EXPECT_FALSE(label.DisplayText().endsWith(QChar(0x2026)));

    label.resize(300, 16);
    label.SetEndEllipsis(true);
    label.SetCaption("Tom & Jerry");
    EXPECT_EQ(label.DisplayText(), "Tom & Jerry");

    // "A&B" is drawn with its ampersand, wider than "AB" by about an ampersand.
    label.SetTransparent(false);
    label.SetColor(clWhite);
    label.SetAlignment(LabelAlignment::LeftJustify);
    label.SetCaption("A&B");
    const int withAmpersand = InkWidth(wt::Render(&label));
    label.SetCaption("AB");
    const int without = InkWidth(wt::Render(&label));
    label.SetCaption("&");
    const int ampersand = InkWidth(wt::Render(&label));
    EXPECT_GT(ampersand, 2);
    EXPECT_GE(withAmpersand, without + ampersand / 2) << without << " " << ampersand;
    TZorviPanel panel;
    panel.resize(100, 40);
    panel.SetColor(clRed);
    auto *label2 = new TZorviLabel(&panel);
    label2->SetBounds(10, 10, 60, 20);
    EXPECT_EQ(wt::Pixel(wt::Render(&panel), 12, 12), 0xFF0000u);
    label2->SetTransparent(false);
    label2->SetColor(clBlue);
    EXPECT_EQ(wt::Pixel(wt::Render(&panel), 12, 12), 0x0000FFu);

    QPoint pressed(-1, -1);
    panel.OnMouseDown = [&pressed](QObject *, QMouseEvent *e) { pressed = e->position().toPoint(); };
    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    QTest::mousePress(panel.windowHandle(), Qt::LeftButton, {}, QPoint(20, 15));
    QTest::mouseRelease(panel.windowHandle(), Qt::LeftButton, {}, QPoint(20, 15));
    EXPECT_EQ(pressed, QPoint(20, 15));

    // The pointer is still followed over the label2: its leave event fires.
    int leaves = 0;
    label2->OnMouseLeave = [&leaves](QObject *) { ++leaves; };
    QTest::mouseMove(panel.windowHandle(), QPoint(30, 15));
    EXPECT_TRUE(label2->MouseInside());
    QTest::mouseMove(panel.windowHandle(), QPoint(90, 35));
    EXPECT_FALSE(label2->MouseInside());
    EXPECT_EQ(leaves, 1);
}

TEST(Panel, PanelCacheAndColourPartImage)
{
    // What the cache saves is measured by bench_controls.
    TMultiPartBitmap bmp;
    bmp.SetImage(wt::CellSheet(3, 1, 20, 10, {Qt::red, Qt::green, Qt::blue}));
    bmp.LoadGuides(Axis::Rows, "");
    bmp.LoadGuides(Axis::Cols, "20,-40,60");

    TZorviPanel panel;
    panel.resize(200, 10);
    panel.SetBitmap(bmp);
    EXPECT_FALSE(panel.CacheValid());
    QImage shot = wt::Render(&panel);
    EXPECT_TRUE(panel.CacheValid());
    EXPECT_EQ((std::array{wt::Pixel(shot, 5, 5), wt::Pixel(shot, 100, 5), wt::Pixel(shot, 195, 5)}),
              (std::array<QRgb, 3>{0xFF0000, 0x00FF00, 0x0000FF}));

    panel.resize(300, 10);
    QResizeEvent resize(QSize(300, 10), QSize(200, 10));
    QCoreApplication::sendEvent(&panel, &resize);
    EXPECT_FALSE(panel.CacheValid());
    EXPECT_EQ(wt::Pixel(wt::Render(&panel), 295, 5), 0x0000FFu);
    TZorviPanel panel2;
    panel2.resize(50, 20);
    panel2.SetColor(clWhite);
    auto *image = new TZorviImage(&panel2);
    image->SetBounds(0, 0, 50, 4);
    EXPECT_EQ(wt::Pixel(wt::Render(&panel2), 10, 2), 0xFFFFFFu); // empty: nothing drawn
    image->EditBitmap().LoadGuides(Axis::Rows, "");
    image->EditBitmap().LoadGuides(Axis::Cols, "");
    image->EditBitmap().AddPart("X0,Y0,LX,LY|C:clLime");
    EXPECT_EQ(wt::Pixel(wt::Render(&panel2), 10, 2), 0x00FF00u);
    EXPECT_EQ(wt::Pixel(wt::Render(&panel2), 10, 10), 0xFFFFFFu);
}

} // namespace
