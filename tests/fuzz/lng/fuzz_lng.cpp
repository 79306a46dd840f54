// Language files on any bytes: decoding and parsing must not crash, and the
// help text's escapes must give back what was escaped.
#include "../FuzzTarget.h"
#include "i18n/LngFile.h"

ZORVI_FUZZ_TARGET(bytes)
{
    const QStringList lines = TLngFile::DecodeLines(bytes);
    TLngFile file;
    file.LoadFromLines(lines);
    const QString help = file.ReadValue(QStringLiteral("Misc"), QStringLiteral("ShortCapHelp"));
    const QString text = TLngFile::Unescape(help);
    if (TLngFile::Unescape(TLngFile::Escape(text)) != text)
        std::abort();
    file.DeleteSection(QStringLiteral("Main"));
    return 0;
}
