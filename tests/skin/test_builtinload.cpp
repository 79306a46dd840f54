// The two built-in skins through the program's own loader: no message, and
// at a small and a large window every control the skin places lies inside the
// window with a size, clear of the other elements of its parent.
#include "SkinTestKit.h"

#include "tools/zorvi-skin/SkinPreview.h"

namespace {
struct Case {
    const char *skin;
    QSize size;
    bool playlist;
};

std::ostream &operator<<(std::ostream &os, const Case &c)
{
    return os << c.skin << " " << c.size.width() << "x" << c.size.height() << (c.playlist ? " playlist" : "");
}

std::string Describe(const QWidget *w, const QRect &r)
{
    return w->objectName().toStdString() + " " + testing::PrintToString(r);
}
} // namespace

class BuiltInSkinTest : public ::testing::TestWithParam<Case> {};

TEST_P(BuiltInSkinTest, LoadsCleanlyAndEveryPlacedControlFits)
{
    const Case c = GetParam();
    QString why;
    const auto target = FindSkin(c.skin, why);
    ASSERT_TRUE(target) << why.toStdString();
    SkinPreview preview(c.size);
    EXPECT_EQ(preview.Load(*target), QStringList());
    preview.FillSamples(c.playlist);
    SkinControls &s = preview.Skin();
    EXPECT_EQ(s.SkinName, target->Entry.Name);
    TZipFile zip;
    zip.LoadFromResource(target->Index + 1);
    SkinIni ini;
    TSkinLoader::ReadIniFromZip(ini, zip, "skin.ini");
    const QRect window(QPoint(0, 0), c.size);
    auto inHost = [&](const QWidget *w) { return QRect(w->mapTo(&preview.Host(), QPoint(0, 0)), w->size()); };

    for (TZorviPanel *panel : s.Panels()) {
        if (ini.ReadInteger(panel->objectName(), "Size", 0) > 0) {
            EXPECT_FALSE(panel->geometry().isEmpty()) << Describe(panel, inHost(panel));
            EXPECT_TRUE(window.contains(inHost(panel))) << Describe(panel, inHost(panel));
        }
    }
    EXPECT_TRUE(!c.playlist || window.contains(inHost(s.Playlist)));

    // Every element the skin declares, fixed or extra, on a shown parent.
    std::vector<TZorviControl *> elements = s.ExtraElements();
    elements.insert(elements.end(), s.Buttons().begin(), s.Buttons().end());
    elements.insert(elements.end(), s.Trackbars().begin(), s.Trackbars().end());
    elements.insert(elements.end(), s.Labels().begin(), s.Labels().end());
    std::vector<TZorviControl *> placed;
    for (TZorviControl *e : elements) {
        if (!ini.SectionExists(e->objectName())) {
            EXPECT_TRUE(e->geometry().isEmpty()) << Describe(e, e->geometry());
            continue;
        }
        if (e->parentWidget() == s.Playlist && !c.playlist)
            continue;
        EXPECT_FALSE(e->geometry().isEmpty()) << Describe(e, inHost(e));
        EXPECT_TRUE(window.contains(inHost(e))) << Describe(e, inHost(e));
        EXPECT_TRUE(e->parentWidget()->rect().contains(e->geometry()))
            << Describe(e, e->geometry()) << " on " << e->parentWidget()->objectName().toStdString();
        placed.push_back(e);
    }
    EXPECT_GE(placed.size(), 16u);
    for (size_t i = 0; i < placed.size(); ++i)
        for (size_t j = i + 1; j < placed.size(); ++j)
            EXPECT_TRUE(placed[i]->parentWidget() != placed[j]->parentWidget() ||
                        !placed[i]->geometry().intersects(placed[j]->geometry()))
                << Describe(placed[i], placed[i]->geometry()) << " overlaps "
                << Describe(placed[j], placed[j]->geometry());
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, BuiltInSkinTest,
    ::testing::Values(Case{"Default", {275, 276}, false}, Case{"Default", {800, 500}, true},
                      Case{"Default", {275, 276}, true}, Case{"ZE6 ZO", {275, 276}, false},
                      Case{"ZE6 ZO", {800, 500}, true}, Case{"ZE6 ZO", {275, 276}, true}));
