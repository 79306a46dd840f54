// Numbering, title splitting and the painting of one playlist row.
#include "playlist/PlRow.h"
#include "playlist/ZorviPlaylist.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>

namespace {
// A monospaced font from a file, so widths are the same on every machine.
QFont MonoFont(int pixels)
{
    EnsureApp<QGuiApplication>();
    static const int id = QFontDatabase::addApplicationFont(
        QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf"));
    QFont font(id >= 0 ? QFontDatabase::applicationFontFamilies(id).value(0) : QStringLiteral("monospace"));
    font.setPixelSize(pixels);
    font.setStyleHint(QFont::Monospace);
    return font;
}

const QRgb Background = qRgb(0, 0, 128);

// One entry of a playlist drawn in white on the background.
struct Row {
    QImage image;
    Row(const QStringList &titles, int index, QSize size, const QFont &font, int dotsPerMeter = 0)
        : image(size, QImage::Format_RGB32)
    {
        image.fill(Background);
        if (dotsPerMeter) {
            image.setDotsPerMeterX(dotsPerMeter);
            image.setDotsPerMeterY(dotsPerMeter);
        }
        TZorviPlaylist list;
        for (const QString &title : titles)
            list.AddItem(TZorviPlaylist::MakeItem(title, EntryKind::Other));
        if (titles.size() > 1)
            list.SetCurrent(1); // a second entry is the current one
        QPainter p(&image);
        p.setFont(font);
        p.setPen(Qt::white);
        list.DrawItem(p, index, image.rect());
    }
    // Pixels of a rectangle that differ from the background, and their bounds.
    std::pair<int, QRect> Ink(const QRect &r) const
    {
        std::pair<int, QRect> ink;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (image.pixel(x, y) != Background) {
                    ++ink.first;
                    ink.second |= QRect(x, y, 1, 1);
                }
        return ink;
    }
};
} // namespace

TEST(PlRow, NumbersTitleBreaksAndTheDrawnRow)
{
    const std::tuple<int, int, const char *> rows[] = {{0, 9, "1 "},      {8, 9, "9 "},     {0, 10, "01 "},
                                                       {9, 10, "10 "},    {6, 120, "007 "}, {0, 0, "1 "},
                                                       {99, 100, "100 "}, {0, 1, "1 "}};
    for (const auto &[index, count, text] : rows)
        EXPECT_EQ(EntryNumber(index, count), QString::fromLatin1(text)) << index << "/" << count;
    // (title, characters that fit, where the first line ends)
    const std::tuple<const char *, int, int> rows2[] = {
        {"abcdefghijklmnopqrs.uvwxyz", 20, 19},  // dot begins the second line
        {"abcdefghijklmnopqr s.uvwxyz", 20, 19}, // the dot at 20 comes first
        {"abcdefghijklmno pqrstuvwxyz", 20, 16}, // blank ends the first line
        {"abcdefghijklmn-pqrstuvwxyz", 20, 15},  // dash at 15 = fit - 5, still searched
        {"abcdefghijklm-opqrstuvwxyz", 20, 20},  // dash at 14 is too far back
        {"abcdefghijklmnopqrstuvwxyz", 20, 20},  // nothing to break at
        {"Film (2009)xpart", 13, 11},            // ")" ends the line
        {"Film.name(2009)", 12, 9},              // "(" begins the second line
        {"ab(cdefgh", 6, 6},                     // the search never goes below 4
        {"abc(efgh", 4, 3},
        {"a_bcdefgh", 3, 3} // bound 4 above fit: no search
    };
    for (const auto &[title, fit, expected] : rows2)
        EXPECT_EQ(TitleBreak(QString::fromLatin1(title), fit), expected) << title;
    const QFont font = MonoFont(16);
    const int titleLeft = 2 + QFontMetrics(MonoFont(13)).horizontalAdvance("1 ");
    const int charWidth = QFontMetrics(font).horizontalAdvance(u'W');
    // Room for exactly 20 characters (and 2 pixels of right margin); the dot is the 20th.
    const int width = titleLeft + 20 * charWidth + charWidth / 2 + 2;
    const Row row({"Abcdefghijklmnopqrs.uvwxyz"}, 0, {width, 40}, font);
    // The upper line holds 19 characters; the lower starts with the dot.
    const int upper = row.Ink({titleLeft, 0, width - titleLeft, 20}).second.right();
    const int lower = row.Ink({titleLeft, 20, width - titleLeft, 20}).second.right();
    EXPECT_TRUE(upper > titleLeft + 18 * charWidth && upper < titleLeft + 19 * charWidth) << upper;
    EXPECT_TRUE(lower > titleLeft + 6 * charWidth && lower < titleLeft + 7 * charWidth) << lower;

    // A font sized in points (16 px at 96 dpi) is measured in pixels: nothing beyond the right margin.
    QFont points = font;
    points.setPointSize(12);
    const Row small({"a very long title that cannot fit in the row at all"}, 0, {120, 40}, points, 3780);
    EXPECT_GT(small.Ink({0, 0, 120, 20}).first, 0);
    EXPECT_GT(small.Ink({0, 20, 120, 20}).first, 0);
    EXPECT_EQ(small.Ink({118, 0, 2, 40}).first, 0);
    const Row row2({"short"}, 0, {300, 60}, MonoFont(16));
    // Nothing near the top or bottom edges (the background shows): one line in the middle.
    EXPECT_EQ(row2.Ink({0, 0, 300, 18}).first, 0);
    EXPECT_EQ(row2.Ink({0, 42, 300, 18}).first, 0);
    EXPECT_GT(row2.Ink({0, 18, 300, 24}).first, 0);

    const Row plain({"HHHH", "HHHH"}, 0, {300, 40}, MonoFont(20)),
        bold({"HHHH", "HHHH"}, 1, {300, 40}, MonoFont(20));
    const int titleLeft2 = 2 + QFontMetrics(MonoFont(17)).horizontalAdvance("1 ");
    const QRect title(titleLeft2, 0, 300 - titleLeft2, 40), number(0, 0, titleLeft2 - 2, 40);
    EXPECT_GT(bold.Ink(title).first, plain.Ink(title).first * 11 / 10);
    // The digit "1" is drawn 3 pixels smaller than the title's "H".
    EXPECT_GT(plain.Ink(number).second.height(), 0);
    EXPECT_LT(plain.Ink(number).second.height(), plain.Ink(title).second.height());
}
