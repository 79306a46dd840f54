// A small host that builds a control bar, a seek bar, a volume bar, a label and
// a playlist box from generated bitmaps, renders it to a PNG and checks it.
#include "WidgetTestHelpers.h"
#include "controls/ZorviControls.h"
#include "playlist/ZorviPlaylist.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

// A 3-state button sheet: one 24x24 cell per row (normal, hover, pressed) with
// a glyph; the corners are fuchsia so the transparent look can be seen.
QImage ButtonSheet(QColor face)
{
    QImage img(24, 72, QImage::Format_RGB32);
    img.fill(QColor(255, 0, 255));
    QPainter p(&img);
    const QColor faces[3] = {face, face.lighter(140), face.darker(160)};
    for (int row = 0; row < 3; ++row) {
        p.setBrush(faces[row]);
        p.setPen(Qt::NoPen);
        p.drawEllipse(1, row * 24 + 1, 22, 22);
        p.setBrush(Qt::white);
        const QPoint tri[3] = {{9, row * 24 + 7}, {9, row * 24 + 17}, {17, row * 24 + 12}};
        p.drawPolygon(tri, 3);
    }
    return img;
}

TMultiPartBitmap Track(QColor body, QColor edge, int w, int h, const QString &cols, const QString &rows)
{
    TMultiPartBitmap bmp;
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(body);
    QPainter p(&img);
    p.setPen(edge);
    p.drawRect(0, 0, w - 1, h - 1);
    p.end();
    bmp.SetImage(img);
    bmp.LoadGuides(Axis::Rows, rows);
    bmp.LoadGuides(Axis::Cols, cols);
    return bmp;
}

TEST(Demo, RendersControlBarAndPlaylist)
{
    TZorviPanel window;
    window.resize(480, 320);
    window.SetColor(0x302020);

    // Playlist docked left with 30 entries, a selection bar and a scroll bar.
    TZorviPlaylist playlist;
    for (int i = 0; i < 30; ++i) {
        TPlItem item;
        item.Title = QString("Track %1 - demo clip.avi").arg(i + 1);
        playlist.AddItem(item);
    }
    playlist.SetCurrent(2);
    playlist.SetSelected(4, true);
    playlist.SetSelected(5, true);
    auto *list = new TZorviListBox(&window);
    list->resize(200, 10);
    list->SetAlign(Align::Left);
    list->SetColor(0x403030);
    list->SetFontColor(clWhite);
    list->SetItemHeight(20);
    list->SetSeparatorHeight(1);
    list->SetSeparatorColor(0x605050);
    list->EditSelBitmap().LoadGuides(Axis::Rows, "");
    list->EditSelBitmap().LoadGuides(Axis::Cols, "");
    list->EditSelBitmap().AddPart("X0,Y0,LX,LY|C:$00A06030");
    list->ScrollBar()->SetBitmapB(Track(QColor(90, 70, 70), QColor(60, 40, 40), 8, 20, "", "2,-18,20"));
    KeyedBitmap scrollThumb;
    QImage st(8, 12, QImage::Format_RGB32);
    st.fill(QColor(200, 180, 160));
    scrollThumb.SetImage(st);
    list->ScrollBar()->SetThumb(&scrollThumb);
    list->ScrollBar()->ThumbW = 8;
    list->ScrollBar()->ThumbH = 12;
    list->SetList(&playlist);

    // Control bar docked at the bottom.
    auto *bar = new TZorviPanel(&window);
    bar->resize(280, 60); // the size its controls are placed against
    bar->SetBitmap(Track(QColor(70, 80, 110), QColor(150, 160, 200), 60, 60, "15,-45,60", "4,-56,60"));

    std::vector<TZorviButton *> buttons;
    const QColor faces[5] = {QColor(60, 120, 200), QColor(60, 180, 90), QColor(200, 120, 60),
                             QColor(180, 60, 160), QColor(120, 120, 120)};
    for (int i = 0; i < 5; ++i) {
        auto *b = new TZorviButton(bar);
        b->SetBounds(8 + i * 30, 30, 24, 24);
        KeyedBitmap sheet;
        sheet.SetImage(ButtonSheet(faces[i]));
        sheet.TransparentFixed = true;
        sheet.TransparentColor = clFuchsia;
        sheet.Transparent = true;
        b->SetBitmap(sheet);
        b->SetTransparent(true);
        b->SetBitStates(3);
        buttons.push_back(b);
    }
    wt::Enter(buttons[1]); // hover
    wt::Enter(buttons[2]); // pressed
    wt::Press(buttons[2], {12, 12});
    buttons[3]->SetChecked(true);  // checked: pressed row outside
    buttons[4]->setEnabled(false); // disabled: top cell

    auto *seek = new TZorviTrackbar(bar);
    seek->SetBounds(8, 8, 264, 14);
    seek->SetAnchors(AnchorKind::Left | AnchorKind::Top | AnchorKind::Right);
    seek->SetBitmapB(Track(QColor(40, 40, 50), QColor(20, 20, 20), 20, 14, "3,-17,20", ""));
    seek->SetBitmapF(Track(QColor(80, 160, 240), QColor(20, 20, 20), 20, 14, "3,-17,20", ""));
    KeyedBitmap thumb;
    thumb.SetImage(
        wt::CellSheet(1, 3, 10, 14, {QColor(230, 230, 230), QColor(255, 255, 160), QColor(255, 200, 80)}));
    seek->SetThumb(&thumb);
    seek->ThumbW = 10;
    seek->ThumbH = 14;
    seek->SetThumbStates(3);
    seek->SetMax(3600);
    seek->SetPosition(1200);

    auto *volume = new TZorviTrackbar(bar);
    volume->SetBounds(254, 26, 14, 32);
    volume->SetAnchors(AnchorKind::Right | AnchorKind::Top);
    volume->SetVertical(true);
    volume->SetBitmapB(Track(QColor(40, 40, 50), QColor(20, 20, 20), 14, 20, "", "3,-17,20"));
    volume->SetBitmapF(Track(QColor(90, 220, 110), QColor(20, 20, 20), 14, 20, "", "3,-17,20"));
    volume->SetMax(100);
    volume->SetPosition(75);

    auto *label = new TZorviLabel(bar);
    label->SetBounds(160, 34, 90, 16);
    label->SetAnchors(AnchorKind::Left | AnchorKind::Top | AnchorKind::Right);
    label->SetFontColor(clWhite);
    label->SetCaption("00:20:00 / 01:00:00 Rock & Roll");

    // Docked only now: the bar's controls were placed against 280 pixels and
    // follow the bar to the window's width through their anchors.
    bar->SetAlign(Align::Bottom);

    // Video area stand-in: a client-docked plain panel.
    auto *video = new TZorviPanel(&window);
    video->SetAlign(Align::Client);
    video->SetColor(clBlack);

    const QImage shot = wt::Render(&window);
    const QString dir = qEnvironmentVariable("ZORVI_BUILD_DIR", QDir::tempPath());
    ASSERT_TRUE(shot.save(dir + "/controls_demo.png"));

    EXPECT_EQ(list->geometry(), QRect(0, 0, 200, 260));
    EXPECT_EQ(bar->geometry(), QRect(0, 260, 480, 60));
    EXPECT_EQ(seek->geometry(), QRect(8, 8, 464, 14)); // stretched with the bar
    EXPECT_EQ(volume->geometry(), QRect(454, 26, 14, 32));
    EXPECT_EQ(list->PageCount(), 12);
    EXPECT_EQ(list->ScrollBar()->Max(), 18);
    EXPECT_EQ(buttons[1]->CurrentCell(), QPoint(0, 1));
    EXPECT_EQ(buttons[2]->CurrentCell(), QPoint(0, 2));
    EXPECT_EQ(buttons[3]->CurrentCell(), QPoint(0, 2));
    EXPECT_EQ(buttons[4]->CurrentCell(), QPoint(0, 0));
    // The key-colour corner of a button shows the bar beneath it.
    const QRgb corner = wt::Pixel(shot, 8, 260 + 30);
    EXPECT_EQ(corner, wt::Pixel(shot, 6, 260 + 30));
    EXPECT_NE(corner, 0xFF00FFu);
    // Seek thumb at 1200 of 3600 over 464 pixels: centre 5 + 1200 * 454 / 3600 = 156.
    EXPECT_EQ(seek->PositionToPixel(), 156);
    EXPECT_EQ(wt::Pixel(shot, 8 + 156, 260 + 15), 0xE6E6E6u);
}

} // namespace
