// Selection protocol, block moves, ownership and change notification of the selection list.
#include "playlist/ZorviPlaylist.h"

namespace {

// Entries titled 0..n-1, the notifications counted.
class NumberList : public TZorviPlaylist {
public:
    explicit NumberList(int n = 0)
    {
        for (int i = 0; i < n; ++i)
            AddItem(MakeItem(QString::number(i), EntryKind::Other));
        connect(this, &TSelectList::OnChange, [this](TSelectList *sender) {
            EXPECT_EQ(sender, this);
            ++notifications;
        });
    }
    // The titles, or with `selected` the indexes of the selected entries.
    std::vector<int> Values(bool selected = false) const
    {
        std::vector<int> v;
        for (int i = 0; i < Count(); ++i)
            if (!selected)
                v.push_back(Items(i)->Title.toInt());
            else if (IsSelected(i))
                v.push_back(i);
        return v;
    }

    int notifications = 0;
};

} // namespace

TEST(SelectList, MovesNotificationsOwnershipAndBadIndexes)
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
        {10, {1, 2, 7}, -1, {0, 1, 6}}, {10, {}, +1, {}},         {10, {4}, 0, {4}}, {1, {0}, +1, {0}}};
    for (const auto &c : cases) {
        NumberList list(c.count);
        for (int i : c.selected)
            list.SetSelected(i, true);
        list.notifications = 0;
        list.MoveSelected(c.delta);
        EXPECT_EQ(list.Values(true), c.expected) << "delta " << c.delta;
        EXPECT_EQ(list.notifications, c.selected == c.expected ? 0 : 1) << "delta " << c.delta;
        // Unselected items keep their relative order.
        std::vector<int> rest;
        for (int i = 0; i < list.Count(); ++i)
            if (!list.IsSelected(i))
                rest.push_back(list.Values()[size_t(i)]);
        EXPECT_TRUE(std::is_sorted(rest.begin(), rest.end()));
    }
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
        NumberList playlist(2); // the playlist's own destruction too
        QObject::connect(&playlist, &TSelectList::OnChange, [&] { ++notified; });
    }
    EXPECT_EQ(token.use_count(), 1);
    EXPECT_EQ(notified, 0);
    NumberList five(5);
    five.SetSelected(1, true); // the selection is the entry's flag
    EXPECT_EQ(std::pair(five.notifications, five.Items(1)->Flags),
              std::pair(1, EntryFlags(EntryFlag::Selected)));
    five.BeginUpdate();
    five.SetSelected(3, true);
    five.SetSelected(4, true);
    five.EndUpdate();
    EXPECT_EQ(five.notifications, 2);
    five.DeleteSelected();
    EXPECT_EQ(five.notifications, 3);
    EXPECT_EQ(five.Values(), (std::vector<int>{0, 2}));

    five.AddItem(TZorviPlaylist::MakeItem("7", EntryKind::Other));
    five.InsertItem(0, TZorviPlaylist::MakeItem("8", EntryKind::Other));
    five.Delete(1);
    five.Move(0, 2);
    EXPECT_EQ(five.notifications, 7);
    EXPECT_EQ(five.Values(), (std::vector<int>{2, 7, 8}));

    five.BeginUpdate();
    {
        const ListUpdate inner(five);
        five.Delete(0);
    }
    EXPECT_EQ(five.notifications, 7);
    five.EndUpdate();
    EXPECT_EQ(five.notifications, 8);
    five.Clear();
    five.ClearSelection(); // empty list: nothing, nobody told
    EXPECT_EQ(std::pair(five.notifications, five.Count()), std::pair(9, 0));
    NumberList list(3);
    const std::pair<std::function<void()>, const char *> bad[] = {
        {[&] { list.Items(3); }, "List index out of bounds (3)"},
        {[&] { list.Items(-1); }, "List index out of bounds (-1)"},
        {[&] { list.Delete(3); }, "List index out of bounds (3)"},
        {[&] { list.InsertItem(4, {}); }, "List index out of bounds (4)"},
        {[&] { list.Move(0, 3); }, "List index out of bounds (3)"},
        {[] { TSelectList().Delete(0); }, "List index out of bounds (0)"}};
    for (const auto &[call, message] : bad)
        EXPECT_EQ(ErrorText(call), message);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.notifications, 0);
}
