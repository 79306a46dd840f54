#pragma once
// Builds zip archives in memory for tests: local headers with deflate (or
// stored) data, then optionally the central directory and the end record.
#include <QByteArray>
#include <initializer_list>
#include <optional>
#include <utility>
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
    // Little-endian fields given as {value, width in bytes}.
    auto put = [](QByteArray &b, std::initializer_list<std::pair<quint32, int>> fields) {
        for (const auto &[v, width] : fields)
            for (int i = 0; i < width; ++i)
                b.append(char((v >> (8 * i)) & 0xFF));
    };
    int records = 0;
    for (const ZipMember &m : members) {
        const QByteArray data = m.deflate ? RawDeflate(m.content) : m.content;
        const quint32 crc = m.crc ? *m.crc
                                  : quint32(crc32(0, reinterpret_cast<const Bytef *>(m.content.constData()),
                                                  uInt(m.content.size())));
        const quint32 size = m.uncompressedSize ? *m.uncompressedSize : quint32(m.content.size());
        const quint32 offset = quint32(out.size());
        const quint32 method = m.deflate ? 8 : 0, packed = quint32(data.size()), nameSize = quint32(m.name.size());
        put(out, {{0x04034B50, 4}, {20, 2}, {0, 2}, {method, 2}, {0, 2}, {0, 2}, {crc, 4}, {packed, 4}, {size, 4},
                  {nameSize, 2}, {0, 2}});
        out.append(m.name).append(data);
        for (int copy = 0; copy < 1 + (&m == &members.back() ? extraCentralRecords : 0); ++copy) {
            put(central, {{0x02014B50, 4}, {20, 2}, {20, 2}, {0, 2}, {method, 2}, {0, 2}, {0, 2}, {crc, 4},
                          {packed, 4}, {size, 4}, {nameSize, 2}, {0, 2}, {0, 2}, {0, 2}, {0, 2}, {0, 4},
                          {offset, 4}});
            central.append(m.name);
            ++records;
        }
    }
    if (tail == ZipTail::None)
        return out;
    const quint32 centralOffset = quint32(out.size());
    out.append(central);
    put(out, {{0x06054B50, 4}, {0, 2}, {0, 2}, {quint32(records), 2}, {quint32(records), 2},
              {quint32(central.size()), 4}, {centralOffset, 4}, {quint32(comment.size()), 2}});
    out.append(comment);
    return out;
}
