#include "settings/IniFile.h"

#include "common/NumberFormat.h"
#include "common/TextDecode.h"
#include "common/ZError.h"
#include "platform/FileReplace.h"

#include <QFile>
#include <QSet>
#include <cmath>
#include <limits>

namespace {

QString folded(const QString &name)
{
    return name.toCaseFolded();
}

// A value must stay on its line: a line break in it would start a new key.
QString oneLine(const QString &text)
{
    QString s = text;
    s.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return s;
}

} // namespace

IniFile IniFile::FromBytes(const QByteArray &bytes)
{
    IniFile ini;
    const QString text = DecodeTextFile(bytes);
    ini.m_sections.push_back(Section{});
    qsizetype current = 0;

    qsizetype pos = 0;
    const qsizetype n = text.size();
    while (pos < n) {
        qsizetype end = pos;
        while (end < n && text[end] != QLatin1Char('\n') && text[end] != QLatin1Char('\r'))
            ++end;
        const QString raw = text.mid(pos, end - pos);
        pos = end;
        if (pos < n && text[pos] == QLatin1Char('\r'))
            ++pos;
        if (pos < n && text[pos] == QLatin1Char('\n') && (pos == end || text[pos - 1] == QLatin1Char('\r')))
            ++pos;

        const QString line = raw.trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            qsizetype close = line.indexOf(QLatin1Char(']'));
            if (close > 0) {
                const QString name = line.mid(1, close - 1).trimmed();
                current = 0; // an empty name: back among the lines that carry no values
                if (!name.isEmpty()) {
                    const auto known = ini.m_sectionAt.constFind(folded(name));
                    if (known != ini.m_sectionAt.cend()) {
                        current = *known;
                    } else {
                        current = qsizetype(ini.m_sections.size());
                        ini.m_sections.push_back(Section{name, {}});
                        ini.m_sectionAt.insert(folded(name), current);
                    }
                }
                continue;
            }
        }
        qsizetype eq = line.indexOf(QLatin1Char('='));
        const bool isValue =
            eq > 0 && !line.startsWith(QLatin1Char(';')) && current != 0; // 0: no section yet
        if (isValue)
            ini.addLine(current, Line{line.left(eq).trimmed(), line.mid(eq + 1).trimmed(), {}});
        else
            ini.addLine(current, Line{{}, {}, raw});
    }
    return ini;
}

IniFile IniFile::Load(const QString &path)
{
    QFile f(path);
    if (!f.exists())
        return IniFile{};
    if (!f.open(QIODevice::ReadOnly))
        throw ZError(QStringLiteral("Unable to read ") + path);
    return FromBytes(f.readAll());
}

QByteArray IniFile::ToBytes(bool keepComments) const
{
    QString out;
    bool first = true;
    for (const auto &s : m_sections) {
        if (s.Name.isEmpty()) {
            if (keepComments)
                for (const auto &l : s.Lines)
                    out += l.Raw + QLatin1Char('\n');
            first = out.isEmpty();
            continue;
        }
        if (!keepComments && !first)
            out += QLatin1Char('\n');
        first = false;
        out += QLatin1Char('[') + s.Name + QLatin1String("]\n");
        for (const auto &l : s.Lines) {
            if (!l.Key.isEmpty())
                out += l.Key + QLatin1Char('=') + l.Value + QLatin1Char('\n');
            else if (keepComments)
                out += l.Raw + QLatin1Char('\n');
        }
    }
    return out.toUtf8();
}

void IniFile::Save(const QString &path, bool keepComments) const
{
    if (!Platform::ReplaceFileContents(path, ToBytes(keepComments)))
        throw ZError(QStringLiteral("Unable to write to ") + path);
}

void IniFile::addLine(qsizetype section, Line line)
{
    auto &lines = m_sections[std::size_t(section)].Lines;
    if (!line.Key.isEmpty()) {
        const std::pair key{section, folded(line.Key)};
        if (!m_keyAt.contains(key))
            m_keyAt.insert(key, qsizetype(lines.size()));
    }
    lines.push_back(std::move(line));
}

void IniFile::reindexKeys(qsizetype section)
{
    const auto &lines = m_sections[std::size_t(section)].Lines;
    for (const Line &l : lines)
        if (!l.Key.isEmpty())
            m_keyAt.remove({section, folded(l.Key)});
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (!lines[i].Key.isEmpty() && !m_keyAt.contains({section, folded(lines[i].Key)}))
            m_keyAt.insert({section, folded(lines[i].Key)}, qsizetype(i));
}

void IniFile::rebuildIndex()
{
    m_sectionAt.clear();
    m_keyAt.clear();
    for (std::size_t i = 0; i < m_sections.size(); ++i) {
        if (m_sections[i].Name.isEmpty())
            continue; // the lines before the first section carry no values
        m_sectionAt.insert(folded(m_sections[i].Name), qsizetype(i));
        reindexKeys(qsizetype(i));
    }
}

qsizetype IniFile::sectionIndex(const QString &name) const
{
    return name.isEmpty() ? -1 : m_sectionAt.value(folded(name), -1);
}

const IniFile::Section *IniFile::findSection(const QString &name) const
{
    const qsizetype at = sectionIndex(name);
    return at < 0 ? nullptr : &m_sections[std::size_t(at)];
}

qsizetype IniFile::sectionForWriting(const QString &name)
{
    if (const qsizetype at = sectionIndex(name); at >= 0)
        return at;
    // Keep a blank line between the last section and the new one.
    if (!m_sections.empty()) {
        auto &last = m_sections.back();
        if (!last.Lines.empty() &&
            (!last.Lines.back().Key.isEmpty() || !last.Lines.back().Raw.trimmed().isEmpty()))
            last.Lines.push_back(Line{});
    }
    m_sections.push_back(Section{name, {}});
    m_sectionAt.insert(folded(name), qsizetype(m_sections.size()) - 1);
    return qsizetype(m_sections.size()) - 1;
}

std::optional<QString> IniFile::Value(const QString &section, const QString &key) const
{
    const qsizetype s = sectionIndex(section);
    const auto at = s < 0 ? m_keyAt.cend() : m_keyAt.constFind({s, folded(key)});
    if (at == m_keyAt.cend())
        return std::nullopt;
    return m_sections[std::size_t(s)].Lines[std::size_t(*at)].Value;
}

QString IniFile::ReadString(const QString &section, const QString &key, const QString &def) const
{
    return Value(section, key).value_or(def);
}

bool IniFile::ReadBool(const QString &section, const QString &key, bool def) const
{
    auto v = Value(section, key);
    if (!v)
        return def;
    auto n = ParseInt(*v);
    return n ? *n != 0 : def;
}

int IniFile::ReadInteger(const QString &section, const QString &key, int def) const
{
    auto v = Value(section, key);
    if (!v)
        return def;
    auto n = ParseInt(*v);
    if (!n || *n < std::numeric_limits<int>::min() || *n > std::numeric_limits<int>::max())
        return def;
    return int(*n);
}

float IniFile::ReadFloat(const QString &section, const QString &key, float def) const
{
    auto v = Value(section, key);
    if (!v)
        return def;
    auto d = ParseFloat(*v);
    if (!d || !std::isfinite(*d) || std::fabs(*d) > double(std::numeric_limits<float>::max()))
        return def;
    return float(*d);
}

void IniFile::WriteString(const QString &section, const QString &key, const QString &value)
{
    const qsizetype s = sectionForWriting(section);
    auto &lines = m_sections[std::size_t(s)].Lines;
    const auto known = m_keyAt.constFind({s, folded(key)});
    if (known != m_keyAt.cend()) {
        lines[std::size_t(*known)].Value = oneLine(value);
        return;
    }
    // After the last value, so comments and blank lines that close the section stay last.
    auto at = lines.end();
    while (at != lines.begin() && std::prev(at)->Key.isEmpty())
        --at;
    // Only lines without a key follow the new one, so no indexed line moves.
    m_keyAt.insert({s, folded(key)}, qsizetype(at - lines.begin()));
    lines.insert(at, Line{key, oneLine(value), {}});
}

void IniFile::WriteBool(const QString &section, const QString &key, bool value)
{
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void IniFile::WriteInteger(const QString &section, const QString &key, int value)
{
    WriteString(section, key, QString::number(value));
}

void IniFile::WriteFloat(const QString &section, const QString &key, float value)
{
    WriteString(section, key, FormatG(value));
}

bool IniFile::SectionExists(const QString &section) const
{
    return findSection(section) != nullptr;
}

QStringList IniFile::SectionNames() const
{
    QStringList names;
    for (const auto &s : m_sections)
        if (!s.Name.isEmpty())
            names << s.Name;
    return names;
}

QStringList IniFile::Keys(const QString &section) const
{
    QStringList keys;
    QSet<QString> seen;
    if (const Section *s = findSection(section))
        for (const auto &l : s->Lines)
            if (!l.Key.isEmpty() && !seen.contains(folded(l.Key))) {
                seen.insert(folded(l.Key));
                keys << l.Key;
            }
    return keys;
}

void IniFile::EraseSection(const QString &section)
{
    if (const qsizetype s = sectionIndex(section); s >= 0) {
        m_sections.erase(m_sections.begin() + s);
        rebuildIndex();
    }
}

void IniFile::DeleteKey(const QString &section, const QString &key)
{
    if (const qsizetype s = sectionIndex(section); s >= 0) {
        const QString gone = folded(key);
        m_keyAt.remove({s, gone});
        std::erase_if(m_sections[std::size_t(s)].Lines,
                      [&](const Line &l) { return !l.Key.isEmpty() && folded(l.Key) == gone; });
        reindexKeys(s);
    }
}
