#include "skin/SkinIni.h"

#include "common/TextDecode.h"
#include "skin/SkinFile.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <climits>

std::optional<int> ParseSkinInteger(const QString &text)
{
    QString t = text.trimmed();
    bool neg = false;
    if (t.startsWith(u'-') || t.startsWith(u'+')) {
        neg = t.startsWith(u'-');
        t.remove(0, 1);
    }
    int base = 10;
    if (t.startsWith(u'$')) {
        base = 16;
        t.remove(0, 1);
    } else if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        base = 16;
        t.remove(0, 2);
    }
    if (t.isEmpty())
        return std::nullopt;
    bool ok = false;
    const qlonglong v = t.toLongLong(&ok, base);
    if (!ok)
        return std::nullopt;
    const qlonglong s = neg ? -v : v;
    // Hexadecimal values are 32-bit patterns ($FFFFFFFF is -1), decimal must fit.
    if (base == 16 && v <= 0xFFFFFFFFLL)
        return int(quint32(s));
    if (s < INT_MIN || s > INT_MAX)
        return std::nullopt;
    return int(s);
}

void SkinIni::SetText(const QString &text)
{
    // CR LF counts once, as the split below reads it.
    qsizetype lines = 1;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text[i] == u'\n' || (text[i] == u'\r' && (i + 1 == text.size() || text[i + 1] != u'\n')))
            ++lines;
    if (lines > MaxLines)
        throw ESkinTooLarge(QStringLiteral("Skin too large: skin.ini has %1 lines; it may have at most %2.")
                                .arg(lines)
                                .arg(MaxLines));
    SetLines(text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n"))));
}

void SkinIni::SetLines(const QStringList &lines)
{
    Clear();
    for (const QString &raw : lines) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(u';'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            const QString name = line.mid(1, line.size() - 2).trimmed();
            m_sections.push_back(Section{name, name.toCaseFolded(), false});
            m_lastOf.insert(m_sections.back().folded, qsizetype(m_sections.size()) - 1);
            continue;
        }
        // Lines before the first section, and lines without "=", are never read.
        const qsizetype eq = line.indexOf(u'=');
        if (!m_sections.empty() && eq >= 0)
            m_values.insert({qsizetype(m_sections.size()) - 1, line.left(eq).trimmed().toCaseFolded()},
                            line.mid(eq + 1).trimmed());
    }
}

void SkinIni::Clear()
{
    m_sections.clear();
    m_lastOf.clear();
    m_values.clear();
}

void SkinIni::LoadFromFile(const QString &fileName)
{
    if (!QFileInfo::exists(fileName)) {
        Clear();
        return;
    }
    SetText(DecodeTextFile(ReadSkinFile(fileName, QStringLiteral("skin.ini"), MaxBytes)));
}

bool SkinIni::SectionExists(const QString &section) const
{
    return m_lastOf.contains(section.toCaseFolded());
}

std::optional<QString> SkinIni::Value(const QString &section, const QString &key) const
{
    const auto s = m_lastOf.constFind(section.toCaseFolded());
    if (s == m_lastOf.cend())
        return std::nullopt;
    const auto value = m_values.constFind({*s, key.toCaseFolded()});
    if (value == m_values.cend())
        return std::nullopt;
    return *value;
}

bool SkinIni::ValueExists(const QString &section, const QString &key) const
{
    return Value(section, key).has_value();
}

QString SkinIni::ReadString(const QString &section, const QString &key, const QString &def) const
{
    return Value(section, key).value_or(def);
}

int SkinIni::ReadInteger(const QString &section, const QString &key, int def) const
{
    const auto v = Value(section, key);
    if (!v)
        return def;
    return ParseSkinInteger(*v).value_or(def);
}

bool SkinIni::ReadBool(const QString &section, const QString &key, bool def) const
{
    const auto v = Value(section, key);
    if (!v)
        return def;
    const auto n = ParseSkinInteger(*v);
    return n ? *n != 0 : def;
}

QStringList SkinIni::SectionNames() const
{
    QStringList names;
    QSet<QString> seen;
    for (const Section &s : m_sections)
        if (!s.erased && !seen.contains(s.folded)) {
            seen.insert(s.folded);
            names.append(s.name);
        }
    return names;
}

void SkinIni::EraseSection(const QString &section)
{
    const QString folded = section.toCaseFolded();
    if (!m_lastOf.remove(folded))
        return;
    for (Section &s : m_sections)
        if (s.folded == folded)
            s.erased = true;
}
