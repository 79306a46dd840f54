// Numbering, title splitting and the painting of one playlist row.
#include "playlist/PlRow.h"
#include "playlist/ZorviPlaylist.h"

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

namespace {

QGuiApplication &App()
{
    // The test runner may not pass the platform on; never reach for a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "playlist_tests";
    static char *argv[] = {name, nullptr};
    // Left alive to the end of the process: tearing it down among the other
    // statics crashes the font database.
    static QGuiApplication *app = new QGuiApplication(argc, argv);
    return *app;
}

// A monospaced font from a file, so widths are the same on every machine.
QFont MonoFont(int pixels)
{
    App();
    static const int id = QFontDatabase::addApplicationFont(
        QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf"));
    QFont font(id >= 0 ? QFontDatabase::applicationFontFamilies(id).value(0) : QStringLiteral("monospace"));
    font.setPixelSize(pixels);
    font.setStyleHint(QFont::Monospace);
    return font;
}

const QRgb Background = qRgb(0, 0, 128);

// Pixels of a rectangle that differ from the background, and their bounds.
struct Ink {
    int pixels = 0;
    QRect box;
};

struct Row {
    QImage image;
    Row(int width, int height) : image(width, height, QImage::Format_RGB32) { image.fill(Background); }
    Ink In(const QRect &r) const
    {
        Ink ink;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (image.pixel(x, y) != Background) {
                    ++ink.pixels;
                    ink.box |= QRect(x, y, 1, 1);
                }
        return ink;
    }
};

void Draw(TZorviPlaylist &list, int index, Row &row, const QFont &font)
{
    QPainter p(&row.image);
    p.setFont(font);
    p.setPen(Qt::white);
    list.DrawItem(p, index, row.image.rect());
}

} // namespace

TEST(PlRow, NumbersArePaddedToTheDigitsOfCount)
{
    const struct {
        int index, count;
        const char *text;
    } rows[] = {
        {0, 9, "1 "},     {8, 9, "9 "}, {0, 10, "01 "},    {9, 10, "10 "},
        {6, 120, "007 "}, {0, 0, "1 "}, {99, 100, "100 "}, {0, 1, "1 "},
    };
    for (const auto &r : rows)
        EXPECT_EQ(EntryNumber(r.index, r.count), QString::fromLatin1(r.text)) << r.index << "/" << r.count;
}

TEST(PlRow, TitleBreakRules)
{
    // Titles and how many characters fit; b is where the first line ends.
    const struct {
        const char *title;
        int fit, expected;
    } rows[] = {
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
        {"a_bcdefgh", 3, 3}, // bound 4 above fit: no search
    };
    for (const auto &r : rows)
        EXPECT_EQ(TitleBreak(QString::fromLatin1(r.title), r.fit), r.expected) << r.title;
}

TEST(PlRow, LongTitleIsSplitAtTheDotOnTwoLines)
{
    const QFont font = MonoFont(16);
    const QFontMetrics m(font);
    TZorviPlaylist list;
    TPlItem item;
    item.Title = QStringLiteral("Abcdefghijklmnopqrs.uvwxyz"); // 26 characters, dot at 20
    list.AddItem(item);

    QFont numberFont = font;
    numberFont.setPixelSize(13);
    const int titleLeft = 2 + QFontMetrics(numberFont).horizontalAdvance("1 ");
    const int charWidth = m.horizontalAdvance(u'W');
    // Room for exactly 20 characters (and 2 pixels of right margin).
    const int width = titleLeft + 20 * charWidth + charWidth / 2 + 2;
    Row row(width, 40);
    Draw(list, 0, row, font);

    const QRect upper(titleLeft, 0, width - titleLeft, 20), lower(titleLeft, 20, width - titleLeft, 20);
    EXPECT_GT(row.In(upper).pixels, 0);
    EXPECT_GT(row.In(lower).pixels, 0);
    // The upper line holds 19 characters; the lower starts with the dot.
    EXPECT_LT(row.In(upper).box.right(), titleLeft + 19 * charWidth);
    EXPECT_GT(row.In(upper).box.right(), titleLeft + 18 * charWidth);
    EXPECT_LT(row.In(lower).box.right(), titleLeft + 7 * charWidth);
    EXPECT_GT(row.In(lower).box.right(), titleLeft + 6 * charWidth);
}

TEST(PlRow, ShortTitleIsOneCentredLine)
{
    const QFont font = MonoFont(16);
    TZorviPlaylist list;
    TPlItem item;
    item.Title = QStringLiteral("short");
    list.AddItem(item);
    Row row(300, 60);
    Draw(list, 0, row, font);
    // Nothing near the top or bottom edges: one line in the middle.
    EXPECT_EQ(row.In(QRect(0, 0, 300, 18)).pixels, 0);
    EXPECT_EQ(row.In(QRect(0, 42, 300, 18)).pixels, 0);
    EXPECT_GT(row.In(QRect(0, 18, 300, 24)).pixels, 0);
    // Transparent background: the corner keeps its colour.
    EXPECT_EQ(row.image.pixel(299, 0), Background);
}

TEST(PlRow, CurrentEntryIsBoldAndNumberIsSmaller)
{
    const QFont font = MonoFont(20);
    TZorviPlaylist list;
    TPlItem item;
    item.Title = QStringLiteral("HHHH");
    list.AddItem(item);
    list.AddItem(item);
    list.SetCurrent(1);

    Row plain(300, 40), bold(300, 40);
    Draw(list, 0, plain, font);
    Draw(list, 1, bold, font);
    const int titleLeft = 2 + QFontMetrics(MonoFont(17)).horizontalAdvance("1 ");
    const QRect title(titleLeft, 0, 300 - titleLeft, 40);
    EXPECT_GT(bold.In(title).pixels, plain.In(title).pixels * 11 / 10);

    // The digit "1" is drawn 3 pixels smaller than the title's "H".
    const QRect number(0, 0, titleLeft - 2, 40);
    const int numberHeight = plain.In(number).box.height();
    const int titleHeight = plain.In(title).box.height();
    EXPECT_GT(numberHeight, 0);
    EXPECT_LT(numberHeight, titleHeight);
}

TEST(PlRow, PointSizedFontsAreConvertedToPixels)
{
    QFont font = MonoFont(16);
    font.setPointSize(12); // 16 px at 96 dpi
    TZorviPlaylist list;
    TPlItem item;
    item.Title = QStringLiteral("a very long title that cannot fit in the row at all");
    list.AddItem(item);
    Row row(120, 40);
    row.image.setDotsPerMeterX(3780); // 96 dpi
    row.image.setDotsPerMeterY(3780);
    Draw(list, 0, row, font);
    EXPECT_GT(row.In(QRect(0, 0, 120, 20)).pixels, 0);
    EXPECT_GT(row.In(QRect(0, 20, 120, 20)).pixels, 0);
    // Nothing beyond the 2-pixel right margin.
    EXPECT_EQ(row.In(QRect(118, 0, 2, 40)).pixels, 0);
}
