#include "skin/SkinIni.h"

#include "common/TextDecode.h"

#include <QFile>
#include <QRegularExpression>
#include <climits>

namespace {
bool same(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}
} // namespace

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
    SetLines(text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n"))));
}

void SkinIni::SetLines(const QStringList &lines)
{
    m_sections.clear();
    Section *cur = nullptr;
    for (const QString &raw : lines) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(u';'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            m_sections.push_back(Section{line.mid(1, line.size() - 2).trimmed(), {}});
            cur = &m_sections.back();
            continue;
        }
        if (!cur)
            continue; // lines before the first section are ignored
        Entry e;
        const int eq = line.indexOf(u'=');
        if (eq >= 0) {
            e.key = line.left(eq).trimmed();
            e.value = line.mid(eq + 1).trimmed();
            e.hasValue = true;
        } else {
            e.key = line;
        }
        cur->entries.push_back(std::move(e));
    }
}

void SkinIni::LoadFromFile(const QString &fileName)
{
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly)) {
        m_sections.clear();
        return;
    }
    SetText(DecodeTextFile(f.readAll()));
}

const SkinIni::Section *SkinIni::find(const QString &section) const
{
    for (auto it = m_sections.rbegin(); it != m_sections.rend(); ++it)
        if (same(it->name, section))
            return &*it;
    return nullptr;
}

bool SkinIni::SectionExists(const QString &section) const
{
    return find(section) != nullptr;
}

std::optional<QString> SkinIni::Value(const QString &section, const QString &key) const
{
    const Section *s = find(section);
    if (!s)
        return std::nullopt;
    for (auto it = s->entries.rbegin(); it != s->entries.rend(); ++it)
        if (it->hasValue && same(it->key, key))
            return it->value;
    return std::nullopt;
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
    for (const Section &s : m_sections) {
        bool seen = false;
        for (const QString &n : names)
            seen = seen || same(n, s.name);
        if (!seen)
            names.append(s.name);
    }
    return names;
}

void SkinIni::EraseSection(const QString &section)
{
    std::erase_if(m_sections, [&](const Section &s) { return same(s.name, section); });
}
