// Selection protocol, block moves and change notification of TSelectList.
#include "support/ErrorText.h"
#include "common/ZError.h"
#include "playlist/SelectList.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// Items are the integers 0..n-1 stored in the pointers; the selection is a set.
class NumberList : public TSelectList {
public:
    explicit NumberList(int n = 0)
    {
        BeginUpdate();
        for (intptr_t i = 0; i < n; ++i)
            Add(reinterpret_cast<void *>(i));
        EndUpdate();
        OnChange = [this](TSelectList *sender) {
            EXPECT_EQ(sender, this);
            ++notifications;
        };
    }
    bool IsSelected(int index) const override { return selected.count(Value(index)); }
    void SetSelected(int index, bool value) override
    {
        if (value)
            selected.insert(Value(index));
        else
            selected.erase(Value(index));
    }
    int Value(int index) const { return int(reinterpret_cast<intptr_t>(Item(index))); }
    std::vector<int> Values() const
    {
        std::vector<int> v;
        for (int i = 0; i < Count(); ++i)
            v.push_back(Value(i));
        return v;
    }
    void Select(std::initializer_list<int> indexes)
    {
        for (int i : indexes)
            SetSelected(i, true);
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

struct MoveCase {
    std::vector<int> selected;
    int delta;
    std::vector<int> expectedSelected; // positions afterwards
    bool changes;
};

} // namespace

TEST(SelectList, MoveSelectedKeepsBlockShapeAndStopsAtEnds)
{
    const MoveCase cases[] = {
        {{2, 5}, +3, {5, 8}, true},       {{8, 9}, +1, {8, 9}, false}, // last item selected
        {{0, 4}, -1, {0, 4}, false},                                   // first item selected
        {{2, 5}, +10, {6, 9}, true},                                   // clamped at the end, gap kept
        {{3, 6}, -10, {0, 3}, true},                                   // clamped at the start, gap kept
        {{1, 2, 7}, -1, {0, 1, 6}, true}, {{}, +1, {}, false},         {{4}, 0, {4}, false},
    };
    for (const MoveCase &c : cases) {
        NumberList list(10);
        for (int i : c.selected)
            list.SetSelected(i, true);
        list.notifications = 0;
        list.MoveSelected(c.delta);
        EXPECT_EQ(list.SelectedIndexes(), c.expectedSelected) << "delta " << c.delta;
        EXPECT_EQ(list.notifications, c.changes ? 1 : 0) << "delta " << c.delta;
        // Unselected items keep their relative order.
        std::vector<int> rest;
        for (int v : list.Values())
            if (!list.selected.count(v))
                rest.push_back(v);
        EXPECT_TRUE(std::is_sorted(rest.begin(), rest.end()));
    }
}

TEST(SelectList, MoveSelectedOnShortListDoesNothing)
{
    NumberList list(1);
    list.Select({0});
    list.notifications = 0;
    list.MoveSelected(+1);
    list.MoveSelected(-1);
    EXPECT_EQ(list.notifications, 0);
}

TEST(SelectList, NotificationCounts)
{
    NumberList list(5);
    list.Clear();
    EXPECT_EQ(list.notifications, 1);
    EXPECT_EQ(list.Count(), 0);

    list.notifications = 0;
    list.ClearSelection(); // empty list: nothing, nobody told
    EXPECT_EQ(list.notifications, 0);

    NumberList five(5);
    five.Select({1, 3, 4});
    five.DeleteSelected();
    EXPECT_EQ(five.notifications, 1);
    EXPECT_EQ(five.Values(), (std::vector<int>{0, 2}));

    five.notifications = 0;
    five.Add(reinterpret_cast<void *>(7));
    five.Insert(0, reinterpret_cast<void *>(8));
    five.Delete(1);
    five.Move(0, 2);
    EXPECT_EQ(five.notifications, 4);
    EXPECT_EQ(five.Values(), (std::vector<int>{2, 7, 8}));

    five.notifications = 0;
    five.BeginUpdate();
    five.BeginUpdate();
    five.Add(nullptr);
    five.EndUpdate();
    EXPECT_EQ(five.notifications, 0);
    five.EndUpdate();
    EXPECT_EQ(five.notifications, 1);
}

TEST(SelectList, DestructionNotifiesNobodyAndFreesItems)
{
    struct Owning : TSelectList {
        int *freed;
        explicit Owning(int *f) : freed(f) {}
        // A descendant frees its items itself: the base can no longer reach it.
        ~Owning() override
        {
            BeginUpdate();
            Clear();
        }
        void FreeItem(void *) override { ++*freed; }
    };
    int freed = 0, notified = 0;
    {
        Owning list(&freed);
        list.Add(nullptr);
        list.Add(nullptr);
        list.OnChange = [&](TSelectList *) { ++notified; };
    }
    EXPECT_EQ(freed, 2);
    EXPECT_EQ(notified, 0);

    notified = 0;
    {
        NumberList plain(3);
        plain.OnChange = [&](TSelectList *) { ++notified; };
    }
    EXPECT_EQ(notified, 0);
}

TEST(SelectList, BadIndexesAreErrors)
{
    NumberList list(3);
    EXPECT_THROW(list.Item(3), ZError);
    EXPECT_THROW(list.Item(-1), ZError);
    EXPECT_THROW(list.Delete(3), ZError);
    EXPECT_THROW(list.Insert(4, nullptr), ZError);
    EXPECT_THROW(list.Move(0, 3), ZError);
    EXPECT_EQ(ErrorText([&] { list.Item(5); }), "List index out of bounds (5)");
    EXPECT_EQ(list.Count(), 3);
}
