#pragma once
// A strict reader of the archives our writer makes, kept apart from the
// writer: it checks every header field against the published format.
#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>
#include <zlib.h>

struct ZipTestMember {
    quint16 version = 0, flags = 0, method = 0, time = 0, date = 0;
    quint32 crc = 0, packedSize = 0, size = 0, offset = 0;
    QByteArray name, data; // data inflated
};

struct ZipTestArchive {
    std::vector<ZipTestMember> members;
    QString error; // empty when the whole archive is consistent
};

inline quint32 ZipTestRead(const QByteArray &b, qsizetype at, int bytes)
{
    quint32 v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | quint8(b.at(at + i));
    return v;
}

inline std::optional<QByteArray> ZipTestInflateRaw(const QByteArray &packed, quint32 size)
{
    QByteArray out(qsizetype(size), '\0');
    z_stream zs{};
    if (inflateInit2(&zs, -15) != Z_OK)
        return std::nullopt;
    zs.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(packed.constData()));
    zs.avail_in = uInt(packed.size());
    zs.next_out = reinterpret_cast<Bytef *>(out.data());
    zs.avail_out = uInt(out.size());
    const int rc = inflate(&zs, Z_FINISH);
    const bool ok = rc == Z_STREAM_END && zs.total_out == size && zs.avail_in == 0;
    inflateEnd(&zs);
    return ok ? std::optional<QByteArray>(out) : std::nullopt;
}

inline ZipTestArchive ZipTestParse(const QByteArray &b)
{
    ZipTestArchive a;
    auto fail = [&a](const QString &why) {
        a.error = why;
        return a;
    };
    qsizetype at = 0;
    while (at + 30 <= b.size() && ZipTestRead(b, at, 4) == 0x04034B50) {
        ZipTestMember m;
        m.offset = quint32(at);
        m.version = quint16(ZipTestRead(b, at + 4, 2));
        m.flags = quint16(ZipTestRead(b, at + 6, 2));
        m.method = quint16(ZipTestRead(b, at + 8, 2));
        m.time = quint16(ZipTestRead(b, at + 10, 2));
        m.date = quint16(ZipTestRead(b, at + 12, 2));
        m.crc = ZipTestRead(b, at + 14, 4);
        m.packedSize = ZipTestRead(b, at + 18, 4);
        m.size = ZipTestRead(b, at + 22, 4);
        const quint32 nameLen = ZipTestRead(b, at + 26, 2);
        const quint32 extraLen = ZipTestRead(b, at + 28, 2);
        at += 30;
        m.name = b.mid(at, nameLen);
        at += nameLen + extraLen;
        if (at + m.packedSize > b.size())
            return fail("member data runs past the end");
        const auto data = ZipTestInflateRaw(b.mid(at, m.packedSize), m.size);
        if (!data)
            return fail("member does not inflate to its size: " + QString::fromUtf8(m.name));
        if (crc32(0, reinterpret_cast<const Bytef *>(data->constData()), uInt(data->size())) != m.crc)
            return fail("CRC mismatch: " + QString::fromUtf8(m.name));
        m.data = *data;
        at += m.packedSize;
        a.members.push_back(m);
    }
    const qsizetype centralStart = at;
    for (const ZipTestMember &m : a.members) {
        if (at + 46 > b.size() || ZipTestRead(b, at, 4) != 0x02014B50)
            return fail("central record missing for " + QString::fromUtf8(m.name));
        const bool same = ZipTestRead(b, at + 6, 2) == m.version && ZipTestRead(b, at + 8, 2) == m.flags &&
                          ZipTestRead(b, at + 10, 2) == m.method && ZipTestRead(b, at + 12, 2) == m.time &&
                          ZipTestRead(b, at + 14, 2) == m.date && ZipTestRead(b, at + 16, 4) == m.crc &&
                          ZipTestRead(b, at + 20, 4) == m.packedSize &&
                          ZipTestRead(b, at + 24, 4) == m.size && ZipTestRead(b, at + 42, 4) == m.offset;
        const quint32 nameLen = ZipTestRead(b, at + 28, 2);
        const quint32 extraLen = ZipTestRead(b, at + 30, 2);
        const quint32 commentLen = ZipTestRead(b, at + 32, 2);
        if (!same || b.mid(at + 46, nameLen) != m.name)
            return fail("central record differs from local header: " + QString::fromUtf8(m.name));
        at += 46 + nameLen + extraLen + commentLen;
    }
    if (at + 22 != b.size() || ZipTestRead(b, at, 4) != 0x06054B50)
        return fail("end record missing or not at the end");
    if (ZipTestRead(b, at + 8, 2) != a.members.size() || ZipTestRead(b, at + 10, 2) != a.members.size() ||
        ZipTestRead(b, at + 12, 4) != quint32(at - centralStart) ||
        ZipTestRead(b, at + 16, 4) != centralStart)
        return fail("end record does not describe the central directory");
    return a;
}
