#include "graphics/MultiPartBitmap.h"

#include <QPainter>
#include <set>

namespace {
// Every pixel names its own coordinates, so a target pixel tells where it came from.
QImage coded(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, 0xFF000000u | (uint(x) << 12) | uint(y));
    return img;
}
const auto srcX = [](QRgb p) { return int((p >> 12) & 0xFFF); };
const auto srcY = [](QRgb p) { return int(p & 0xFFF); };
constexpr QRgb Sentinel = 0xFFFFFFFFu; // x 4095, y 4095: never a source pixel

QImage canvas(int w, int h)
{
    QImage c(w, h, QImage::Format_RGB32);
    c.fill(Sentinel);
    return c;
}

// Draws b into a fresh canvas of w x h at target.
QImage draw(TMultiPartBitmap &b, int w, int h, const QRect &target)
{
    QImage c = canvas(w, h);
    QPainter p(&c);
    b.DrawParts(p, target);
    p.end();
    return c;
}

// A bitmap of a coded image (none when w is 0) with its row and column guides.
void make(TMultiPartBitmap &b, int w, int h, const char *rows, const char *cols)
{
    if (w)
        b.SetImage(coded(w, h));
    b.LoadGuides(Axis::Rows, QString::fromLatin1(rows));
    b.LoadGuides(Axis::Cols, QString::fromLatin1(cols));
}

TGuides guides(const char *text)
{
    TMultiPartBitmap b;
    b.LoadGuides(Axis::Cols, QString::fromLatin1(text));
    return b.Cols;
}
} // namespace

TEST(Layout, WorkedLayoutsAndOpenCases)
{
    // (guides, near and far edge, positions)
    const std::tuple<const char *, int, int, TCoords> rows[] = {
        {"15,-45,60", 7, 107, {7, 22, 92, 107}},
        {"X1:70,X2:-261,LX:341", 0, 500, {0, 70, 420, 500}},
        {"10,-30,40,-60,70", 0, 131, {0, 10, 60, 70, 121, 131}},
        {"-10,-30,40", 0, 70, {0, 20, 60, 70}},
        {"52", 3, 80, {3, 80}},
        {"", 0, 44, {0, 44}},
        // No stretchable segment: from the near edge, the last segment takes the rest.
        {"10,20,30", 0, 100, {0, 10, 20, 100}},
        {"10,20,30", 0, 5, {0, 10, 20, 5}},
        // Only the origin: its single position is the near edge.
        {"0", 4, 90, {4}},
        // Shorter than FixedSize: stretchable segments go negative, nothing leaves the list.
        {"15,-45,60", 0, 20, {0, 15, 5, 20}},
        {"10,-30,40,-60,70", 0, 10, {0, 10, 0, 10, 0, 10}},
        // Abstract coordinates of a bitmap without image do not overflow.
        {"-2147483647", -5, 2147483647, {-5, 2147483647}},
        {"1,-2147483646,2147483647",
         -2147483647,
         2147483647,
         {-2147483647, -2147483646, 2147483646, 2147483647}}};
    for (const auto &[text, a, b, expected] : rows) {
        TCoords t;
        EXPECT_TRUE(TMultiPartBitmap::LayoutAxis(guides(text), a, b, t));
        EXPECT_EQ(t, expected) << text;
    }
    TCoords none{1, 2}; // a bitmap whose guides were never loaded
    EXPECT_TRUE(TMultiPartBitmap::LayoutAxis(TGuides{}, 0, 10, none));
    EXPECT_TRUE(none.empty());
}

TEST(DrawParts, DefaultGridAndFixedPartsNaturalSize)
{
    TMultiPartBitmap b;
    make(b, 60, 40, "10,-30,40", "15,-45,60");
    const QImage c = draw(b, 110, 90, QRect(5, 5, 100, 80));
    ASSERT_EQ(b.Parts.size(), 9u);
    EXPECT_EQ(b.Parts[1].Flags, PartFlag::VS); // column 0, row 1
    EXPECT_EQ(b.Parts[4].Flags, PartFlag::HS | PartFlag::VS);
    std::set<int> middle;
    for (int y = 0; y < 90; ++y)
        for (int x = 0; x < 110; ++x) {
            const QRgb px = c.pixel(x, y);
            const bool inside = x >= 5 && x < 105 && y >= 5 && y < 85;
            ASSERT_EQ(px == Sentinel, !inside) << x << "," << y;
            if (!inside)
                continue;
            const int sx = srcX(px), sy = srcY(px);
            // Fixed columns and rows map one to one; stretched ones stay in their segment.
            if (x < 20)
                ASSERT_EQ(sx, x - 5);
            else if (x >= 90)
                ASSERT_EQ(sx, x - 90 + 45);
            else {
                ASSERT_TRUE(sx >= 15 && sx < 45);
                middle.insert(sx);
            }
            if (y < 15)
                ASSERT_EQ(sy, y - 5);
            else if (y >= 75)
                ASSERT_EQ(sy, y - 75 + 30);
            else
                ASSERT_TRUE(sy >= 10 && sy < 30);
        }
    EXPECT_EQ(middle.size(), 30u); // 30 source columns over 70 target columns, none lost
    // "52" on an image 52 high: one fixed segment spanning the target, drawn unscaled.
    TMultiPartBitmap b2;
    make(b2, 8, 52, "52", "8");
    const QImage c2 = draw(b2, 8, 80, QRect(0, 0, 8, 80));
    EXPECT_EQ(b2.Parts[0].Flags, 0);
    EXPECT_EQ(c2.pixel(3, 51), coded(8, 52).pixel(3, 51));
    EXPECT_TRUE(c2.pixel(3, 52) == Sentinel && c2.pixel(3, 79) == Sentinel);

    // An empty text on an image 44 high: one stretchable segment, drawn "VS" over the full height.
    TMultiPartBitmap s;
    make(s, 8, 44, "", "");
    const QImage d = draw(s, 8, 80, QRect(0, 0, 8, 80));
    EXPECT_EQ(s.Parts[0].Flags, PartFlag::HS | PartFlag::VS);
    EXPECT_EQ(std::pair(srcY(d.pixel(3, 0)), srcY(d.pixel(3, 79))), std::pair(0, 43));
}

TEST(DrawParts, ColourPartsLaterOverEarlierAndRandomWithoutImage)
{
    TMultiPartBitmap b; // no image: abstract units
    make(b, 0, 0, "10", "10,-20,30");
    b.AddPart("X0,Y0,LX,LY|C:clRed");
    b.AddPart("X1,Y0,X2,LY|C:$00FF0000");
    b.AddPart("X0,Y0,X1,LY"); // no colour, no image: nothing drawn
    const QImage c = draw(b, 40, 10, QRect(0, 0, 40, 10));
    for (int x = 0; x < 40; ++x)
        ASSERT_EQ(c.pixel(x, 5), (x >= 10 && x < 30) ? qRgb(0, 0, 255) : qRgb(255, 0, 0)) << x;
    TMultiPartBitmap b2;
    b2.LoadGuides(Axis::Cols, "5,-10");
    const QImage c2 = draw(b2, 20, 10, QRect(0, 0, 20, 10));
    ASSERT_EQ(b2.Parts.size(), 2u);
    for (int i = 0; i < 2; ++i) {
        const TBitmapPart &part = b2.Parts[std::size_t(i)];
        EXPECT_EQ(part.Flags, PartFlag::Color);
        EXPECT_LE(part.ColorOrSubSize, 0xFFFFFEu);
        EXPECT_EQ(c2.pixel(i * 19, i * 9), ColorToQColor(ColorRef(part.ColorOrSubSize)).rgb());
    }
}

TEST(DrawParts, CachedLayoutTargetShorterAndMissingGuides)
{
    // How often it is computed: bench_skincore.
    TMultiPartBitmap b;
    make(b, 60, 20, "", "15,-45,60");
    QImage c = canvas(200, 40);
    QPainter p(&c);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    b.DrawParts(p, QRect(0, 0, 100, 20));
    EXPECT_TRUE(p.testRenderHint(QPainter::SmoothPixmapTransform));
    b.DrawParts(p, QRect(10, 10, 100, 20)); // moved
    EXPECT_EQ(std::pair(b.ColPos, b.RowPos), std::pair(TCoords{10, 25, 95, 110}, TCoords{10, 30}));
    b.DrawParts(p, QRect(10, 10, 120, 20)); // wider
    EXPECT_EQ(b.ColPos, TCoords({10, 25, 115, 130}));
    b.LoadGuides(Axis::Rows, "20");
    EXPECT_TRUE(b.RowPos.empty());
    EXPECT_FALSE(b.ColPos.empty());
    TMultiPartBitmap b2;
    make(b2, 60, 10, "10", "15,-45,60");
    const QImage c2 = draw(b2, 40, 10, QRect(0, 0, 20, 10)); // columns at 0, 15, 5, 20
    // The inverted middle cell draws nothing; the right part, drawn last, lands at 5.
    for (int x = 0; x < 5; ++x)
        EXPECT_EQ(srcX(c2.pixel(x, 3)), x);
    for (int x = 5; x < 20; ++x)
        EXPECT_EQ(srcX(c2.pixel(x, 3)), x - 5 + 45);
    EXPECT_EQ(c2.pixel(20, 3), Sentinel);
    b2.AddPart("X0,Y0,LX,LY|C:clRed");
    b2.Parts.push_back({0, 0, 9, 1, {}, 0});
    b2.Parts.push_back({-1, 0, 1, 1, PartFlag::Color, 0});
    b2.Parts.push_back({0, 0, 1, 5, PartFlag::HS, 0});
    EXPECT_EQ(draw(b2, 60, 10, QRect(0, 0, 60, 10)).pixel(30, 5), qRgb(255, 0, 0));
}
