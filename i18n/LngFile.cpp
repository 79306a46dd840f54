#include "i18n/LngFile.h"

#include "common/TextDecode.h"
#include "common/TextHelpers.h"
#include "common/ZError.h"

#include <QFile>
#include <QStringDecoder>
#include <vector>

namespace {

struct Line {
    QString key;
    QString value;
    bool hasKey = false; // a line without "=" is kept but never found
};

struct Section {
    QString name;
    std::vector<Line> lines;
};

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

struct TLngFile::Impl {
    std::vector<Section> sections;

    const Section *find(const QString &name) const
    {
        for (const Section &s : sections)
            if (sameName(s.name, name))
                return &s;
        return nullptr;
    }
};

void TLngFile::Clear()
{
    d.reset();
}

void TLngFile::LoadFromLines(const QStringList &lines)
{
    auto impl = std::make_shared<Impl>();
    Section *current = nullptr;
    for (const QString &raw : lines) {
        const QString line = TrimBlanksAndControls(raw);
        if (line.isEmpty() || line.startsWith(u';'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']') && line.size() >= 2) {
            impl->sections.push_back({TrimBlanksAndControls(line.mid(1, line.size() - 2)), {}});
            current = &impl->sections.back();
            continue;
        }
        if (!current)
            continue;
        const qsizetype eq = line.indexOf(u'=');
        if (eq < 0)
            current->lines.push_back({line, {}, false});
        else
            current->lines.push_back({TrimBlanksAndControls(line.left(eq)), line.mid(eq + 1), true});
    }
    d = std::move(impl);
}

QStringList TLngFile::DecodeLines(const QByteArray &bytes)
{
    QString text;
    const auto starts = [&bytes](const char *mark) { return bytes.startsWith(QByteArrayView(mark)); };
    // Only these three marks count: a UTF-32 mark reads as UTF-16 LE text.
    if (starts("\xFF\xFE"))
        text = QStringDecoder(QStringConverter::Utf16LE)(bytes.sliced(2));
    else if (starts("\xFE\xFF"))
        text = QStringDecoder(QStringConverter::Utf16BE)(bytes.sliced(2));
    else if (starts("\xEF\xBB\xBF"))
        text = QStringDecoder(QStringConverter::Utf8)(bytes.sliced(3));
    else
        text = DecodeTextFile(bytes);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(u'\r', u'\n');
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

void TLngFile::LoadFromFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ZError(QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString()));
    LoadFromLines(DecodeLines(file.readAll()));
}

QString TLngFile::ReadValue(const QString &section, const QString &key) const
{
    if (!d)
        return {};
    const Section *s = d->find(section);
    if (!s)
        return {};
    for (const Line &line : s->lines)
        if (line.hasKey && sameName(line.key, key))
            return line.value;
    return {};
}

void TLngFile::DeleteSection(const QString &section)
{
    if (!d)
        return;
    if (d.use_count() > 1) // copies share their sections until one changes
        d = std::make_shared<Impl>(*d);
    auto &sections = d->sections;
    for (auto it = sections.begin(); it != sections.end(); ++it) {
        if (sameName(it->name, section)) {
            sections.erase(it);
            return;
        }
    }
}

QStringList TLngFile::SectionNames() const
{
    QStringList names;
    if (d)
        for (const Section &s : d->sections)
            names << s.name;
    return names;
}

QStringList TLngFile::Keys(const QString &section) const
{
    QStringList keys;
    if (const Section *s = d ? d->find(section) : nullptr)
        for (const Line &line : s->lines)
            if (line.hasKey)
                keys << line.key;
    return keys;
}

QString TLngFile::Unescape(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\\' || i + 1 == text.size()) {
            out += c; // a backslash at the very end stays
            continue;
        }
        const QChar next = text[++i];
        if (next == u'n')
            out += QLatin1String("\r\n");
        else if (next == u'\\')
            out += u'\\';
        // any other escaped character is dropped with its backslash
    }
    return out;
}

QString TLngFile::Escape(const QString &text)
{
    QString out = text;
    out.replace(u'\\', QLatin1String("\\\\"));
    out.replace(QLatin1String("\r\n"), QLatin1String("\\n"));
    return out;
}
