// The list a list box shows is heard by every listener; an exception inside
// an event handler becomes one report and the program goes on.
#include "WidgetTestHelpers.h"
#include "common/ZError.h"
#include "controls/ZorviControls.h"
#include "playlist/ZorviPlaylist.h"

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

namespace {
class FailingList : public SelectListOf<int> {
public:
    std::function<void()> fail = [] {};
    bool IsSelected(int) const override { return false; }
    void SetSelected(int, bool) override { fail(); }
    void DrawItem(QPainter &, int, const QRect &) override { fail(); }
};
} // namespace

TEST(EntryPoints, AnExceptionInAnEventHandlerIsOneReport)
{
    ReportCapture reports;
    TZorviButton button;
    button.resize(20, 20);
    FailingList list;
    list.AddItem(0);
    TZorviListBox box;
    box.resize(100, 100);
    box.SetList(&list);

    const struct {
        std::function<void()> raise;
        std::function<void()> handleEvent;
        QString text;
    } cases[] = {
        {[] { throw ZError(QStringLiteral("Playlist Index Error")); },
         [&] {
             wt::Click(&button, {5, 5});
         },
         "Playlist Index Error"},
        {[] { throw std::runtime_error("disk full"); },
         [&] {
             wt::Press(&box, {20, 10});
         },
         "Internal error: disk full"},
        {[] { throw std::out_of_range("row gone"); }, [&] { wt::Render(&box); }, "Internal error: row gone"}};
    for (const auto &c : cases) {
        button.OnClick = [&](QObject *) { c.raise(); };
        list.fail = c.raise;
        c.handleEvent();
        EXPECT_EQ(reports.take(), QStringList{c.text});
    }
    // And the program goes on: the button is up, the press's update bracket is
    // closed, so the list's changes reach the box again.
    EXPECT_FALSE(button.Down());
    EXPECT_EQ(list.UpdateCount(), 0);
    for (int i = 0; i < 20; ++i)
        list.AddItem(i);
    EXPECT_GT(box.ScrollBar()->Max(), 0);
}
