#pragma once
// Writes zip archives that the skin archive reader accepts: by default every
// member is raw deflate (method 8) with its CRC and sizes in the local header,
// a fixed time stamp, then the central directory and end record. The same
// members in the same order always give the same bytes. The tests also write
// stored members, streamed members and broken fields with it.
#include <QByteArray>
#include <functional>
#include <vector>

struct ZipMember {
    QByteArray name; // stored as given (use "/" between folders)
    QByteArray data;
    bool stored = false;     // method 0: the data as it is
    bool descriptor = false; // CRC and sizes zero in the local header, in a data descriptor after the data
};

// One member's header fields just before they are written. A hook may change
// them (both headers get the changed values) to make a deliberately broken archive.
struct ZipFields {
    quint16 flags = 0, method = 0;
    quint32 crc = 0, packedSize = 0, size = 0;
    QByteArray packed; // the member's bytes as they follow the local header
};
using ZipFieldHook = std::function<void(std::size_t index, ZipFields &fields)>;

// 2000-01-01 00:00:00 in MS-DOS form, written into every header.
constexpr quint16 kZipDosTime = 0;
constexpr quint16 kZipDosDate = ((2000 - 1980) << 9) | (1 << 5) | 1;

// Throws ZError when a member is too large for the format or zlib fails.
QByteArray WriteZip(const std::vector<ZipMember> &members, const ZipFieldHook &hook = {});

// Raw deflate at the best compression (no zlib header or trailer).
QByteArray RawDeflate(const QByteArray &data);
quint32 ZipCrc32(const QByteArray &data);
