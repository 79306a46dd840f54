#include "common/FileNames.h"

#include "common/TextDecode.h"

namespace {

constexpr char16_t HeldByteBase = 0xDC00;

bool IsHeldByte(char16_t unit)
{
    return unit >= 0xDC80 && unit <= 0xDCFF;
}

// The length of the valid UTF-8 sequence at p (at most n bytes left) and its
// code point; 0 when the bytes there are not valid UTF-8 (overlong forms and
// encoded surrogates included).
int Utf8Sequence(const unsigned char *p, qsizetype n, char32_t &cp)
{
    const unsigned char b = p[0];
    int len = 0;
    char32_t min = 0;
    if (b < 0x80) {
        cp = b;
        return 1;
    }
    if ((b & 0xE0) == 0xC0) {
        len = 2, cp = b & 0x1F, min = 0x80;
    } else if ((b & 0xF0) == 0xE0) {
        len = 3, cp = b & 0x0F, min = 0x800;
    } else if ((b & 0xF8) == 0xF0) {
        len = 4, cp = b & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (n < len)
        return 0;
    for (int i = 1; i < len; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (p[i] & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return len;
}

} // namespace

QString DecodeFileName(const QByteArray &bytes)
{
    QString out;
    out.reserve(bytes.size());
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        char32_t cp = 0;
        const int len = Utf8Sequence(p + i, n - i, cp);
        if (len == 0) {
            out += QChar(char16_t(HeldByteBase + p[i]));
            ++i;
            continue;
        }
        // Not QString::fromUcs4: it takes U+FEFF for a byte-order mark and drops it.
        if (QChar::requiresSurrogates(cp)) {
            out += QChar(QChar::highSurrogate(cp));
            out += QChar(QChar::lowSurrogate(cp));
        } else {
            out += QChar(char16_t(cp));
        }
        i += len;
    }
    return out;
}

QByteArray EncodeFileName(const QString &name)
{
    QByteArray out;
    out.reserve(name.size());
    qsizetype start = 0;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t unit = name[i].unicode();
        // A held byte is a low surrogate with no high surrogate before it.
        if (!IsHeldByte(unit) || (i > 0 && name[i - 1].isHighSurrogate()))
            continue;
        out += QStringView(name).sliced(start, i - start).toUtf8();
        out += char(unit - HeldByteBase);
        start = i + 1;
    }
    out += QStringView(name).sliced(start).toUtf8();
    return out;
}

std::filesystem::path NativePath(const QString &name)
{
    return std::filesystem::path(EncodeFileName(name).toStdString());
}

QString ReadableFileName(const QString &name)
{
    QString out = name;
    for (qsizetype i = 0; i < out.size(); ++i) {
        const char16_t unit = out[i].unicode();
        if (IsHeldByte(unit) && (i == 0 || !out[i - 1].isHighSurrogate()))
            out[i] = Cp1252Char(static_cast<unsigned char>(unit - HeldByteBase));
    }
    return out;
}

bool IsUnsafeName(const QString &name)
{
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t unit = name[i].unicode();
        if (unit < 0x20 || unit == 0x7F || (IsHeldByte(unit) && (i == 0 || !name[i - 1].isHighSurrogate())))
            return true;
    }
    return false;
}

QString LocalFileOfUrl(const QUrl &url)
{
    if (!url.isLocalFile())
        return {};
    const QString path =
        DecodeFileName(QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()));
    // A host other than this machine's is kept the way Qt names it (//host/path).
    const QString host = url.host();
    return host.isEmpty() || host == QLatin1String("localhost") ? path : QStringLiteral("//") + host + path;
}
