// Selection protocol, block moves, ownership and change notification of the selection list.
#include "playlist/SelectListOf.h"
#include "support/ErrorText.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>

namespace {

// Items are the integers 0..n-1; the selection is a set of item values.
class NumberList : public SelectListOf<int> {
public:
    explicit NumberList(int n = 0)
    {
        for (int i = 0; i < n; ++i)
            AddItem(i);
        connect(this, &TSelectList::OnChange, [this](TSelectList *sender) {
            EXPECT_EQ(sender, this);
            ++notifications;
        });
    }
    bool IsSelected(int index) const override { return selected.count(*Items(index)); }
    void SetSelected(int index, bool value) override
    {
        if (value)
            selected.insert(*Items(index));
        else
            selected.erase(*Items(index));
    }
    std::vector<int> Values() const
    {
        std::vector<int> v;
        for (int i = 0; i < Count(); ++i)
            v.push_back(*Items(i));
        return v;
    }
    std::vector<int> SelectedIndexes() const
    {
        std::vector<int> v;
        for (int i = 0; i < Count(); ++i)
            if (IsSelected(i))
                v.push_back(i);
        return v;
    }

    std::set<int> selected;
    int notifications = 0;
};

} // namespace

TEST(SelectList, MoveSelectedKeepsBlockShapeAndStopsAtEnds)
{
    const struct {
        int count;
        std::vector<int> selected;
        int delta;
        std::vector<int> expected; // selected positions afterwards
    } cases[] = {
        {10, {2, 5}, +3, {5, 8}},       {10, {8, 9}, +1, {8, 9}}, // last item selected
        {10, {0, 4}, -1, {0, 4}},                                 // first item selected
        {10, {2, 5}, +10, {6, 9}},                                // clamped at the end, gap kept
        {10, {3, 6}, -10, {0, 3}},                                // clamped at the start, gap kept
        {10, {1, 2, 7}, -1, {0, 1, 6}}, {10, {}, +1, {}},         {10, {4}, 0, {4}}, {1, {0}, +1, {0}},
    };
    for (const auto &c : cases) {
        NumberList list(c.count);
        for (int i : c.selected)
            list.SetSelected(i, true);
        list.MoveSelected(c.delta);
        EXPECT_EQ(list.SelectedIndexes(), c.expected) << "delta " << c.delta;
        EXPECT_EQ(list.notifications, c.selected == c.expected ? 0 : 1) << "delta " << c.delta;
        // Unselected items keep their relative order.
        std::vector<int> rest;
        for (int v : list.Values())
            if (!list.selected.count(v))
                rest.push_back(v);
        EXPECT_TRUE(std::is_sorted(rest.begin(), rest.end()));
    }
}

TEST(SelectList, NotificationCounts)
{
    NumberList list(5);
    list.Clear();
    EXPECT_EQ(list.notifications, 1);
    EXPECT_EQ(list.Count(), 0);
    list.ClearSelection(); // empty list: nothing, nobody told
    EXPECT_EQ(list.notifications, 1);

    NumberList five(5);
    five.selected = {1, 3, 4};
    five.DeleteSelected();
    EXPECT_EQ(five.notifications, 1);
    EXPECT_EQ(five.Values(), (std::vector<int>{0, 2}));

    five.AddItem(7);
    five.InsertItem(0, 8);
    five.Delete(1);
    five.Move(0, 2);
    EXPECT_EQ(five.notifications, 5);
    EXPECT_EQ(five.Values(), (std::vector<int>{2, 7, 8}));

    five.BeginUpdate();
    {
        const ListUpdate inner(five);
        five.AddItem(9);
    }
    EXPECT_EQ(five.notifications, 5);
    five.EndUpdate();
    EXPECT_EQ(five.notifications, 6);
}

TEST(SelectList, OwnsItemsAndDestructionNotifiesNobody)
{
    const auto token = std::make_shared<int>();
    int notified = 0;
    {
        SelectListOf<std::shared_ptr<int>> list;
        for (int i = 0; i < 4; ++i)
            list.AddItem(token);
        QObject::connect(&list, &TSelectList::OnChange, [&] { ++notified; });
        list.Delete(0);
        EXPECT_EQ(token.use_count(), 4);
        notified = 0;
    }
    EXPECT_EQ(token.use_count(), 1);
    EXPECT_EQ(notified, 0);
}

TEST(SelectList, BadIndexesAreErrors)
{
    NumberList list(3);
    const std::pair<std::function<void()>, const char *> cases[] = {
        {[&] { list.Items(3); }, "List index out of bounds (3)"},
        {[&] { list.Items(-1); }, "List index out of bounds (-1)"},
        {[&] { list.Delete(3); }, "List index out of bounds (3)"},
        {[&] { list.InsertItem(4, 0); }, "List index out of bounds (4)"},
        {[&] { list.Move(0, 3); }, "List index out of bounds (3)"},
        {[] { TSelectList().Delete(0); }, "List index out of bounds (0)"},
    };
    for (const auto &[call, message] : cases)
        EXPECT_EQ(ErrorText(call), message);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.notifications, 0);
}
