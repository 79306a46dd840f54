#include "common/TextDecode.h"

#include <QStringDecoder>

namespace {

// Windows-1252 code points for 0x80..0x9F; the five unassigned bytes map to
// the control character of the same number, as the Windows conversion does.
const char16_t kCp1252High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                  0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                  0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                  0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString decodeCp1252(const QByteArray &bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar *d = out.data();
    for (char c : bytes)
        *d++ = Cp1252Char(static_cast<unsigned char>(c));
    return out;
}

} // namespace

QChar Cp1252Char(unsigned char b)
{
    return (b >= 0x80 && b < 0xA0) ? QChar(kCp1252High[b - 0x80]) : QChar(b);
}

QString DecodeTextFile(const QByteArray &bytes)
{
    if (auto enc = QStringConverter::encodingForData(bytes)) {
        QStringDecoder bom(*enc);
        return bom(bytes); // the decoder drops the mark itself
    }
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    return decodeCp1252(bytes);
}
