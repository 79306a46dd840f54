#include "tools/skinart/Preview.h"

#include "tools/skinart/MiniSkin.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

namespace {

struct Placed {
    QRect rect;
    bool ok = false;
};

QRect Place(const MiniIni &ini, const QString &s, const QMap<QString, QRect> &parents)
{
    const QRect parent = parents.value(ini.Value(s, "Parent", "BottomPanel"), parents.value("BottomPanel"));
    int x = ini.Int(s, "X"), y = ini.Int(s, "Y"), w = ini.Int(s, "Width"), h = ini.Int(s, "Height");
    if (ini.Int(s, "CenterH")) {
        x = (parent.width() - w) / 2 + x;
    } else {
        if (x < 0)
            x += parent.width();
        if (w < 0)
            w = parent.width() + w - x;
    }
    if (ini.Int(s, "CenterV")) {
        y = (parent.height() - h) / 2 + y;
    } else {
        if (y < 0)
            y += parent.height();
        if (h < 0)
            h = parent.height() + h - y;
    }
    return QRect(parent.x() + x, parent.y() + y, w, h);
}

QFont LabelFont(const MiniIni &ini, const QString &s, const QString &prefix, QColor &color)
{
    QFont font(ini.Value(s, prefix + "Name", "Tahoma"));
    font.setPointSize(ini.Int(s, prefix + "Size", 8));
    const QString style = ini.Value(s, prefix + "Style");
    font.setBold(style.contains('B'));
    font.setItalic(style.contains('I'));
    color = ParseSkinColor(ini.Value(s, prefix + "Color", "clBlack")).value_or(Qt::black);
    return font;
}

QImage Keyed(const QImage &img)
{
    QImage out = img.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if ((line[x] & 0xFFFFFF) == (kKeyColor.rgb() & 0xFFFFFF))
                line[x] = 0;
    }
    return out;
}

class Composer {
public:
    Composer(const QString &iniText, const SkinImages &skinImages, QSize windowSize, bool withPlaylist)
        : ini(iniText), images(skinImages), size(windowSize), showPlaylist(withPlaylist)
    {
    }

    QImage Run()
    {
        QImage win(size, QImage::Format_RGB32);
        win.fill(Qt::black);
        QPainter p(&win);
        p.setRenderHint(QPainter::TextAntialiasing);
        Panels(p);
        for (const char *b : {"BPlay", "BPlayPause", "BPause", "BStop", "BNext", "BPrev", "BMute", "BSeekB",
                              "BSeekF", "BPlaylist", "BStatus", "BMainQuit", "BFullscreen", "BMinimize"})
            Button(p, b);
        Trackbar(p, "SeekBar", 1.0 / 3);
        Trackbar(p, "VolBar", 0.75);
        const QMap<QString, QString> captions = {{"LTime", "0:03:21 / 0:09:56"},
                                                 {"LMediaURL", "Big Buck Bunny (2008) - 1080p.mkv"},
                                                 {"LPlaylist", "Playlist"},
                                                 {"LStatus", "Playing"}};
        for (auto it = captions.begin(); it != captions.end(); ++it)
            Label(p, it.key(), it.value());
        static const QStringList fixed = {
            "general",    "toppanel",  "bottompanel", "leftpanel", "rightpanel",  "playlist",  "bplay",
            "bplaypause", "bpause",    "bstop",       "bnext",     "bprev",       "bmute",     "bseekb",
            "bseekf",     "bplaylist", "bstatus",     "bmainquit", "bfullscreen", "bminimize", "seekbar",
            "volbar",     "ltime",     "lmediaurl",   "lplaylist", "lstatus"};
        for (const QString &s : ini.Sections()) {
            if (fixed.contains(s.toLower()))
                continue;
            const QString type = ini.Value(s, "Type");
            if (type == "button")
                Button(p, s);
            else if (type == "image" || type == "sizegrip")
                Image(p, s, type == "sizegrip");
        }
        p.end();
        return Shape(win);
    }

private:
    MiniIni ini;
    const SkinImages &images;
    QSize size;
    bool showPlaylist;
    QMap<QString, QRect> parents;
    QStringList errors;

    bool Hidden(const QString &s) const { return ini.Value(s, "Parent") == "Playlist" && !showPlaylist; }

    void Panel(QPainter &p, const QString &s, const QRect &r)
    {
        MiniMultiPart bmp(ini, s, "Bitmap", images, errors);
        if (bmp.HasImage() || bmp.Drawable())
            bmp.Draw(p, r);
        else
            p.fillRect(r, ParseSkinColor(ini.Value(s, "Color", "clGray")).value_or(Qt::gray));
    }

    void Panels(QPainter &p)
    {
        const int top = ini.Int("TopPanel", "Size"), bottom = ini.Int("BottomPanel", "Size");
        const int left = ini.Int("LeftPanel", "Size"), right = ini.Int("RightPanel", "Size");
        const int midH = size.height() - top - bottom;
        parents["TopPanel"] = QRect(0, 0, size.width(), top);
        parents["BottomPanel"] = QRect(0, size.height() - bottom, size.width(), bottom);
        parents["LeftPanel"] = QRect(0, top, left, midH);
        parents["RightPanel"] = QRect(size.width() - right, top, right, midH);
        const int plW = ini.Int("Playlist", "Size");
        const bool plRight = ini.Value("Playlist", "Align").compare("alRight", Qt::CaseInsensitive) == 0;
        parents["Playlist"] = QRect(plRight ? size.width() - right - plW : left, top, plW, midH);
        for (const char *s : {"TopPanel", "BottomPanel", "LeftPanel", "RightPanel"})
            Panel(p, s, parents[s]);
        if (showPlaylist)
            Playlist(p, parents["Playlist"]);
    }

    void Playlist(QPainter &p, const QRect &r)
    {
        Panel(p, "Playlist", r);
        const QStringList m = ini.Value("Playlist", "Margins", "4,4,4,4").split(',');
        const int ml = m.value(0).toInt(), mt = m.value(1).toInt(), mr = m.value(2).toInt(),
                  mb = m.value(3).toInt();
        const int sbw = ini.Int("Playlist", "ScrollbarWidth", 8);
        const int sep = ini.Int("Playlist", "SeparatorHeight");
        const QColor sepColor =
            ParseSkinColor(ini.Value("Playlist", "SeparatorColor", "clBlack")).value_or(Qt::black);
        const QRect sb(r.right() + 1 - mr - sbw, r.y() + mt, sbw, r.height() - mt - mb);
        const QRect items(r.x() + ml, r.y() + mt, r.width() - ml - mr - sbw, r.height() - mt - mb);
        const QStringList titles = {"Big Buck Bunny (2008) - 1080p.mkv",
                                    "Sintel.2010.720p.mkv",
                                    "Tears of Steel [4K].mp4",
                                    "Elephants Dream.avi",
                                    "Cosmos Laundromat - First Cycle.webm",
                                    "Spring - Blender Open Movie.mp4",
                                    "Agent 327 Operation Barbershop.mkv",
                                    "Caminandes 3 Llamigos.mp4",
                                    "Glass Half.mkv",
                                    "Hero.mp4",
                                    "Coffee Run.mkv",
                                    "Sprite Fright.mkv",
                                    "Charge.mp4",
                                    "Wing It!.mkv"};
        QColor fontColor;
        QFont font = LabelFont(ini, "Playlist", "Font", fontColor);
        MiniMultiPart sel(ini, "Playlist", "SelBitmap", images, errors);
        const int itemH = 32;
        p.save();
        p.setClipRect(items);
        int y = items.y();
        for (int i = 0; i < titles.size() && y < items.bottom(); ++i) {
            const QRect row(items.x(), y, items.width(), itemH);
            if (i == 3 || i == 4)
                sel.Draw(p, row);
            QFont f = font;
            f.setBold(i == 1);
            QFont num = f;
            num.setPixelSize(QFontMetrics(f).height() - 3 > 6 ? QFontInfo(f).pixelSize() - 3 : 7);
            p.setPen(fontColor);
            p.setFont(num);
            const QString n = QStringLiteral("%1 ").arg(i + 1, 2, 10, QLatin1Char('0'));
            p.drawText(QRect(row.x() + 2, row.y(), 30, itemH), Qt::AlignVCenter | Qt::AlignLeft, n);
            const int tx = row.x() + 2 + QFontMetrics(num).horizontalAdvance(n);
            p.setFont(f);
            const QRect title(tx, row.y(), row.right() - 2 - tx, itemH);
            p.drawText(title, Qt::AlignVCenter | Qt::AlignLeft,
                       QFontMetrics(f).elidedText(titles[i], Qt::ElideRight, title.width()));
            y += itemH;
            if (sep > 0) {
                p.fillRect(QRect(items.x(), y, items.width(), sep), sepColor);
                y += sep;
            }
        }
        p.restore();
        MiniMultiPart track(ini, "Playlist", "ScrollbarBmp", images, errors);
        track.Draw(p, sb);
        DrawThumb(p, "Playlist", sb, true, 0.0);
    }

    void DrawThumb(QPainter &p, const QString &s, const QRect &r, bool vertical, double frac)
    {
        const QString file = ini.Value(s, "ThumbBmp");
        if (file.isEmpty() || !images.contains(file))
            return;
        const QImage thumb = images[file];
        const int states = ini.Int(s, "ThumbStates", 1);
        const int tw = ini.Int(s, "ThumbW", thumb.width());
        const int th = ini.Int(s, "ThumbH", thumb.height() / states);
        const QImage cell = thumb.copy(0, 0, thumb.width(), thumb.height() / states);
        const QImage shown = ini.Int(s, "ThumbTransparent") ? Keyed(cell) : cell;
        QRect target;
        if (vertical) {
            const int pix = int(frac * (r.height() - th)) + th / 2;
            target = QRect(r.x() + (r.width() - tw) / 2, r.y() + pix - th / 2, tw, th);
        } else {
            const int pix = int(frac * (r.width() - tw)) + tw / 2;
            target = QRect(r.x() + pix - tw / 2, r.y() + (r.height() - th) / 2, tw, th);
        }
        p.drawImage(target, shown);
    }

    void Button(QPainter &p, const QString &s)
    {
        if (!ini.Sections().contains(s, Qt::CaseInsensitive) || Hidden(s))
            return;
        const QRect r = Place(ini, s, parents);
        const QString file = ini.Value(s, "Bitmap");
        if (!images.contains(file))
            return;
        const QImage img = images[file];
        const int states = ini.Int(s, "BitStates", 1);
        const int cw = states == 6 ? img.width() / 2 : img.width();
        const int ch = states == 1 ? img.height() : img.height() / 3;
        int col = 0, row = 0;
        // The status button shows "playing"; two-column sheets show their checked look.
        if (s == "BStatus" ||
            (states == 6 && (s == "BPlayPause" || s == "BPlay" || (s == "BPlaylist" && showPlaylist))))
            col = 1;
        const QImage cell = img.copy(col * cw, row * ch, cw, ch);
        p.drawImage(r, ini.Int(s, "Transparent") ? Keyed(cell) : cell);
    }

    void Trackbar(QPainter &p, const QString &s, double frac)
    {
        if (!ini.Sections().contains(s, Qt::CaseInsensitive))
            return;
        const QRect r = Place(ini, s, parents);
        MiniMultiPart b(ini, s, "BitmapB", images, errors);
        MiniMultiPart f(ini, s, "BitmapF", images, errors);
        if (!b.HasImage())
            return;
        QImage back(r.size(), QImage::Format_RGB32), fore(r.size(), QImage::Format_RGB32);
        {
            QPainter bp(&back);
            b.Draw(bp, QRect(QPoint(), r.size()));
            QPainter fp(&fore);
            f.Draw(fp, QRect(QPoint(), r.size()));
        }
        const QString tf = ini.Value(s, "ThumbBmp");
        const int tw = tf.isEmpty() ? 0 : ini.Int(s, "ThumbW", images.value(tf).width());
        const int pix = int(frac * (r.width() - tw)) + tw / 2;
        p.drawImage(r.topLeft(), back);
        if (f.HasImage())
            p.drawImage(r.topLeft(), fore, QRect(0, 0, pix, r.height()));
        DrawThumb(p, s, r, false, frac);
    }

    void Label(QPainter &p, const QString &s, const QString &caption)
    {
        if (!ini.Sections().contains(s, Qt::CaseInsensitive) || Hidden(s))
            return;
        const QRect r = Place(ini, s, parents);
        QColor color;
        p.setFont(LabelFont(ini, s, "Font1", color));
        p.setPen(color);
        const QString a = ini.Value(s, "Alignment", "taCenter").toLower();
        const Qt::Alignment h = a == "taleftjustify"    ? Qt::AlignLeft
                                : a == "tarightjustify" ? Qt::AlignRight
                                                        : Qt::AlignHCenter;
        p.drawText(r, int(h | Qt::AlignVCenter),
                   QFontMetrics(p.font()).elidedText(caption, Qt::ElideRight, r.width()));
    }

    void Image(QPainter &p, const QString &s, bool grip)
    {
        if (Hidden(s))
            return;
        const QRect r = Place(ini, s, parents);
        if (grip) {
            const QImage img = images.value(ini.Value(s, "Bitmap"));
            p.drawImage(r, ini.Int(s, "Transparent") ? Keyed(img) : img);
            return;
        }
        MiniMultiPart bmp(ini, s, "Bitmap", images, errors);
        bmp.Draw(p, r);
    }

    QImage Shape(const QImage &win)
    {
        const int round = ini.Int("General", "RoundRect");
        QImage out(win.size(), QImage::Format_RGB32);
        out.fill(QColor(0x8A, 0x90, 0x98));
        QPainter p(&out);
        QPainterPath clip;
        if (round > 0)
            clip.addRoundedRect(QRectF(0, 0, win.width() + 1, win.height() + 1), round / 2.0, round / 2.0);
        else
            clip.addRect(QRectF(0, 0, win.width(), win.height()));
        p.setClipPath(clip);
        p.drawImage(0, 0, win);
        return out;
    }
};

} // namespace

QImage RenderPreview(const QString &iniText, const SkinImages &images, QSize size, bool showPlaylist)
{
    return Composer(iniText, images, size, showPlaylist).Run();
}

QImage RenderSheet(const QString &iniText, const SkinImages &images)
{
    const MiniIni ini(iniText);
    const int minW = ini.Int("General", "MinWidth", 206);
    const QList<QPair<QSize, bool>> shots = {
        {{275, 276}, false}, {{minW, 276}, false}, {{800, 500}, true}, {{275, 276}, true}};
    int width = 16, height = 0;
    for (const auto &s : shots) {
        width += s.first.width() + 16;
        height = std::max(height, s.first.height());
    }
    int sheetsW = 16, sheetsH = 0;
    for (auto it = images.begin(); it != images.end(); ++it) {
        sheetsW += it.value().width() + 12;
        sheetsH = std::max(sheetsH, it.value().height());
    }
    QImage out(std::max(width, sheetsW), height + sheetsH + 48, QImage::Format_RGB32);
    out.fill(QColor(0x8A, 0x90, 0x98));
    QPainter p(&out);
    int x = 16;
    for (const auto &s : shots) {
        p.drawImage(x, 16, RenderPreview(iniText, images, s.first, s.second));
        x += s.first.width() + 16;
    }
    x = 16;
    for (auto it = images.begin(); it != images.end(); ++it) {
        p.drawImage(x, height + 32, it.value());
        x += it.value().width() + 12;
    }
    return out;
}
