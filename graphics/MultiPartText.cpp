// The text side of TMultiPartBitmap: guide lists and part descriptions.
#include "common/TextHelpers.h"
#include "graphics/Convert.h"
#include "graphics/MultiPartBitmap.h"

#include <climits>

namespace {
const QString GuidesSyntax = QStringLiteral("\n\rSyntax: [[P0:]0,][P1:]10,...,[LP:]10");
const QString RectSyntax = QStringLiteral("\n\rSyntax: X0,Y0,LX,LY[|...]");
const QString ColorSyntax = QStringLiteral("\n\rSyntax: ...|C:$00F2A300");
const QString SubSizeSyntax = QStringLiteral("\n\rSyntax: ...|12,45");

// Skin texts are trimmed of control characters and blanks (codes below 33).
QString trimLow(const QString &text)
{
    qsizetype first = 0, last = text.size();
    while (first < last && text[first].unicode() < 33)
        ++first;
    while (last > first && text[last - 1].unicode() < 33)
        --last;
    return text.mid(first, last - first);
}

int indexOfId(const QStringList &ids, const QString &id, qsizetype limit)
{
    limit = std::min(limit, ids.size());
    for (qsizetype k = 0; k < limit; ++k)
        if (ids[k].compare(id, Qt::CaseInsensitive) == 0)
            return int(k);
    return -1;
}

// "id:value" or "value"; the id loses its surrounding blanks, the value is
// converted as it stands (leading blanks allowed, nothing after the number).
struct GuideItem {
    QString id;
    int value;
};

GuideItem readItem(const QString &item)
{
    const qsizetype colon = item.indexOf(u':');
    GuideItem r;
    const QString valueText = colon < 0 ? item : item.mid(colon + 1);
    if (colon >= 0)
        r.id = item.left(colon).trimmed();
    const std::int32_t v = TextToIntOrThrow(valueText);
    // The sign only marks stretching; -2147483648 has no 32-bit magnitude, so
    // it is refused like any other number out of range.
    if (v == INT_MIN)
        throw ConvertError(NotAnIntegerMessage(valueText));
    r.value = v;
    return r;
}

// Parses a trimmed guide text; throws on the first fault.
TGuides parseGuides(const QString &text, const QString &prefix, int imageSize)
{
    QStringList items;
    SplitText(text, u',', items);

    TGuides g;
    const GuideItem origin = readItem(items[0]);
    qsizetype next = 0;
    if (origin.value != 0) {
        g.Ids << prefix + u'0';
    } else {
        g.Ids << (origin.id.isEmpty() ? prefix + u'0' : origin.id);
        next = 1;
    }
    g.Coords.push_back(0);

    for (qsizetype k = next; k < items.size(); ++k) {
        const int i = int(g.Coords.size());
        const GuideItem item = k == 0 ? origin : readItem(items[k]);
        QString id = item.id;
        if (id.isEmpty())
            id = k == items.size() - 1 ? u'L' + prefix : prefix + QString::number(i);
        if (indexOfId(g.Ids, id, g.Ids.size()) >= 0)
            throw EPartsError(QStringLiteral("Duplicate point id: ") + id);
        g.Ids << id;
        const int coord = item.value < 0 ? -item.value : item.value;
        const int previous = g.Coords.back();
        if (coord <= previous)
            throw EPartsError(
                QStringLiteral("Coordinate(without -) must be greater than the previous one\n\r") + text);
        if (item.value < 0) {
            g.Stretch.push_back(true);
            g.LastStretch = i;
        } else {
            g.Stretch.push_back(false);
            g.FixedSize += coord - previous;
        }
        g.Coords.push_back(coord);
    }
    if (imageSize >= 0 && g.Coords.back() != imageSize)
        throw EPartsError(
            QStringLiteral("parts %1 don't match the bitmap size %2").arg(text, QString::number(imageSize)));
    return g;
}
} // namespace

void TMultiPartBitmap::LoadGuides(Axis axis, const QString &text)
{
    const bool cols = axis == Axis::Cols;
    TGuides &g = cols ? Cols : Rows;
    ClearParts();
    (cols ? ColPos : RowPos).clear();

    const QString prefix = cols ? QStringLiteral("X") : QStringLiteral("Y");
    const int imageSize = Empty() ? -1 : (cols ? Width() : Height());
    QString trimmed = trimLow(text);
    if (trimmed.isEmpty())
        trimmed = u'-' + QString::number(imageSize < 0 ? 100 : imageSize);
    try {
        g = parseGuides(trimmed, prefix, imageSize);
    } catch (const EPartsError &) {
        LoadGuides(axis, QString());
        throw;
    } catch (const ConvertError &e) {
        LoadGuides(axis, QString());
        throw EPartsError(e.message() + GuidesSyntax);
    }
}

void TMultiPartBitmap::AddPart(const QString &text)
{
    const QString t = trimLow(text);
    QStringList pieces;
    SplitText(t, u'|', pieces);
    QStringList rect;
    SplitText(pieces[0], u',', rect);
    if (rect.size() != 4)
        throw EPartsError(pieces[0] + QStringLiteral(" is not a valid rect") + RectSyntax);

    // Ids are looked up only among guides that have a coordinate too.
    auto find = [](const TGuides &g, const QString &item) {
        const QString id = item.trimmed();
        const int k = indexOfId(g.Ids, id, qsizetype(g.Coords.size()));
        if (k < 0)
            throw EPartsError(id + QStringLiteral(" is not a valid col/row id"));
        return k;
    };
    const QString emptyMessage = QStringLiteral("Part rect is empty: ") + t;
    TBitmapPart p;
    p.Left = find(Cols, rect[0]);
    p.Top = find(Rows, rect[1]);
    p.Right = find(Cols, rect[2]);
    if (p.Right <= p.Left)
        throw EPartsError(emptyMessage);
    p.Bottom = find(Rows, rect[3]);
    if (p.Bottom <= p.Top)
        throw EPartsError(emptyMessage);

    if (pieces.size() >= 2) {
        const QString flags = pieces[1].trimmed();
        if (flags.startsWith(u'C')) {
            p.Flags = PartFlag::Color;
            const qsizetype colon = flags.indexOf(u':');
            if (colon < 0)
                throw EPartsError(QStringLiteral("Missing color in ") + t + ColorSyntax);
            const auto color = StringToColor(flags.mid(colon + 1).trimmed());
            if (!color)
                throw EPartsError(flags + QStringLiteral(" is not a valid color") + ColorSyntax);
            p.ColorOrSubSize = quint32(*color);
        } else {
            if (Empty())
                throw EPartsError(QStringLiteral("A color must be defined when there is no bitmap"));
            QStringList tokens;
            SplitText(flags, u',', tokens);
            for (qsizetype k = 0; k < std::min<qsizetype>(2, tokens.size()); ++k) {
                const QString token = tokens[k].trimmed();
                if (token == QLatin1String("HS"))
                    p.Flags |= PartFlag::HS;
                else if (token == QLatin1String("VS"))
                    p.Flags |= PartFlag::VS;
            }
            if (pieces.size() >= 3) {
                QStringList sizes;
                SplitText(pieces[2], u',', sizes);
                if (sizes.size() != 2)
                    throw EPartsError(QStringLiteral("Invalid subsizes: ") + pieces[2] + SubSizeSyntax);
                // Kept as 16 bits, as the part stores them: -1 reads as 65535.
                const quint16 w = quint16(TextToIntOrThrow(sizes[0]));
                const int maxW = Cols.Coords[p.Right] - Cols.Coords[p.Left];
                if (w < 1 || w > maxW)
                    throw EPartsError(QStringLiteral("SubWidth: %1 must be within 1,%2").arg(w).arg(maxW));
                const quint16 h = quint16(TextToIntOrThrow(sizes[1]));
                const int maxH = Rows.Coords[p.Bottom] - Rows.Coords[p.Top];
                if (h < 1 || h > maxH)
                    throw EPartsError(QStringLiteral("SubHeight: %1 must be within 1,%2").arg(h).arg(maxH));
                p.ColorOrSubSize = quint32(w) | (quint32(h) << 16);
            }
        }
    }
    Parts.push_back(p);
}
