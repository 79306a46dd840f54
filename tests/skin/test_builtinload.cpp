// The two built-in skins through the program's own loader: no message, and
// at a small and a large window every control the skin places lies inside the
// window with a size, clear of the other elements of its parent.
#include "SkinTestKit.h"

#include "tools/zorvi-skin/SkinPreview.h"

#include <QStringList>

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

SkinIni BuiltInIni(int index)
{
    TZipFile zip;
    zip.LoadFromResource(index + 1);
    SkinIni ini;
    TSkinLoader::ReadIniFromZip(ini, zip, "skin.ini");
    return ini;
}

QString Describe(const QWidget *w, const QRect &r)
{
    return QString("%1 (%2,%3 %4x%5)")
        .arg(w->objectName())
        .arg(r.x())
        .arg(r.y())
        .arg(r.width())
        .arg(r.height());
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
    const SkinIni ini = BuiltInIni(target->Index);
    QWidget &host = preview.Host();
    const QRect window(QPoint(0, 0), c.size);
    auto inHost = [&](const QWidget *w) { return QRect(w->mapTo(&host, QPoint(0, 0)), w->size()); };

    for (TZorviPanel *panel : s.Panels()) {
        if (ini.ReadInteger(panel->objectName(), "Size", 0) > 0) {
            EXPECT_FALSE(panel->geometry().isEmpty()) << panel->objectName().toStdString();
            EXPECT_TRUE(window.contains(inHost(panel))) << Describe(panel, inHost(panel)).toStdString();
        }
    }
    if (c.playlist) {
        EXPECT_TRUE(window.contains(inHost(s.Playlist)));
        EXPECT_EQ(s.Playlist->width(), 200);
    }

    // Every element the skin declares, fixed or extra, on a shown parent.
    std::vector<TZorviControl *> elements;
    for (TZorviButton *b : s.Buttons())
        elements.push_back(b);
    for (TZorviTrackbar *t : s.Trackbars())
        elements.push_back(t);
    for (TZorviLabel *l : s.Labels())
        elements.push_back(l);
    for (TZorviControl *e : s.ExtraElements())
        elements.push_back(e);
    std::vector<TZorviControl *> placed;
    for (TZorviControl *e : elements) {
        const QString section = e->objectName();
        if (!ini.SectionExists(section)) {
            EXPECT_TRUE(e->geometry().isEmpty()) << section.toStdString();
            continue;
        }
        if (e->parentWidget() == s.Playlist && !c.playlist)
            continue;
        const QRect r = inHost(e);
        EXPECT_FALSE(r.isEmpty()) << Describe(e, r).toStdString();
        EXPECT_TRUE(window.contains(r)) << Describe(e, r).toStdString();
        EXPECT_TRUE(QRect(QPoint(0, 0), e->parentWidget()->size()).contains(e->geometry()))
            << Describe(e, e->geometry()).toStdString() << " on "
            << e->parentWidget()->objectName().toStdString();
        placed.push_back(e);
    }
    EXPECT_GE(placed.size(), 16u);
    for (size_t i = 0; i < placed.size(); ++i) {
        for (size_t j = i + 1; j < placed.size(); ++j) {
            if (placed[i]->parentWidget() != placed[j]->parentWidget())
                continue;
            EXPECT_FALSE(placed[i]->geometry().intersects(placed[j]->geometry()))
                << Describe(placed[i], placed[i]->geometry()).toStdString() << " overlaps "
                << Describe(placed[j], placed[j]->geometry()).toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, BuiltInSkinTest,
    ::testing::Values(Case{"Default", {275, 276}, false}, Case{"Default", {800, 500}, true},
                      Case{"Default", {275, 276}, true}, Case{"ZE6 ZO", {275, 276}, false},
                      Case{"ZE6 ZO", {800, 500}, true}, Case{"ZE6 ZO", {275, 276}, true}));

TEST(BuiltInSkins, GeneralValuesAsDeclared)
{
    // (skin, Borders, MinWidth, RoundRect, extra elements)
    const std::tuple<const char *, int, int, int, QStringList> rows[] = {
        {"Default", 0, 206, 9, {"BPLClose"}},
        {"ZE6 ZO", 4, 275, 9, {"Separator0", "Separator1", "SizeGrip", "BPLClose"}},
    };
    for (const auto &[name, borders, minWidth, round, extras] : rows) {
        QString why;
        SkinPreview preview(QSize(400, 300));
        EXPECT_EQ(preview.Load(*FindSkin(name, why)), QStringList());
        const SkinParams &p = preview.Skin().Params;
        EXPECT_EQ((std::array{p.Borders, p.MinWidth, p.RoundRect}), (std::array{borders, minWidth, round}))
            << name;
        QStringList got;
        for (TZorviControl *e : preview.Skin().ExtraElements())
            got << e->objectName();
        EXPECT_EQ(got, extras) << name;
    }
}
