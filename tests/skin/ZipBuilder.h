#pragma once
// Builds zip archives in memory for tests: local headers with deflate (or
// stored) data, then optionally the central directory and the end record.
#include <QByteArray>
#include <optional>
#include <vector>
#include <zlib.h>

struct ZipMember {
    ZipMember(QByteArray n, QByteArray c, bool d = true, std::optional<quint32> crc_ = {},
              std::optional<quint32> size = {})
        : name(std::move(n)), content(std::move(c)), deflate(d), crc(crc_), uncompressedSize(size)
    {
    }
    QByteArray name;
    QByteArray content;
    bool deflate = true;
    std::optional<quint32> crc;              // default: the content's CRC-32
    std::optional<quint32> uncompressedSize; // default: the content's length
};

inline QByteArray RawDeflate(const QByteArray &content)
{
    z_stream z{};
    deflateInit2(&z, 9, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    QByteArray out(qsizetype(deflateBound(&z, uLong(content.size()))), '\0');
    z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(content.constData()));
    z.avail_in = uInt(content.size());
    z.next_out = reinterpret_cast<Bytef *>(out.data());
    z.avail_out = uInt(out.size());
    deflate(&z, Z_FINISH);
    out.resize(qsizetype(z.total_out));
    deflateEnd(&z);
    return out;
}

enum class ZipTail { None, Full };

inline QByteArray BuildZip(const std::vector<ZipMember> &members, ZipTail tail = ZipTail::Full,
                           int extraCentralRecords = 0, const QByteArray &comment = "made by a test")
{
    QByteArray out, central;
    auto put16 = [](QByteArray &b, quint32 v) { b.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF)); };
    auto put32 = [&](QByteArray &b, quint32 v) {
        put16(b, v & 0xFFFF);
        put16(b, v >> 16);
    };
    int records = 0;
    for (const ZipMember &m : members) {
        const QByteArray data = m.deflate ? RawDeflate(m.content) : m.content;
        const quint32 crc = m.crc ? *m.crc
                                  : quint32(crc32(0, reinterpret_cast<const Bytef *>(m.content.constData()),
                                                  uInt(m.content.size())));
        const quint32 size = m.uncompressedSize ? *m.uncompressedSize : quint32(m.content.size());
        const quint32 offset = quint32(out.size());
        put32(out, 0x04034B50);
        put16(out, 20);
        put16(out, 0);
        put16(out, m.deflate ? 8 : 0);
        put16(out, 0);
        put16(out, 0);
        put32(out, crc);
        put32(out, quint32(data.size()));
        put32(out, size);
        put16(out, quint32(m.name.size()));
        put16(out, 0);
        out.append(m.name).append(data);
        for (int copy = 0; copy < 1 + (&m == &members.back() ? extraCentralRecords : 0); ++copy) {
            put32(central, 0x02014B50);
            put16(central, 20);
            put16(central, 20);
            put16(central, 0);
            put16(central, m.deflate ? 8 : 0);
            put16(central, 0);
            put16(central, 0);
            put32(central, crc);
            put32(central, quint32(data.size()));
            put32(central, size);
            put16(central, quint32(m.name.size()));
            put16(central, 0);
            put16(central, 0);
            put16(central, 0);
            put16(central, 0);
            put32(central, 0);
            put32(central, offset);
            central.append(m.name);
            ++records;
        }
    }
    if (tail == ZipTail::None)
        return out;
    const quint32 centralOffset = quint32(out.size());
    out.append(central);
    put32(out, 0x06054B50);
    put16(out, 0);
    put16(out, 0);
    put16(out, quint32(records));
    put16(out, quint32(records));
    put32(out, quint32(central.size()));
    put32(out, centralOffset);
    put16(out, quint32(comment.size()));
    out.append(comment);
    return out;
}
