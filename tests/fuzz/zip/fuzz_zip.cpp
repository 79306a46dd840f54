// Arbitrary bytes read as a skin archive, then every member inflated. Each
// input is read twice: as it is, and behind a local header signature, so the
// mutations reach the record fields without first having to find "PK\3\4".
#include "skin/ZipFile.h"

#include <QBuffer>

namespace {
void readArchive(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    TZipFile zip;
    zip.LoadFromStream(buffer);
    if (zip.Headers.size() != zip.Files.size())
        __builtin_trap();
    for (int i = 0; i < zip.Count(); ++i) {
        try {
            const QByteArray content = zip.GetData(i);
            if (content.size() != qsizetype(zip.Files[std::size_t(i)].UncompressedSize))
                __builtin_trap(); // success must mean the declared length
        } catch (const ZError &) {
        }
        zip.IndexOf(QString::fromLatin1(zip.Files[std::size_t(i)].FileName));
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    readArchive(bytes);
    readArchive(QByteArray("PK\x03\x04", 4) + bytes);
    return 0;
}
