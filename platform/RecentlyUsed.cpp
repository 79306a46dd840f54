#include "platform/RecentlyUsed.h"

#include "platform/FileReplace.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QXmlStreamReader>

namespace {
const QString kHeader = QStringLiteral(
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<xbel version=\"1.0\"\n"
    "      xmlns:bookmark=\"http://www.freedesktop.org/standards/desktop-bookmarks\"\n"
    "      xmlns:mime=\"http://www.freedesktop.org/standards/shared-mime-info\"\n>\n</xbel>\n");

QString Attr(const QString &text)
{
    return text.toHtmlEscaped().replace(u'\'', QLatin1String("&apos;"));
}

QString Bookmark(const QString &uri, const QString &mimeType, const QString &application, const QString &exec,
                 const QDateTime &now)
{
    const QString stamp = Attr(now.toUTC().toString(Qt::ISODateWithMs));
    return QStringLiteral(
               "  <bookmark href=\"%1\" added=\"%2\" modified=\"%2\" visited=\"%2\">\n"
               "    <info>\n"
               "      <metadata owner=\"http://freedesktop.org\">\n"
               "        <mime:mime-type type=\"%3\"/>\n"
               "        <bookmark:applications>\n"
               "          <bookmark:application name=\"%4\" exec=\"%5\" modified=\"%2\" count=\"1\"/>\n"
               "        </bookmark:applications>\n"
               "      </metadata>\n"
               "    </info>\n"
               "  </bookmark>\n")
        .arg(Attr(uri), stamp, Attr(mimeType), Attr(application), Attr(exec));
}
} // namespace

namespace Platform {

QString RecentlyUsedPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/recently-used.xbel");
}

QByteArray MergeRecentlyUsed(const QByteArray &old, const QString &uri, const QString &mimeType,
                             const QString &application, const QString &exec, const QDateTime &now)
{
    if (old.size() > MaxRecentlyUsedBytes || uri.isEmpty())
        return {};
    // Offsets are counted in characters: the splice works on the decoded text,
    // which gives back the same bytes since they are checked to be UTF-8.
    QStringDecoder decode(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = old.trimmed().isEmpty() ? kHeader : QString(decode(old));
    if (decode.hasError())
        return {};
    QXmlStreamReader xml(text);
    qsizetype ownStart = -1, ownEnd = -1, insertAt = -1, start = 0;
    bool inOwn = false, othersToo = false, sawRoot = false;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::DTD || token == QXmlStreamReader::EntityReference)
            return {}; // no entity of the file's own is expanded
        if (token == QXmlStreamReader::StartElement) {
            const QStringView name = xml.name();
            if (!sawRoot) {
                if (name != QLatin1String("xbel"))
                    return {};
                sawRoot = true;
            } else if (name == QLatin1String("bookmark") &&
                       xml.attributes().value(QLatin1String("href")) == uri) {
                inOwn = ownStart < 0;
                // The offset is the tag's end; no '<' can stand inside a tag.
                if (inOwn)
                    start = text.lastIndexOf(QLatin1String("<bookmark"), xml.characterOffset() - 1);
            } else if (inOwn && name == QLatin1String("application") &&
                       xml.attributes().value(QLatin1String("name")) != application) {
                othersToo = true;
            }
        } else if (token == QXmlStreamReader::EndElement) {
            if (inOwn && xml.name() == QLatin1String("bookmark")) {
                inOwn = false;
                ownStart = start;
                ownEnd =
                    text.indexOf(u'>', text.lastIndexOf(QLatin1String("</"), xml.characterOffset() - 1)) + 1;
            } else if (xml.name() == QLatin1String("xbel")) {
                insertAt = text.lastIndexOf(QLatin1String("</"), xml.characterOffset() - 1);
            }
        }
    }
    if (xml.hasError() || insertAt < 0 || othersToo)
        return {};
    // The new entry goes on a line of its own before the closing tag.
    const qsizetype lineStart = text.lastIndexOf(u'\n', insertAt - 1) + 1;
    const bool blankBefore = text.mid(lineStart, insertAt - lineStart).trimmed().isEmpty();
    text.insert(blankBefore ? lineStart : insertAt, (blankBefore ? QString() : QStringLiteral("\n")) +
                                                        Bookmark(uri, mimeType, application, exec, now));
    if (ownStart >= 0) {
        // The old entry and the blanks before it (it comes before the insertion).
        qsizetype cut = ownStart;
        while (cut > 0 && text.at(cut - 1).isSpace() && text.at(cut - 1) != u'\n')
            --cut;
        qsizetype stop = ownEnd;
        if (stop < text.size() && text.at(stop) == u'\n')
            ++stop;
        text.remove(cut, stop - cut);
    }
    return text.toUtf8();
}

bool AddRecentlyUsed(const QByteArray &filePath, const QString &application, const QString &exec)
{
    if (!filePath.startsWith('/'))
        return false;
    const QString path = RecentlyUsedPath();
    const QFileInfo info(path);
    QByteArray old;
    if (info.exists()) {
        QFile file(path);
        if (!info.isFile() || info.size() > MaxRecentlyUsedBytes || !file.open(QIODevice::ReadOnly))
            return false;
        old = file.read(MaxRecentlyUsedBytes + 1);
    }
    const QString mime =
        QMimeDatabase().mimeTypeForFile(QFile::decodeName(filePath), QMimeDatabase::MatchExtension).name();
    // The URI carries the name's exact bytes, whatever their encoding.
    const QString uri = QStringLiteral("file://") + QString::fromLatin1(filePath.toPercentEncoding("/"));
    const QByteArray merged =
        MergeRecentlyUsed(old, uri, mime, application, exec, QDateTime::currentDateTimeUtc());
    if (merged.isEmpty() || merged.size() > MaxRecentlyUsedBytes)
        return false;
    QDir().mkpath(info.absolutePath());
    return ReplaceFileContents(path, merged);
}

} // namespace Platform
