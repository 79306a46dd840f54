// Arbitrary bytes read as a skin archive, then every member inflated. Each
// input is read twice: as it is, and behind a local header signature, so the
// mutations reach the record fields without first having to find "PK\3\4".
#include "../FuzzTarget.h"
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
        AllowingErrors([&] {
            if (zip.GetData(i).size() != qsizetype(zip.Files[std::size_t(i)].UncompressedSize))
                __builtin_trap(); // success must mean the declared length
        });
        zip.IndexOf(QString::fromLatin1(zip.Files[std::size_t(i)].FileName));
    }
}
} // namespace

ZORVI_FUZZ_TARGET(bytes)
{
    readArchive(bytes);
    readArchive(QByteArray("PK\x03\x04", 4) + bytes);
    return 0;
}
