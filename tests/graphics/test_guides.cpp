#include "graphics/Convert.h"
#include "graphics/MultiPartBitmap.h"

namespace {
void SetSize(TMultiPartBitmap &b, int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::gray);
    b.SetImage(img);
}

QString PartsError(const std::function<void()> &f)
{
    try {
        f();
    } catch (const EPartsError &e) {
        return e.message();
    } catch (const ZError &e) {
        return QStringLiteral("other error: ") + e.message();
    }
    return QStringLiteral("no error");
}

// A 60x40 image with three columns, two rows and one part already added.
void WithFirstPart(TMultiPartBitmap &b)
{
    SetSize(b, 60, 40);
    b.LoadGuides(Axis::Rows, "18,-40");
    b.LoadGuides(Axis::Cols, "15,-45,60");
    b.AddPart("X0,Y0,X1,Y1");
}

const QString GuideSyntax = QStringLiteral("\n\rSyntax: [[P0:]0,][P1:]10,...,[LP:]10");
} // namespace

TEST(Guides, ReadingsAndErrorsThatResetTheAxis)
{
    // (text, axis, image size or 0 for none, ids, coordinates, one letter per segment: S stretchable, -
    // fixed; fixed size, last stretchable segment)
    const std::tuple<const char *, Axis, int, const char *, TCoords, const char *, int, int> rows[] = {
        {"15,-45,60", Axis::Cols, 60, "X0,X1,X2,LX", {0, 15, 45, 60}, "-S-", 30, 2},
        {"X1:70,X2:-261,LX:341", Axis::Cols, 341, "X0,X1,X2,LX", {0, 70, 261, 341}, "-S-", 150, 2},
        {"18,-19", Axis::Rows, 19, "Y0,Y1,LY", {0, 18, 19}, "-S", 18, 2},
        {"52", Axis::Rows, 52, "Y0,LY", {0, 52}, "-", 52, -1},
        {"", Axis::Rows, 44, "Y0,LY", {0, 44}, "S", 0, 1},
        {" \t\r\n", Axis::Cols, 0, "X0,LX", {0, 100}, "S", 0, 1},
        {"0,15,-45,60", Axis::Cols, 60, "X0,X1,X2,LX", {0, 15, 45, 60}, "-S-", 30, 2},
        {"X0:0,X1:15,X2:-45,LX:60", Axis::Cols, 60, "X0,X1,X2,LX", {0, 15, 45, 60}, "-S-", 30, 2},
        {"Top:0, mid : -10,end:$14", Axis::Rows, 20, "Top,mid,end", {0, 10, 20}, "S-", 10, 1},
        {"10,-30,40,-60,70", Axis::Cols, 0, "X0,X1,X2,X3,X4,LX", {0, 10, 30, 40, 60, 70}, "-S-S-", 30, 4},
        {"0", Axis::Cols, 0, "X0", {0}, "", 0, -1},
        {"A:0", Axis::Rows, 0, "A", {0}, "", 0, -1}};
    for (const auto &[text, axis, size, ids, coords, stretch, fixed, last] : rows) {
        TMultiPartBitmap b;
        if (size)
            SetSize(b, size, size);
        b.LoadGuides(axis, QString::fromLatin1(text));
        const TGuides &g = axis == Axis::Cols ? b.Cols : b.Rows;
        std::vector<bool> stretchable;
        for (const char *c = stretch; *c; ++c)
            stretchable.push_back(*c == 'S');
        EXPECT_EQ(g.Ids, QString::fromLatin1(ids).split(u',')) << text;
        EXPECT_EQ(std::tie(g.Coords, g.Stretch, g.FixedSize, g.LastStretch),
                  std::tie(coords, stretchable, fixed, last))
            << text;
    }
    // (text, image width or 0 for none, message)
    const std::tuple<const char *, int, QString> rows2[] = {
        {"10,10", 0, "Coordinate(without -) must be greater than the previous one\n\r10,10"},
        {" 5,-3 ", 0, "Coordinate(without -) must be greater than the previous one\n\r5,-3"},
        {"X1:5,X1:9", 0, "Duplicate point id: X1"},
        {"x0:0,X0:4", 0, "Duplicate point id: X0"},
        {"X0:5,9", 0, "Duplicate point id: X0"},
        {"15,-45,59", 60, "parts 15,-45,59 don't match the bitmap size 60"},
        {"0", 60, "parts 0 don't match the bitmap size 60"},
        {"15,a,60", 60, "'a' is not a valid integer value" + GuideSyntax},
        {"15,45,", 60, "'' is not a valid integer value" + GuideSyntax},
        {"X1:,60", 60, "'' is not a valid integer value" + GuideSyntax},
        {"15 ,60", 60, "'15 ' is not a valid integer value" + GuideSyntax},
        {"-2147483648", 0, "'-2147483648' is not a valid integer value" + GuideSyntax},
        {"%1,%2", 0, "'%1' is not a valid integer value" + GuideSyntax}};
    for (const auto &[text, size, message] : rows2) {
        TMultiPartBitmap b;
        if (size)
            SetSize(b, size, 30);
        b.AddPart("X0,Y0,LX,LY|C:clRed");
        b.ColPos = {1, 2};
        EXPECT_EQ(PartsError([&, row = text] { b.LoadGuides(Axis::Cols, QString::fromLatin1(row)); }),
                  message);
        EXPECT_EQ(b.Cols.Ids, QStringList({"X0", "LX"})) << text;
        EXPECT_EQ(std::tie(b.Cols.Coords, b.Cols.LastStretch), std::tuple(TCoords{0, size ? size : 100}, 1))
            << text;
        EXPECT_TRUE(b.Parts.empty() && b.ColPos.empty()) << text;
    }
}

TEST(Parts, AcceptedTextsErrorsAndColoursWithoutImage)
{
    const std::pair<const char *, TBitmapPart> rows[] = {
        {"X0,Y0,X1,LY", {0, 0, 1, 2, {}, 0}},
        {"x1,y0,x2,ly|HS", {1, 0, 2, 2, PartFlag::HS, 0}},
        {" X1 , Y1 , LX , LY | VS ", {1, 1, 3, 2, PartFlag::VS, 0}},
        {"X0,Y0,LX,LY|HS,VS,XX", {0, 0, 3, 2, PartFlag::HS | PartFlag::VS, 0}},
        {"X0,Y0,LX,LY|XX,YY,HS", {0, 0, 3, 2, {}, 0}},
        {"X0,Y0,LX,LY|hs", {0, 0, 3, 2, {}, 0}},
        {"X0,Y0,LX,LY|C:clWhite|junk", {0, 0, 3, 2, PartFlag::Color, 0xFFFFFF}},
        {"X0,Y0,LX,LY|Color: $00F2A300", {0, 0, 3, 2, PartFlag::Color, 0x00F2A300}},
        {"X0,Y0,X1,LY|HS|15,40", {0, 0, 1, 2, PartFlag::HS, 15u | (40u << 16)}},
        {"X0,Y0,X1,LY||1, 1|ignored", {0, 0, 1, 2, {}, 1u | (1u << 16)}}};
    for (const auto &[text, part] : rows) {
        TMultiPartBitmap b;
        WithFirstPart(b);
        b.AddPart(QString::fromLatin1(text));
        ASSERT_EQ(b.Parts.size(), 2u) << text;
        const TBitmapPart &p = b.Parts[1];
        EXPECT_EQ(std::tie(p.Left, p.Top, p.Right, p.Bottom, p.Flags, p.ColorOrSubSize),
                  std::tie(part.Left, part.Top, part.Right, part.Bottom, part.Flags, part.ColorOrSubSize))
            << text;
    }
    const QString color = "\n\rSyntax: ...|C:$00F2A300";
    const std::pair<const char *, QString> rows2[] = {
        {"X0,Y0,LX", "X0,Y0,LX is not a valid rect\n\rSyntax: X0,Y0,LX,LY[|...]"},
        {"X0,Y0,LX,LY,X1|HS", "X0,Y0,LX,LY,X1 is not a valid rect\n\rSyntax: X0,Y0,LX,LY[|...]"},
        {"X0, Y9 ,LX,LY", "Y9 is not a valid col/row id"},
        {"Y0,Y0,LX,LY", "Y0 is not a valid col/row id"},
        {"X0,Y0,X0,LY", "Part rect is empty: X0,Y0,X0,LY"},
        {" X2,Y0,X1,Q |HS ", "Part rect is empty: X2,Y0,X1,Q |HS"},
        {"X0,LY,LX,Y1", "Part rect is empty: X0,LY,LX,Y1"},
        {"X0,Y0,LX,Q", "Q is not a valid col/row id"},
        {"X0,Y0,LX,LY|C", "Missing color in X0,Y0,LX,LY|C" + color},
        {"X0,Y0,LX,LY| Cyan |1,2", "Missing color in X0,Y0,LX,LY| Cyan |1,2" + color},
        {"X0,Y0,LX,LY|C:clWhit", "C:clWhit is not a valid color" + color},
        {"X0,Y0,LX,LY|C:", "C: is not a valid color" + color},
        {"X0,Y0,X1,LY|HS|0,5", "SubWidth: 0 must be within 1,15"},
        {"X0,Y0,X1,LY|HS|16,5", "SubWidth: 16 must be within 1,15"},
        {"X0,Y0,X1,LY|HS|-1,5", "SubWidth: 65535 must be within 1,15"},
        {"X1,Y0,X2,Y1|HS|30,19", "SubHeight: 19 must be within 1,18"},
        {"X1,Y0,X2,Y1|HS|30,0", "SubHeight: 0 must be within 1,18"},
        {"X0,Y0,X1,LY|HS|5", "Invalid subsizes: 5\n\rSyntax: ...|12,45"},
        {"X0,Y0,X1,LY|HS| 1,2,3", "Invalid subsizes:  1,2,3\n\rSyntax: ...|12,45"},
        // A sub-size that is no number keeps the conversion's message.
        {"X0,Y0,X1,LY|HS|1,x", "other error: 'x' is not a valid integer value"}};
    for (const auto &[text, message] : rows2) {
        TMultiPartBitmap b;
        WithFirstPart(b);
        EXPECT_EQ(PartsError([&, row = text] { b.AddPart(QString::fromLatin1(row)); }), message);
        EXPECT_EQ(b.Parts.size(), 1u) << text;
    }
    TMultiPartBitmap b;
    b.LoadGuides(Axis::Cols, "10,-30,40,-60,70");
    b.AddPart("X0,Y0,LX,LY|C:$00AFC6CA");
    b.AddPart("X1,Y0,X2,LY");
    ASSERT_EQ(b.Parts.size(), 2u);
    EXPECT_EQ(b.Parts[0].ColorOrSubSize, 0x00AFC6CAu);
    for (const char *text : {"X0,Y0,LX,LY|HS", "X0,Y0,LX,LY|"})
        EXPECT_EQ(PartsError([&] { b.AddPart(text); }), "A color must be defined when there is no bitmap");
}
