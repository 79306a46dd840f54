#include "settings/IniFile.h"

#include "common/NumberFormat.h"
#include "common/TextDecode.h"
#include "common/ZError.h"
#include "platform/FileReplace.h"

#include <QFile>
#include <QStringDecoder>
#include <cmath>
#include <limits>

namespace {

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
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
    Section *current = &ini.m_sections.back();

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
                Section *found = nullptr;
                for (auto &s : ini.m_sections)
                    if (!s.Name.isEmpty() && sameName(s.Name, name))
                        found = &s;
                if (!found && !name.isEmpty()) {
                    ini.m_sections.push_back(Section{name, {}});
                    found = &ini.m_sections.back();
                }
                // Every pointer into the vector may have moved: take it again.
                current = found ? found : &ini.m_sections.front();
                continue;
            }
        }
        qsizetype eq = line.indexOf(QLatin1Char('='));
        const bool isValue = eq > 0 && !line.startsWith(QLatin1Char(';')) && !current->Name.isEmpty();
        if (isValue)
            current->Lines.push_back(Line{line.left(eq).trimmed(), line.mid(eq + 1).trimmed(), {}});
        else
            current->Lines.push_back(Line{{}, {}, raw});
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

const IniFile::Section *IniFile::findSection(const QString &name) const
{
    if (name.isEmpty())
        return nullptr;
    for (const auto &s : m_sections)
        if (sameName(s.Name, name))
            return &s;
    return nullptr;
}

IniFile::Section &IniFile::sectionForWriting(const QString &name)
{
    if (auto *s = findSection(name))
        return const_cast<Section &>(*s);
    // Keep a blank line between the last section and the new one.
    if (!m_sections.empty()) {
        auto &last = m_sections.back();
        if (!last.Lines.empty() &&
            (!last.Lines.back().Key.isEmpty() || !last.Lines.back().Raw.trimmed().isEmpty()))
            last.Lines.push_back(Line{});
    }
    m_sections.push_back(Section{name, {}});
    return m_sections.back();
}

std::optional<QString> IniFile::Value(const QString &section, const QString &key) const
{
    if (const Section *s = findSection(section))
        for (const auto &l : s->Lines)
            if (!l.Key.isEmpty() && sameName(l.Key, key))
                return l.Value;
    return std::nullopt;
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
    Section &s = sectionForWriting(section);
    for (auto &l : s.Lines)
        if (!l.Key.isEmpty() && sameName(l.Key, key)) {
            l.Value = oneLine(value);
            return;
        }
    // After the last value, so comments and blank lines that close the section stay last.
    auto at = s.Lines.end();
    while (at != s.Lines.begin() && std::prev(at)->Key.isEmpty())
        --at;
    s.Lines.insert(at, Line{key, oneLine(value), {}});
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
    if (const Section *s = findSection(section))
        for (const auto &l : s->Lines)
            if (!l.Key.isEmpty() && !keys.contains(l.Key, Qt::CaseInsensitive))
                keys << l.Key;
    return keys;
}

void IniFile::EraseSection(const QString &section)
{
    if (const Section *s = findSection(section))
        m_sections.erase(m_sections.begin() + (s - m_sections.data()));
}

void IniFile::DeleteKey(const QString &section, const QString &key)
{
    if (const Section *s = findSection(section)) {
        auto &lines = const_cast<Section *>(s)->Lines;
        std::erase_if(lines, [&](const Line &l) { return !l.Key.isEmpty() && sameName(l.Key, key); });
    }
}
