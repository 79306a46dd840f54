#include "tools/skinart/MiniSkin.h"

#include <QPainter>

MiniIni::MiniIni(const QString &text)
{
    QString section;
    bool inSection = false;
    for (QString line : text.split(QLatin1Char('\n'))) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            section = line.mid(1, line.size() - 2).trimmed();
            inSection = true;
            if (!m_values.contains(section.toLower()))
                m_order << section;
            m_values[section.toLower()];
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (!inSection || eq < 0)
            continue;
        m_values[section.toLower()][line.left(eq).trimmed().toLower()] = line.mid(eq + 1).trimmed();
    }
}

bool MiniIni::Has(const QString &section, const QString &key) const
{
    return m_values.value(section.toLower()).contains(key.toLower());
}

QString MiniIni::Value(const QString &section, const QString &key, const QString &def) const
{
    return m_values.value(section.toLower()).value(key.toLower(), def);
}

int MiniIni::Int(const QString &section, const QString &key, int def) const
{
    bool ok = false;
    const int v = Value(section, key).toInt(&ok);
    return ok ? v : def;
}

std::optional<QColor> ParseSkinColor(const QString &text)
{
    const QString t = text.trimmed();
    static const QMap<QString, QRgb> names = {{"clblack", 0x000000},  {"clwhite", 0xFFFFFF},
                                              {"clgray", 0x808080},   {"clfuchsia", 0xFF00FF},
                                              {"clsilver", 0xC0C0C0}, {"clnavy", 0x000080}};
    if (names.contains(t.toLower()))
        return QColor::fromRgb(names.value(t.toLower()));
    if (t.startsWith(QLatin1Char('$'))) {
        bool ok = false;
        const uint bgr = t.mid(1).toUInt(&ok, 16);
        if (ok)
            return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
    }
    return std::nullopt;
}

namespace {

// Guide list rules of the skin format: ids default to X1.. / LX, a negative
// value marks the segment before the guide as stretchable.
std::optional<MiniGuides> ParseGuides(QString text, QChar prefix, int imageSize, QString &error)
{
    text = text.trimmed();
    if (text.isEmpty())
        text = QStringLiteral("-%1").arg(imageSize > 0 ? imageSize : 100);
    const QStringList items = text.split(QLatin1Char(','));
    MiniGuides g;
    int start = 0;
    auto split = [](const QString &item, QString &id, int &value) {
        const qsizetype colon = item.indexOf(QLatin1Char(':'));
        id = colon >= 0 ? item.left(colon).trimmed() : QString();
        bool ok = false;
        value = (colon >= 0 ? item.mid(colon + 1) : item).trimmed().toInt(&ok);
        return ok;
    };
    QString id;
    int value = 0;
    if (!split(items[0], id, value)) {
        error = "not a number in " + text;
        return std::nullopt;
    }
    if (value == 0) {
        g.ids << (id.isEmpty() ? QString(prefix) + "0" : id);
        start = 1;
    } else {
        g.ids << QString(prefix) + "0";
    }
    g.coords << 0;
    for (int k = start; k < items.size(); ++k) {
        if (!split(items[k], id, value)) {
            error = "not a number in " + text;
            return std::nullopt;
        }
        const int i = int(g.coords.size());
        const bool last = k == items.size() - 1;
        if (id.isEmpty())
            id = last ? QStringLiteral("L") + prefix : QString(prefix) + QString::number(i);
        if (g.ids.contains(id, Qt::CaseInsensitive)) {
            error = "Duplicate point id: " + id;
            return std::nullopt;
        }
        const int c = std::abs(value);
        if (c <= g.coords.last()) {
            error = "Coordinate(without -) must be greater than the previous one: " + text;
            return std::nullopt;
        }
        g.stretch << (value < 0);
        if (value < 0)
            g.lastStretch = i;
        else
            g.fixed += c - g.coords.last();
        g.ids << id;
        g.coords << c;
    }
    if (imageSize > 0 && g.coords.last() != imageSize) {
        error = QStringLiteral("parts %1 don't match the bitmap size %2").arg(text).arg(imageSize);
        return std::nullopt;
    }
    return g;
}

QVector<int> Layout(const MiniGuides &g, int a, int b)
{
    const int n = int(g.coords.size()) - 1;
    QVector<int> t(n + 1, a);
    t[n] = b;
    if (n <= 1)
        return t;
    const int last = g.lastStretch < 0 ? n : g.lastStretch;
    for (int i = 1; i <= last - 1; ++i) {
        int d = g.coords[i] - g.coords[i - 1];
        if (g.stretch[i - 1] && g.coords[n] != g.fixed)
            d = d * (b - a - g.fixed) / (g.coords[n] - g.fixed);
        t[i] = t[i - 1] + d;
    }
    for (int i = n - 1; i >= last; --i)
        t[i] = t[i + 1] - (g.coords[i + 1] - g.coords[i]);
    return t;
}

} // namespace

MiniMultiPart::MiniMultiPart(const MiniIni &ini, const QString &section, const QString &prefix,
                             const SkinImages &images, QStringList &errors)
{
    const QString where = section + ", " + prefix + ": ";
    const QString file = ini.Value(section, prefix);
    if (!file.isEmpty()) {
        bool found = false;
        for (auto it = images.begin(); it != images.end(); ++it) {
            if (it.key().compare(file, Qt::CaseInsensitive) == 0) {
                m_image = it.value();
                found = true;
            }
        }
        if (!found)
            errors << where + "no picture " + file;
    }
    QString error;
    auto rows = ParseGuides(ini.Value(section, prefix + "Rows"), QLatin1Char('Y'), m_image.height(), error);
    auto cols = ParseGuides(ini.Value(section, prefix + "Cols"), QLatin1Char('X'), m_image.width(), error);
    if (!rows || !cols) {
        errors << where + error;
        return;
    }
    m_rows = *rows;
    m_cols = *cols;
    for (int n = 0; ini.Has(section, prefix + "Part" + QString::number(n)); ++n) {
        const QString text = ini.Value(section, prefix + "Part" + QString::number(n));
        const QStringList pieces = text.split(QLatin1Char('|'));
        const QStringList rect = pieces[0].split(QLatin1Char(','));
        if (rect.size() != 4) {
            errors << where + text + " is not a valid rect";
            return;
        }
        MiniPart part;
        const int idx[4] = {int(m_cols.ids.indexOf(rect[0].trimmed().toUpper())),
                            int(m_rows.ids.indexOf(rect[1].trimmed().toUpper())),
                            int(m_cols.ids.indexOf(rect[2].trimmed().toUpper())),
                            int(m_rows.ids.indexOf(rect[3].trimmed().toUpper()))};
        if (idx[0] < 0 || idx[1] < 0 || idx[2] <= idx[0] || idx[3] <= idx[1]) {
            errors << where + "bad part " + text;
            return;
        }
        part.left = idx[0];
        part.top = idx[1];
        part.right = idx[2];
        part.bottom = idx[3];
        if (pieces.size() > 1) {
            const QString flags = pieces[1].trimmed();
            if (flags.startsWith(QLatin1Char('C'))) {
                part.color = ParseSkinColor(flags.mid(flags.indexOf(QLatin1Char(':')) + 1));
                if (!part.color) {
                    errors << where + "bad colour in " + text;
                    return;
                }
            } else if (m_image.isNull()) {
                errors << where + "A color must be defined when there is no bitmap";
                return;
            } else {
                part.stretch = flags.contains("HS") || flags.contains("VS");
            }
        }
        m_parts << part;
    }
}

void MiniMultiPart::Draw(QPainter &p, const QRect &target) const
{
    const QVector<int> tx = Layout(m_cols, target.left(), target.left() + target.width());
    const QVector<int> ty = Layout(m_rows, target.top(), target.top() + target.height());
    QVector<MiniPart> parts = m_parts;
    if (parts.isEmpty()) {
        for (int i = 0; i + 1 < m_cols.coords.size(); ++i)
            for (int j = 0; j + 1 < m_rows.coords.size(); ++j)
                parts << MiniPart{i, j, i + 1, j + 1, m_cols.stretch[i] || m_rows.stretch[j], std::nullopt};
    }
    for (const MiniPart &part : parts) {
        const QRect dst(QPoint(tx[part.left], ty[part.top]), QPoint(tx[part.right] - 1, ty[part.bottom] - 1));
        if (part.color) {
            p.fillRect(dst, *part.color);
            continue;
        }
        if (m_image.isNull())
            continue;
        const QRect src(QPoint(m_cols.coords[part.left], m_rows.coords[part.top]),
                        QPoint(m_cols.coords[part.right] - 1, m_rows.coords[part.bottom] - 1));
        if (part.stretch)
            p.drawImage(dst, m_image, src);
        else
            p.drawImage(dst.topLeft(), m_image, src);
    }
}

QStringList CheckSkin(const QString &iniText, const SkinImages &images)
{
    const MiniIni ini(iniText);
    QStringList errors;
    static const char *const groups[] = {"Bitmap", "BitmapB", "BitmapF", "SelBitmap", "ScrollbarBmp"};
    for (const QString &section : ini.Sections()) {
        for (const char *g : groups) {
            const QString prefix = QLatin1String(g);
            if (ini.Has(section, prefix) || ini.Has(section, prefix + "Part0") ||
                ini.Has(section, prefix + "Cols"))
                MiniMultiPart(ini, section, prefix, images, errors);
        }
        for (const char *plain : {"ThumbBmp"}) {
            const QString file = ini.Value(section, QLatin1String(plain));
            if (!file.isEmpty() && !images.contains(file))
                errors << section + ": no picture " + file;
        }
        const int states = ini.Int(section, "BitStates", 1);
        const QString file = ini.Value(section, "Bitmap");
        if (ini.Has(section, "BitStates") && images.contains(file)) {
            const QImage &img = images[file];
            const int cw = states == 6 ? img.width() / 2 : img.width();
            const int ch = states == 1 ? img.height() : img.height() / 3;
            if (cw != ini.Int(section, "Width") || ch != ini.Int(section, "Height"))
                errors << QStringLiteral("%1: cell %2x%3 differs from the control size")
                              .arg(section)
                              .arg(cw)
                              .arg(ch);
        }
        for (const char *key : {"Color", "SeparatorColor", "FontColor", "Font1Color", "Font2Color"}) {
            if (ini.Has(section, QLatin1String(key)) &&
                !ParseSkinColor(ini.Value(section, QLatin1String(key))))
                errors << section + ": bad colour " + ini.Value(section, QLatin1String(key));
        }
    }
    for (auto it = images.begin(); it != images.end(); ++it) {
        if (!iniText.contains(it.key(), Qt::CaseInsensitive))
            errors << "picture not named by skin.ini: " + it.key();
    }
    return errors;
}
