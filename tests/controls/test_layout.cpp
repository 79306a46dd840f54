// Layout pass (centre, anchors, docking) and the window-resize entry point.
#include "WidgetTestHelpers.h"
#include "controls/ZorviControls.h"

#include <QCursor>
#include <QTest>

namespace {

TEST(Layout, AnchorsCentreAndDocking)
{
    TZorviPanel panel;
    panel.resize(200, 100);
    // (anchors, placed, after the parent grew to 300 x 150)
    const std::tuple<AnchorSet, QRect, QRect> rows[] = {
        {AnchorKind::Left | AnchorKind::Top, {10, 10, 20, 20}, {10, 10, 20, 20}},
        {AnchorKind::Right | AnchorKind::Top, {150, 10, 20, 20}, {250, 10, 20, 20}},
        {AnchorKind::Left | AnchorKind::Right | AnchorKind::Top, {10, 10, 180, 20}, {10, 10, 280, 20}},
        {AnchorKind::Right | AnchorKind::Bottom, {170, 70, 20, 20}, {270, 120, 20, 20}},
        {AnchorKind::Left | AnchorKind::Top | AnchorKind::Bottom, {10, 10, 20, 80}, {10, 10, 20, 130}},
        {{}, {90, 40, 20, 20}, {140, 65, 20, 20}} // centre keeps its relative place
    };
    std::vector<TZorviImage *> children;
    for (const auto &[anchors, placed, after] : rows) {
        children.push_back(new TZorviImage(&panel));
        children.back()->SetBounds(placed);
        children.back()->SetAnchors(anchors);
    }
    auto *moved = new TZorviImage(&panel);
    moved->SetBounds(150, 10, 20, 20);
    moved->SetAnchors(AnchorKind::Right | AnchorKind::Top);
    moved->move(100, 10); // by hand, not through SetBounds: measured again from there
    auto *centred = new TZorviButton(&panel);
    centred->SetBounds(0, 7, 38, 20);
    centred->ACXOffset = -31;
    centred->SetAnchorCenter(AnchorCenterKind::X);
    EXPECT_EQ(centred->geometry(), QRect(50, 7, 38, 20)); // (200 - 38) div 2 - 31
    EXPECT_TRUE((centred->Anchors() & AnchorKind::Left) && !(centred->Anchors() & AnchorKind::Right));

    panel.resize(300, 150);
    ZorviRealign(&panel); // a hidden panel gets its resize event only when shown
    for (size_t i = 0; i < children.size(); ++i)
        EXPECT_EQ(children[i]->geometry(), std::get<2>(rows[i])) << i;
    EXPECT_EQ(moved->x(), 200);
    EXPECT_EQ(centred->x(), 100);
    // Back to the first size: exactly where they were placed.
    panel.resize(200, 100);
    ZorviRealign(&panel);
    for (size_t i = 0; i < children.size(); ++i)
        EXPECT_EQ(children[i]->geometry(), std::get<1>(rows[i])) << i;
    for (auto [width, left] : {std::pair{200, 50}, {100, 0}, {40, -30}}) {
        panel.resize(width, 100);
        ZorviRealign(&panel);
        EXPECT_EQ(centred->geometry(), QRect(left, 7, 38, 20)) << width;
    }
    TZorviPanel panel2;
    panel2.resize(300, 200);
    auto make = [&panel2](::Align align, int w, int h) {
        auto *p = new TZorviPanel(&panel2);
        p->resize(w, h);
        p->SetAlign(align);
        return p;
    };
    TZorviPanel *client = make(Align::Client, 10, 10);
    TZorviPanel *top1 = make(Align::Top, 10, 30);
    TZorviPanel *bottom = make(Align::Bottom, 10, 20);
    TZorviPanel *top2 = make(Align::Top, 10, 15);
    TZorviPanel *left = make(Align::Left, 50, 10);
    TZorviPanel *right = make(Align::Right, 40, 10);
    ZorviRealign(&panel2);
    EXPECT_EQ((std::vector{top1->geometry(), top2->geometry(), bottom->geometry(), left->geometry(),
                           right->geometry(), client->geometry()}),
              (std::vector<QRect>{{0, 0, 300, 30},
                                  {0, 30, 300, 15},
                                  {0, 180, 300, 20},
                                  {0, 45, 50, 135},
                                  {260, 45, 40, 135},
                                  {50, 45, 210, 135}}));

    // A hidden docked panel2 gives its room to the others.
    top2->hide();
    panel2.resize(400, 200);
    ZorviRealign(&panel2);
    EXPECT_EQ(top1->geometry(), QRect(0, 0, 400, 30));
    EXPECT_EQ(client->geometry(), QRect(50, 30, 310, 150));
}

TEST(WindowResize, ResizedRectByEdgeAndTheDefaultLoop)
{
    const QRect start(100, 100, 200, 150);
    const QSize minimum(50, 40);
    const std::tuple<SizingEdge, QPoint, QRect> rows[] = {
        {SizingEdge::BottomRight, {10, 20}, {100, 100, 210, 170}},
        {SizingEdge::Left, {-30, 5}, {70, 100, 230, 150}},
        {SizingEdge::Right, {-500, 0}, {100, 100, 50, 150}},
        {SizingEdge::Top, {7, -10}, {100, 90, 200, 160}},
        {SizingEdge::TopLeft, {250, 0}, {250, 100, 50, 150}},
        {SizingEdge::TopRight, {5, 5}, {100, 105, 205, 145}},
        {SizingEdge::Bottom, {0, -200}, {100, 100, 200, 40}},
        {SizingEdge::BottomLeft, {-5, 5}, {95, 100, 205, 155}}};
    for (const auto &[edge, delta, expected] : rows)
        EXPECT_EQ(ResizedRect(start, edge, delta, minimum), expected) << int(edge);
    TZorviPanel window;
    window.resize(400, 300);
    auto *list = new TZorviListBox(&window);
    list->resize(100, 10);
    list->SetAlign(Align::Left);
    auto *client = new TZorviPanel(&window);
    client->SetAlign(Align::Client);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QCursor::setPos(window.mapToGlobal(QPoint(97, 50)));
    QTest::mousePress(window.windowHandle(), Qt::LeftButton, {}, QPoint(97, 50));
    QTest::mouseMove(window.windowHandle(), QPoint(147, 60));
    EXPECT_EQ(list->geometry(), QRect(0, 0, 150, 300));
    EXPECT_EQ(client->geometry(), QRect(150, 0, 250, 300));
    QTest::mouseRelease(window.windowHandle(), Qt::LeftButton, {}, QPoint(147, 60));
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    QTest::mouseMove(window.windowHandle(), QPoint(300, 60));
    EXPECT_EQ(list->width(), 150);
}

class ResizeRecorder : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetWindowResizeHandler([this](QWidget *w, SizingEdge edge) { calls.push_back({w, int(edge)}); });
    }
    void TearDown() override { SetWindowResizeHandler(nullptr); }
    using Calls = std::vector<std::pair<QWidget *, int>>;
    Calls calls;
};

TEST_F(ResizeRecorder, SizeGripAndListBoxBandStartResizes)
{
    QWidget window;
    window.resize(300, 200);
    TZorviPanel panel(&window);
    auto *grip = new TZorviSizeGrip(&panel);
    EXPECT_EQ(grip->Orientation(), SizingEdge::BottomRight);
    EXPECT_EQ(grip->cursor().shape(), Qt::SizeFDiagCursor);
    wt::Click(grip, {2, 2});
    wt::Press(grip, {2, 2}, Qt::RightButton);
    EXPECT_EQ(calls, (Calls{{&window, 8}})); // the right button does nothing

    grip->SetOrientation(5);
    EXPECT_EQ(grip->cursor().shape(), Qt::SizeBDiagCursor);
    grip->SetOrientation(9);
    grip->SetOrientation(0);
    EXPECT_EQ(grip->Orientation(), SizingEdge::TopRight);
    QWidget window2;
    window2.resize(400, 300);
    TZorviPanel outer(&window2);
    outer.resize(400, 300);
    auto *list = new TZorviListBox(&outer);
    const std::tuple<::Align, QPoint, QPoint, int> rows[] = {{Align::Left, {96, 50}, {94, 50}, 2},
                                                             {Align::Right, {4, 50}, {5, 50}, 1},
                                                             {Align::Top, {50, 96}, {50, 94}, 6},
                                                             {Align::Bottom, {50, 4}, {50, 5}, 3}};
    for (const auto &[align, inBand, outside, edge] : rows) {
        list->SetAlign(align);
        list->resize(100, 100);
        ZorviRealign(&outer);
        list->resize(100, 100);
        calls.clear();
        wt::Click(list, outside);
        wt::Press(list, inBand);
        EXPECT_EQ(calls, (Calls{{list, edge}})) << int(align);
        wt::Release(list, inBand);
    }
    list->SetAlign(Align::None);
    calls.clear();
    wt::Press(list, {97, 50});
    EXPECT_TRUE(calls.empty());
}

} // namespace
