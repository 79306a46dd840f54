// List box: layout figures, selection protocol, drag, wheel, double click, painting.
#include "WidgetTestHelpers.h"
#include "controls/ZorviListBox.h"
#include "controls/ZorviTrackbar.h"
#include "playlist/ZorviPlaylist.h"

namespace {

class ListBoxTest : public ::testing::Test {
protected:
    // 100 wide; ItemArea 180 high (margins 4); rows of 18 + a 1-pixel separator.
    void SetUp() override
    {
        box.resize(100, 188);
        box.SetSeparatorHeight(1);
        box.SetItemHeight(18);
        box.SetList(&list);
    }
    void Fill(int n)
    {
        const ListUpdate batch(list);
        for (int i = 0; i < n; ++i)
            list.AddItem(TZorviPlaylist::MakeItem(QString("Item %1").arg(i), EntryKind::Other));
    }
    QPoint Row(int index) const { return {20, 4 + (index - box.TopIndex()) * 19 + 9}; }
    void Click(int index, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        wt::Click(&box, Row(index), Qt::LeftButton, mods);
    }
    void Select(std::initializer_list<int> indexes)
    {
        const ListUpdate batch(list);
        list.ClearSelection();
        for (int i : indexes)
            list.SetSelected(i, true);
    }
    std::vector<int> Selected() const
    {
        std::vector<int> out;
        for (int i = 0; i < list.Count(); ++i)
            if (list.IsSelected(i))
                out.push_back(i);
        return out;
    }
    std::vector<QString> Titles(std::initializer_list<int> indexes) const
    {
        std::vector<QString> out;
        for (int i : indexes)
            out.push_back(list.Items(i)->Title);
        return out;
    }

    TZorviPlaylist list; // outlives the box: the box detaches from it
    TZorviListBox box;
};

TEST_F(ListBoxTest, PageCountAndScrollBar)
{
    EXPECT_EQ(box.PageCount(), 9); // 181 div 19
    Fill(30);
    EXPECT_EQ(box.ScrollBar()->Max(), 21);
    EXPECT_FALSE(box.ScrollBar()->isHidden());
    EXPECT_EQ(box.ItemArea(), QRect(4, 4, 100 - 4 - 4 - box.ScrollBar()->width(), 180));

    box.CenterItem(15);
    EXPECT_EQ(std::pair(box.TopIndex(), box.ScrollBar()->Position()), std::pair(11, 11));

    list.BeginUpdate();
    while (list.Count() > 5)
        list.Delete(list.Count() - 1);
    list.EndUpdate();
    EXPECT_TRUE(box.ScrollBar()->isHidden());
    EXPECT_EQ(box.TopIndex(), 0);
    EXPECT_EQ(box.ItemArea(), QRect(4, 4, 92, 180));
}

TEST_F(ListBoxTest, SelectionWithModifiersPlainClicksAndDrag)
{
    Fill(20);
    Select({10});
    Click(7, Qt::ControlModifier);
    EXPECT_EQ(box.AnchorIndex(), 7);
    Click(3, Qt::ShiftModifier);
    EXPECT_EQ(Selected(), (std::vector<int>{3, 4, 5, 6, 7, 10}));

    Select({2, 5});
    wt::Press(&box, Row(5), Qt::LeftButton, Qt::ControlModifier);
    EXPECT_EQ(Selected(), (std::vector<int>{2, 5})); // kept while held
    wt::Release(&box, Row(5), Qt::LeftButton, Qt::ControlModifier);
    EXPECT_EQ(Selected(), std::vector<int>{2});

    Select({2, 5});
    wt::Click(&box, Row(5), Qt::RightButton);
    EXPECT_EQ(Selected(), (std::vector<int>{2, 5})); // right press keeps it for the menu
    wt::Press(&box, Row(8), Qt::RightButton);
    EXPECT_EQ(Selected(), std::vector<int>{8});
    Select({2, 3, 4});
    wt::Press(&box, Row(3));
    EXPECT_EQ(Selected(), (std::vector<int>{2, 3, 4}));
    wt::Release(&box, Row(3));
    EXPECT_EQ(Selected(), std::vector<int>{3});

    Select({2, 3, 4});
    wt::Press(&box, Row(3));
    wt::Move(&box, Row(6), Qt::LeftButton);
    EXPECT_EQ(box.DragIndex(), 6);
    wt::Release(&box, Row(6));
    EXPECT_EQ(Selected(), (std::vector<int>{5, 6, 7}));
    EXPECT_EQ(Titles({2, 3, 4, 5, 6, 7}),
              (std::vector<QString>{"Item 5", "Item 6", "Item 7", "Item 2", "Item 3", "Item 4"}));
}

TEST_F(ListBoxTest, RowsPastThePageScrollIntoView)
{
    Fill(30);
    const QPoint row9(20, 4 + 9 * 19 + 1); // shows only its top pixel
    wt::Click(&box, row9);
    EXPECT_EQ(Selected(), std::vector<int>{9});
    EXPECT_EQ(box.TopIndex(), 1); // by one row

    box.CenterItem(0);
    Select({});
    wt::Press(&box, Row(7));
    wt::Move(&box, {20, 4 + 9 * 19 + 5}, Qt::LeftButton); // a drag past the page scrolls along
    EXPECT_EQ(Titles({9}), std::vector<QString>{"Item 7"});
    EXPECT_EQ(box.TopIndex(), 1);
}

TEST_F(ListBoxTest, AnchorFollowsDeletions)
{
    Fill(10);
    Click(8);
    EXPECT_EQ(box.AnchorIndex(), 8);
    list.BeginUpdate();
    for (int i = 9; i >= 5; --i)
        list.Delete(i);
    list.EndUpdate();
    EXPECT_EQ(box.AnchorIndex(), 4);
    list.Clear();
    EXPECT_EQ(box.AnchorIndex(), -1);
    Fill(3);
    EXPECT_EQ(box.AnchorIndex(), 0);
}

TEST_F(ListBoxTest, WheelOnTwoRowPage)
{
    box.resize(100, 8 + 38);
    QResizeEvent resize(box.size(), QSize(100, 188));
    QCoreApplication::sendEvent(&box, &resize);
    ASSERT_EQ(box.PageCount(), 2);
    Fill(10);
    const QPoint inside(20, 10);
    EXPECT_TRUE(wt::Wheel(&box, inside, -120));
    EXPECT_EQ(box.TopIndex(), 2);
    wt::Wheel(&box, inside, 120);
    wt::Wheel(&box, inside, 120);
    EXPECT_EQ(box.TopIndex(), 0);
    for (int i = 0; i < 2; ++i)
        wt::Wheel(&box, inside, -40); // touchpad: parts of a notch gather
    EXPECT_EQ(box.TopIndex(), 0);
    wt::Wheel(&box, inside, -40);
    EXPECT_EQ(box.TopIndex(), 2);
    EXPECT_FALSE(wt::Wheel(&box, {1, 1}, -120)); // on the margin: passed on
    EXPECT_EQ(box.TopIndex(), 2);
}

TEST_F(ListBoxTest, ClickOnSeparatorSelectsItemAboveAndDoubleClickOnlyOnAnchorItem)
{
    Fill(10);
    wt::Click(&box, {20, 4 + 4 * 19 + 18}); // the separator line below item 4
    EXPECT_EQ(Selected(), std::vector<int>{4});
    EXPECT_EQ(box.ItemAt(3), -1);
    EXPECT_EQ(box.ItemAt(4 + 10 * 19), -1);
    Fill(10);
    int dbl = 0, clicks = 0;
    box.OnDblClick = [&dbl](QObject *) { ++dbl; };
    box.OnClick = [&clicks](QObject *) { ++clicks; };
    Click(2);
    wt::DoubleClick(&box, Row(4));
    wt::Release(&box, Row(4));
    EXPECT_EQ(dbl, 0);
    EXPECT_EQ(box.AnchorIndex(), 2);
    Click(4);
    wt::DoubleClick(&box, Row(4));
    wt::Release(&box, Row(4));
    EXPECT_EQ(dbl, 1);
    EXPECT_EQ(clicks, 2);
}

TEST_F(ListBoxTest, PaintsSelectionAndSeparators)
{
    Fill(100);
    box.SetColor(clWhite);
    box.SetSeparatorColor(clRed);
    box.EditSelBitmap().LoadGuides(Axis::Rows, "");
    box.EditSelBitmap().LoadGuides(Axis::Cols, "");
    box.EditSelBitmap().AddPart("X0,Y0,LX,LY|C:clBlue");
    Select({1});
    const QImage shot = wt::Render(&box);                      // rows drawn per page: bench_controls
    EXPECT_EQ(wt::Pixel(shot, 80, 4 + 19 + 1), 0x0000FFu);     // selected row 1
    EXPECT_EQ(wt::Pixel(shot, 80, 4 + 18), 0xFF0000u);         // separator below row 0
    EXPECT_EQ(wt::Pixel(shot, 80, 4 + 2 * 19 + 1), 0xFFFFFFu); // row 2: background
    EXPECT_EQ(wt::Pixel(shot, 2, 30), 0xFFFFFFu);              // margin: nothing drawn
}

} // namespace
