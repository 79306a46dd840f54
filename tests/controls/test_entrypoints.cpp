// The list a list box shows is heard by every listener.
#include "WidgetTestHelpers.h"
#include "controls/ZorviListBox.h"
#include "controls/ZorviTrackbar.h"
#include "playlist/ZorviPlaylist.h"

#include <gtest/gtest.h>

#include <memory>

TEST(EntryPoints, ListBoxAndAnotherListenerBothHearEveryChange)
{
    for (const bool boxFirst : {true, false}) {
        TZorviPlaylist list;
        auto box = std::make_unique<TZorviListBox>();
        box->resize(100, 188); // ten rows of 18
        box->SetItemHeight(18);
        int heard = 0;
        const auto watch = [&] { QObject::connect(&list, &TSelectList::OnChange, [&] { ++heard; }); };
        if (!boxFirst)
            watch();
        box->SetList(&list);
        if (boxFirst)
            watch();

        for (int i = 0; i < 30; ++i)
            list.AddItem(TPlItem());
        EXPECT_EQ(heard, 30);
        EXPECT_EQ(box->ScrollBar()->Max(), 20); // the box followed too
        list.Clear();
        EXPECT_EQ(heard, 31);
        EXPECT_EQ(box->ScrollBar()->Max(), 0);

        box.reset();
        list.AddItem(TPlItem());
        EXPECT_EQ(heard, 32) << "box first: " << boxFirst;
    }
}
