#include "playlist/PlaylistFile.h"

#include "common/FileNames.h"
#include "common/TextHelpers.h"
#include "playlist/PlNames.h"

#include <QDir>
#include <QMap>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <cmath>
#include <filesystem>
#include <fstream>

namespace {

const QByteArray CurrentMark = "#ZORVI-CURRENT:";

// The URL schemes the engine is given as they are; "file" names a local file
// and "dvd" is not a playlist's business.
bool PlayableScheme(const QString &scheme)
{
    static const QStringList schemes = [] {
        QStringList list = QStringLiteral(ZORVI_URI_SCHEMES).split(u',');
        list.removeAll(QStringLiteral("file"));
        list.removeAll(QStringLiteral("dvd"));
        return list;
    }();
    return schemes.contains(scheme.toLower());
}

// "scheme" of "scheme://...", empty when the text does not start so.
QString SchemeOf(const QString &text)
{
    const qsizetype colon = text.indexOf(QLatin1String("://"));
    if (colon < 1 || colon > 16)
        return {};
    for (qsizetype i = 0; i < colon; ++i) {
        const QChar c = text[i];
        if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != u'+' && c != u'-' && c != u'.')
            return {};
    }
    return text.left(colon);
}

// Readable text for a title: held bytes as Windows-1252, no control characters.
QString CleanTitle(const QString &text)
{
    return ReplaceControlChars(ReadableFileName(text.trimmed()), u' ');
}

class Reader {
public:
    explicit Reader(QString folder) : m_folder(std::move(folder)) {}

    PlaylistRead Result;

    void Note(PlaylistProblem problem, const QString &example)
    {
        for (const PlaylistRead::Note &note : std::as_const(Result.Problems))
            if (note.Problem == problem)
                return;
        Result.Problems.append({problem, example.left(200)});
    }

    bool Full()
    {
        if (Result.Entries.size() < PlaylistFile::MaxEntries)
            return false;
        Note(PlaylistProblem::TooManyEntries, QString());
        return true;
    }

    // Adds the entry a name stands for; `name` is a local name (held bytes)
    // or a URL, `encoded` when a relative or file: name is percent-encoded.
    void Add(const QString &text, const QString &title, double seconds, bool encoded)
    {
        if (text.isEmpty() || text.contains(QChar(0)) || Full())
            return;
        PlaylistEntry entry;
        const QString scheme = SchemeOf(text);
        if (scheme.compare(QLatin1String("file"), Qt::CaseInsensitive) == 0) {
            // file://host/path: only this machine's files.
            const qsizetype slash = text.indexOf(u'/', 7);
            const QString host = text.mid(7, slash < 0 ? -1 : slash - 7);
            if (slash < 0 ||
                (!host.isEmpty() && host.compare(QLatin1String("localhost"), Qt::CaseInsensitive))) {
                Note(PlaylistProblem::Scheme, text);
                return;
            }
            entry.Name = QDir::cleanPath(Decoded(text.mid(slash), true));
        } else if (!scheme.isEmpty()) {
            // The engine gets a URL as text: control characters and bytes that are not UTF-8 stay out.
            if (!PlayableScheme(scheme) || !text.isValidUtf16() || HasControlChars(text)) {
                Note(PlaylistProblem::Scheme, text);
                return;
            }
            entry.Name = text;
            entry.IsUrl = true;
        } else {
            const QString local = Decoded(text, encoded);
            // Only "/" starts an absolute name (Qt would take ":name" for a resource).
            entry.Name = QDir::cleanPath(local.startsWith(u'/') ? local : m_folder + u'/' + local);
        }
        // A stream's URL may end in .m3u8 and is the engine's to open; a local playlist is not read.
        if (!entry.IsUrl && PlaylistFile::FormatOf(entry.Name) != PlaylistFormat::None) {
            Note(PlaylistProblem::Nested, ReadableFileName(entry.Name));
            return;
        }
        entry.Title = CleanTitle(title);
        entry.Length = std::isfinite(seconds) && seconds > 0 && seconds < 1e7 ? float(seconds) : 0.f;
        Result.Entries.append(entry);
    }

private:
    static QString Decoded(const QString &text, bool encoded)
    {
        if (!encoded)
            return text;
        return DecodeFileName(QByteArray::fromPercentEncoding(EncodeFileName(text)));
    }

    QString m_folder;
};

// Lines of at most MaxLineBytes, without their line ends; a longer one is noted and skipped.
template <typename Fn> void ForEachLine(const QByteArray &bytes, Reader &reader, Fn fn)
{
    qsizetype start = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        if (end - start > PlaylistFile::MaxLineBytes)
            reader.Note(PlaylistProblem::LineTooLong, QString());
        else
            fn(bytes.mid(start, end - start).trimmed());
        start = end + 1;
    }
}

void ParseM3u(const QByteArray &bytes, Reader &reader)
{
    QString title;
    double seconds = 0;
    ForEachLine(bytes, reader, [&](const QByteArray &line) {
        if (line.startsWith("#EXTINF:")) {
            // #EXTINF:seconds[ attributes],title: the first comma outside quotes ends the attributes.
            bool quoted = false;
            qsizetype comma = -1;
            for (qsizetype i = 8; i < line.size() && comma < 0; ++i) {
                if (line[i] == '"')
                    quoted = !quoted;
                else if (line[i] == ',' && !quoted)
                    comma = i;
            }
            const QByteArray head = line.mid(8, comma < 0 ? -1 : comma - 8).trimmed();
            const qsizetype blank = head.indexOf(' ');
            seconds = (blank < 0 ? head : head.left(blank)).toDouble();
            title = comma < 0 ? QString() : DecodeFileName(line.mid(comma + 1));
        } else if (line.startsWith(CurrentMark)) {
            bool ok = false;
            const int current = line.mid(CurrentMark.size()).toInt(&ok);
            reader.Result.Current = ok ? current : -1;
        } else if (!line.isEmpty() && !line.startsWith('#')) {
            reader.Add(DecodeFileName(line), title, seconds, false);
            title.clear();
            seconds = 0;
        }
    });
}

void ParsePls(const QByteArray &bytes, Reader &reader)
{
    struct Raw {
        QString File, Title;
        double Seconds = 0;
    };
    QMap<int, Raw> rows;
    bool inList = false;
    ForEachLine(bytes, reader, [&](const QByteArray &line) {
        if (line.startsWith('[')) {
            inList = line.toLower() == "[playlist]";
            return;
        }
        const qsizetype eq = line.indexOf('=');
        if (!inList || eq < 0)
            return;
        const QByteArray key = line.left(eq).trimmed().toLower();
        const QByteArray value = line.mid(eq + 1).trimmed();
        const char *const prefixes[] = {"file", "title", "length"};
        for (int kind = 0; kind < 3; ++kind) {
            const QByteArray prefix(prefixes[kind]);
            bool ok = false;
            const int number = key.startsWith(prefix) ? key.mid(prefix.size()).toInt(&ok) : 0;
            if (!ok || number < 1)
                continue;
            if (!rows.contains(number) && rows.size() >= PlaylistFile::MaxEntries) {
                reader.Note(PlaylistProblem::TooManyEntries, QString());
                return;
            }
            Raw &row = rows[number];
            if (kind == 0)
                row.File = DecodeFileName(value);
            else if (kind == 1)
                row.Title = DecodeFileName(value);
            else
                row.Seconds = value.toDouble();
            return;
        }
    });
    for (const Raw &row : std::as_const(rows))
        reader.Add(row.File, row.Title, row.Seconds, false);
}

void ParseXspf(const QByteArray &bytes, Reader &reader)
{
    QXmlStreamReader xml(bytes);
    int depth = 0;
    bool inTrack = false;
    QString location, title;
    double seconds = 0;
    while (!xml.atEnd() && !reader.Full()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            if (++depth > PlaylistFile::MaxXmlDepth) {
                reader.Note(PlaylistProblem::BadXml, QStringLiteral("depth"));
                return;
            }
            const QStringView name = xml.name();
            if (name == u"track" && !inTrack) {
                inTrack = true;
                location.clear();
                title.clear();
                seconds = 0;
            } else if (inTrack && (name == u"location" || name == u"title" || name == u"duration")) {
                const QString text = xml.readElementText(QXmlStreamReader::SkipChildElements);
                --depth; // readElementText consumed the end element
                if (name == u"location" && location.isEmpty())
                    location = text;
                else if (name == u"title")
                    title = text;
                else if (name == u"duration")
                    seconds = text.trimmed().toDouble() / 1000;
            }
        } else if (token == QXmlStreamReader::EndElement) {
            --depth;
            if (xml.name() == u"track" && inTrack) {
                inTrack = false;
                reader.Add(TrimBlanksAndControls(location), title, seconds, true);
            }
        }
    }
    if (xml.hasError())
        reader.Note(PlaylistProblem::BadXml, xml.errorString());
}

// A name that no line of an M3U or PLS file can hold as it is (a line break
// in it) is written as a file: URL with its bytes percent-encoded.
QByteArray LineName(const PlaylistEntry &entry)
{
    QByteArray bytes = EncodeFileName(entry.Name);
    if (entry.IsUrl)
        return bytes;
    // A line is read without the blanks around it, too.
    bool plain = !bytes.isEmpty() && uchar(bytes.front()) > 0x20 && uchar(bytes.back()) > 0x20;
    for (const char c : bytes)
        plain = plain && uchar(c) >= 0x20;
    return plain ? bytes : "file://" + bytes.toPercentEncoding("/");
}

QByteArray WriteM3u(const QList<PlaylistEntry> &entries, int current)
{
    QByteArray out("#EXTM3U\n");
    if (current >= 0)
        out += CurrentMark + QByteArray::number(current) + '\n';
    for (const PlaylistEntry &e : entries) {
        const int seconds = e.Length > 0 ? int(std::lround(e.Length)) : -1;
        out += "#EXTINF:" + QByteArray::number(seconds) + ',' + CleanTitle(e.Title).toUtf8() + '\n';
        out += LineName(e) + '\n';
    }
    return out;
}

QByteArray WritePls(const QList<PlaylistEntry> &entries)
{
    QByteArray out("[playlist]\n");
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const PlaylistEntry &e = entries[i];
        const QByteArray n = QByteArray::number(i + 1);
        out += "File" + n + '=' + LineName(e) + '\n';
        if (!e.Title.isEmpty())
            out += "Title" + n + '=' + CleanTitle(e.Title).toUtf8() + '\n';
        out += "Length" + n + '=' + QByteArray::number(e.Length > 0 ? int(std::lround(e.Length)) : -1) + '\n';
    }
    out += "NumberOfEntries=" + QByteArray::number(entries.size()) + "\nVersion=2\n";
    return out;
}

QByteArray WriteXspf(const QList<PlaylistEntry> &entries)
{
    QByteArray out;
    QXmlStreamWriter xml(&out);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("playlist"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1"));
    xml.writeDefaultNamespace(QStringLiteral("http://xspf.org/ns/0/"));
    xml.writeStartElement(QStringLiteral("trackList"));
    for (const PlaylistEntry &e : entries) {
        xml.writeStartElement(QStringLiteral("track"));
        xml.writeTextElement(
            QStringLiteral("location"),
            e.IsUrl ? e.Name
                    : QString::fromLatin1("file://" + EncodeFileName(e.Name).toPercentEncoding("/")));
        if (!e.Title.isEmpty())
            xml.writeTextElement(QStringLiteral("title"), CleanTitle(e.Title));
        if (e.Length > 0)
            xml.writeTextElement(QStringLiteral("duration"),
                                 QString::number(std::llround(e.Length * 1000.0)));
        xml.writeEndElement();
    }
    xml.writeEndDocument();
    return out;
}

} // namespace

namespace PlaylistFile {

PlaylistFormat FormatOf(const QString &name)
{
    const QString ext = FileExtension(name).toLower();
    if (ext == QLatin1String(".m3u"))
        return PlaylistFormat::M3U;
    if (ext == QLatin1String(".m3u8"))
        return PlaylistFormat::M3U8;
    if (ext == QLatin1String(".pls"))
        return PlaylistFormat::PLS;
    if (ext == QLatin1String(".xspf"))
        return PlaylistFormat::XSPF;
    return PlaylistFormat::None;
}

PlaylistRead Parse(const QByteArray &bytes, PlaylistFormat format, const QString &folder)
{
    Reader reader(folder);
    if (bytes.size() > MaxBytes) {
        reader.Note(PlaylistProblem::TooLarge, QString());
        return std::move(reader.Result);
    }
    switch (format) {
    case PlaylistFormat::M3U:
    case PlaylistFormat::M3U8:
        ParseM3u(bytes, reader);
        break;
    case PlaylistFormat::PLS:
        ParsePls(bytes, reader);
        break;
    case PlaylistFormat::XSPF:
        ParseXspf(bytes, reader);
        break;
    case PlaylistFormat::None:
        break;
    }
    if (reader.Result.Current >= reader.Result.Entries.size())
        reader.Result.Current = -1;
    return std::move(reader.Result);
}

PlaylistRead Read(const QString &path)
{
    const QString folder = path.left(path.lastIndexOf(u'/'));
    std::error_code ec;
    // Only a regular file: a named pipe or a device would block or never end.
    if (!std::filesystem::is_regular_file(NativePath(path), ec)) {
        PlaylistRead result;
        result.Problems.append({PlaylistProblem::Unreadable, ReadableFileName(path)});
        return result;
    }
    std::ifstream file(NativePath(path), std::ios::binary);
    QByteArray bytes(MaxBytes + 1, Qt::Uninitialized);
    file.read(bytes.data(), bytes.size());
    if (file.bad()) {
        PlaylistRead result;
        result.Problems.append({PlaylistProblem::Unreadable, ReadableFileName(path)});
        return result;
    }
    bytes.truncate(qsizetype(file.gcount()));
    return Parse(bytes, FormatOf(path), folder);
}

QByteArray Write(const QList<PlaylistEntry> &entries, PlaylistFormat format, int current)
{
    switch (format) {
    case PlaylistFormat::PLS:
        return WritePls(entries);
    case PlaylistFormat::XSPF:
        return WriteXspf(entries);
    default:
        return WriteM3u(entries, current);
    }
}

} // namespace PlaylistFile
