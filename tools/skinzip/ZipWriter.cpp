#include "tools/skinzip/ZipWriter.h"

#include "common/ZError.h"

#include <limits>
#include <zlib.h>

namespace {

constexpr quint32 kLocalSig = 0x04034B50;
constexpr quint32 kCentralSig = 0x02014B50;
constexpr quint32 kEndSig = 0x06054B50;
constexpr quint32 kDescriptorSig = 0x08074B50;
constexpr quint16 kVersion = 20; // 2.0: deflate
constexpr quint16 kMethodStored = 0;
constexpr quint16 kMethodDeflate = 8;
constexpr quint16 kFlagDescriptor = 0x0008;

void Put16(QByteArray &out, quint16 v)
{
    out.append(char(v & 0xFF));
    out.append(char(v >> 8));
}

void Put32(QByteArray &out, quint32 v)
{
    Put16(out, quint16(v & 0xFFFF));
    Put16(out, quint16(v >> 16));
}

quint32 CheckedSize(qsizetype size, const QByteArray &name)
{
    if (size < 0 || quint64(size) > std::numeric_limits<quint32>::max())
        throw ZError(QStringLiteral("Zip member too large: %1").arg(QString::fromUtf8(name)));
    return quint32(size);
}

} // namespace

quint32 ZipCrc32(const QByteArray &data)
{
    return quint32(
        crc32(crc32(0L, Z_NULL, 0), reinterpret_cast<const Bytef *>(data.constData()), uInt(data.size())));
}

QByteArray RawDeflate(const QByteArray &data)
{
    z_stream zs{};
    // windowBits -15: raw deflate, which is what a zip member holds.
    if (deflateInit2(&zs, Z_BEST_COMPRESSION, Z_DEFLATED, -15, 9, Z_DEFAULT_STRATEGY) != Z_OK)
        throw ZError(QStringLiteral("deflateInit2 failed"));
    QByteArray out(qsizetype(deflateBound(&zs, uLong(data.size()))), '\0');
    zs.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.constData()));
    zs.avail_in = uInt(data.size());
    zs.next_out = reinterpret_cast<Bytef *>(out.data());
    zs.avail_out = uInt(out.size());
    const int rc = deflate(&zs, Z_FINISH);
    const auto written = qsizetype(zs.total_out);
    deflateEnd(&zs);
    if (rc != Z_STREAM_END)
        throw ZError(QStringLiteral("deflate failed (%1)").arg(rc));
    out.truncate(written);
    return out;
}

QByteArray WriteZip(const std::vector<ZipMember> &members, const ZipFieldHook &hook)
{
    QByteArray archive;
    QByteArray central;
    for (std::size_t i = 0; i < members.size(); ++i) {
        const ZipMember &m = members[i];
        ZipFields f;
        f.packed = m.stored ? m.data : RawDeflate(m.data);
        f.method = m.stored ? kMethodStored : kMethodDeflate;
        f.flags = m.descriptor ? kFlagDescriptor : 0;
        f.crc = ZipCrc32(m.data);
        f.packedSize = CheckedSize(f.packed.size(), m.name);
        f.size = CheckedSize(m.data.size(), m.name);
        if (hook)
            hook(i, f);
        const quint32 offset = CheckedSize(archive.size(), m.name);
        if (m.name.size() > 0xFFFF)
            throw ZError(QStringLiteral("Zip member name too long: %1").arg(QString::fromUtf8(m.name)));

        Put32(archive, kLocalSig);
        Put16(archive, kVersion);
        Put16(archive, f.flags);
        Put16(archive, f.method);
        Put16(archive, kZipDosTime);
        Put16(archive, kZipDosDate);
        // A streaming writer knows CRC and sizes only after the data.
        Put32(archive, m.descriptor ? 0 : f.crc);
        Put32(archive, m.descriptor ? 0 : f.packedSize);
        Put32(archive, m.descriptor ? 0 : f.size);
        Put16(archive, quint16(m.name.size()));
        Put16(archive, 0); // no extra field
        archive.append(m.name);
        archive.append(f.packed);
        if (m.descriptor) {
            Put32(archive, kDescriptorSig);
            Put32(archive, f.crc);
            Put32(archive, f.packedSize);
            Put32(archive, f.size);
        }

        Put32(central, kCentralSig);
        Put16(central, kVersion); // made by: MS-DOS attributes, version 2.0
        Put16(central, kVersion);
        Put16(central, f.flags);
        Put16(central, f.method);
        Put16(central, kZipDosTime);
        Put16(central, kZipDosDate);
        Put32(central, f.crc);
        Put32(central, f.packedSize);
        Put32(central, f.size);
        Put16(central, quint16(m.name.size()));
        Put16(central, 0); // extra
        Put16(central, 0); // comment
        Put16(central, 0); // disk number start
        Put16(central, 0); // internal attributes
        Put32(central, 0); // external attributes
        Put32(central, offset);
        central.append(m.name);
    }
    if (members.size() > 0xFFFF)
        throw ZError(QStringLiteral("Too many zip members"));
    const quint32 centralOffset = CheckedSize(archive.size(), "central directory");
    const quint32 centralSize = CheckedSize(central.size(), "central directory");
    archive.append(central);
    Put32(archive, kEndSig);
    Put16(archive, 0); // this disk
    Put16(archive, 0); // directory start disk
    Put16(archive, quint16(members.size()));
    Put16(archive, quint16(members.size()));
    Put32(archive, centralSize);
    Put32(archive, centralOffset);
    Put16(archive, 0); // no comment
    return archive;
}
