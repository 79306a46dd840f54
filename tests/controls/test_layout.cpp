// Layout pass (centre, anchors, docking) and the window-resize entry point.
#include "WidgetTestHelpers.h"
#include "controls/ZorviControls.h"

#include <QCursor>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(Layout, CentredChildStaysCentredOnResize)
{
    TZorviPanel panel;
    panel.resize(275, 52);
    auto *child = new TZorviButton(&panel);
    child->SetBounds(0, 7, 38, 20);
    child->ACXOffset = -31;
    child->SetAnchorCenter(AnchorCenterKind::X);
    EXPECT_EQ(child->x(), 87); // (275 - 38) div 2 - 31
    EXPECT_EQ(child->y(), 7);
    EXPECT_TRUE(child->Anchors() & AnchorKind::Left);
    EXPECT_FALSE(child->Anchors() & AnchorKind::Right);

    for (auto [width, left] : {std::pair{375, 137}, {100, 0}, {40, -30}}) {
        panel.resize(width, 52);
        ZorviRealign(&panel); // a hidden panel gets its resize event only when shown
        EXPECT_EQ(child->x(), left) << width;
        EXPECT_EQ(child->width(), 38);
    }
}

TEST(Layout, AnchorsKeepDistancesToEdges)
{
    TZorviPanel panel;
    panel.resize(200, 100);
    struct Row {
        AnchorSet anchors;
        QRect placed;
        QRect after; // parent grown to 300 x 150
    };
    const Row rows[] = {
        {AnchorKind::Left | AnchorKind::Top, {10, 10, 20, 20}, {10, 10, 20, 20}},
        {AnchorKind::Right | AnchorKind::Top, {150, 10, 20, 20}, {250, 10, 20, 20}},
        {AnchorKind::Left | AnchorKind::Right | AnchorKind::Top, {10, 10, 180, 20}, {10, 10, 280, 20}},
        {AnchorKind::Right | AnchorKind::Bottom, {170, 70, 20, 20}, {270, 120, 20, 20}},
        {AnchorKind::Left | AnchorKind::Top | AnchorKind::Bottom, {10, 10, 20, 80}, {10, 10, 20, 130}},
        {{}, {90, 40, 20, 20}, {140, 65, 20, 20}}, // centre keeps its relative place
    };
    std::vector<TZorviImage *> children;
    for (const Row &row : rows) {
        auto *c = new TZorviImage(&panel);
        c->SetBounds(row.placed);
        c->SetAnchors(row.anchors);
        children.push_back(c);
    }
    panel.resize(300, 150);
    ZorviRealign(&panel);
    for (size_t i = 0; i < children.size(); ++i)
        EXPECT_EQ(children[i]->geometry(), rows[i].after) << i;
    // Back to the first size: exactly where they were placed.
    panel.resize(200, 100);
    ZorviRealign(&panel);
    for (size_t i = 0; i < children.size(); ++i)
        EXPECT_EQ(children[i]->geometry(), rows[i].placed) << i;
}

TEST(Layout, MovedChildIsMeasuredAgainFromItsNewPlace)
{
    TZorviPanel panel;
    panel.resize(200, 100);
    auto *c = new TZorviImage(&panel);
    c->SetBounds(150, 10, 20, 20);
    c->SetAnchors(AnchorKind::Right | AnchorKind::Top);
    c->move(100, 10); // moved by hand, not through SetBounds
    panel.resize(260, 100);
    ZorviRealign(&panel);
    EXPECT_EQ(c->x(), 160);
}

TEST(Layout, DockingByAlignInOrder)
{
    TZorviPanel panel;
    panel.resize(300, 200);
    auto make = [&panel](::Align align, int w, int h) {
        auto *p = new TZorviPanel(&panel);
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
    ZorviRealign(&panel);
    EXPECT_EQ(top1->geometry(), QRect(0, 0, 300, 30));
    EXPECT_EQ(top2->geometry(), QRect(0, 30, 300, 15));
    EXPECT_EQ(bottom->geometry(), QRect(0, 180, 300, 20));
    EXPECT_EQ(left->geometry(), QRect(0, 45, 50, 135));
    EXPECT_EQ(right->geometry(), QRect(260, 45, 40, 135));
    EXPECT_EQ(client->geometry(), QRect(50, 45, 210, 135));

    // A hidden docked panel gives its room to the others.
    top2->hide();
    panel.resize(400, 200);
    ZorviRealign(&panel);
    EXPECT_EQ(top1->geometry(), QRect(0, 0, 400, 30));
    EXPECT_EQ(client->geometry(), QRect(50, 30, 310, 150));
}

TEST(WindowResize, ResizedRectByEdge)
{
    const QRect start(100, 100, 200, 150);
    const QSize minimum(50, 40);
    struct Row {
        SizingEdge edge;
        QPoint delta;
        QRect expected;
    };
    const Row rows[] = {
        {SizingEdge::BottomRight, {10, 20}, {100, 100, 210, 170}},
        {SizingEdge::Left, {-30, 5}, {70, 100, 230, 150}},
        {SizingEdge::Right, {-500, 0}, {100, 100, 50, 150}},
        {SizingEdge::Top, {7, -10}, {100, 90, 200, 160}},
        {SizingEdge::TopLeft, {250, 0}, {250, 100, 50, 150}},
        {SizingEdge::TopRight, {5, 5}, {100, 105, 205, 145}},
        {SizingEdge::Bottom, {0, -200}, {100, 100, 200, 40}},
        {SizingEdge::BottomLeft, {-5, 5}, {95, 100, 205, 155}},
    };
    for (const Row &r : rows)
        EXPECT_EQ(ResizedRect(start, r.edge, r.delta, minimum), r.expected) << int(r.edge);
}

TEST(WindowResize, DefaultLoopResizesDockedListBoxWithThePointer)
{
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
    std::vector<std::pair<QWidget *, int>> calls;
};

TEST_F(ResizeRecorder, SizeGripStartsResizeOfTopLevelFromItsEdge)
{
    QWidget window;
    window.resize(300, 200);
    TZorviPanel panel(&window);
    auto *grip = new TZorviSizeGrip(&panel);
    EXPECT_EQ(grip->Orientation(), SizingEdge::BottomRight);
    EXPECT_EQ(grip->cursor().shape(), Qt::SizeFDiagCursor);
    wt::Press(grip, {2, 2});
    wt::Release(grip, {2, 2});
    wt::Press(grip, {2, 2}, Qt::RightButton);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].first, &window);
    EXPECT_EQ(calls[0].second, 8);

    grip->SetOrientation(5);
    EXPECT_EQ(grip->cursor().shape(), Qt::SizeBDiagCursor);
    grip->SetOrientation(9);
    grip->SetOrientation(0);
    EXPECT_EQ(grip->Orientation(), SizingEdge::TopRight);
}

TEST_F(ResizeRecorder, ListBoxBandOnItsInnerEdgeResizesTheListBox)
{
    QWidget window;
    window.resize(400, 300);
    TZorviPanel outer(&window);
    outer.resize(400, 300);
    auto *list = new TZorviListBox(&outer);
    struct Row {
        ::Align align;
        QPoint inBand, outside;
        int edge;
    };
    const Row rows[] = {{Align::Left, {96, 50}, {94, 50}, 2},
                        {Align::Right, {4, 50}, {5, 50}, 1},
                        {Align::Top, {50, 96}, {50, 94}, 6},
                        {Align::Bottom, {50, 4}, {50, 5}, 3}};
    for (const Row &r : rows) {
        list->SetAlign(r.align);
        list->resize(100, 100);
        ZorviRealign(&outer);
        list->resize(100, 100);
        calls.clear();
        wt::Press(list, r.outside);
        wt::Release(list, r.outside);
        wt::Press(list, r.inBand);
        ASSERT_EQ(calls.size(), 1u) << int(r.align);
        EXPECT_EQ(calls[0].first, list);
        EXPECT_EQ(calls[0].second, r.edge);
        wt::Release(list, r.inBand);
    }
    list->SetAlign(Align::None);
    calls.clear();
    wt::Press(list, {97, 50});
    EXPECT_TRUE(calls.empty());
}

} // namespace
