#pragma once
// Writes zip archives that the skin archive reader accepts: every member is
// raw deflate (method 8) with its CRC and sizes in the local header (no data
// descriptor), a fixed time stamp, then the central directory and end record.
// The same members in the same order always give the same bytes.
#include <QByteArray>
#include <vector>

struct ZipMember {
    QByteArray name; // stored as given (use "/" between folders)
    QByteArray data;
};

// 2000-01-01 00:00:00 in MS-DOS form, written into every header.
constexpr quint16 kZipDosTime = 0;
constexpr quint16 kZipDosDate = ((2000 - 1980) << 9) | (1 << 5) | 1;

// Throws ZError when a member is too large for the format or zlib fails.
QByteArray WriteZip(const std::vector<ZipMember> &members);

// Raw deflate at the best compression (no zlib header or trailer).
QByteArray RawDeflate(const QByteArray &data);
quint32 ZipCrc32(const QByteArray &data);
