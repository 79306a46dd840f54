#include "skin/ZipFile.h"

#include "common/TextDecode.h"

#include <QFile>
#include <QtEndian>
#include <optional>
#include <zlib.h>

namespace {
constexpr quint32 LocalSignature = 0x04034B50;
constexpr quint32 CentralSignature = 0x02014B50;
constexpr quint32 EndSignature = 0x06054B50;
constexpr quint32 DescriptorSignature = 0x08074B50;
constexpr quint16 DescriptorFlag = 8; // sizes and CRC follow the data

quint32 le32(const QByteArray &b, qsizetype at)
{
    return qFromLittleEndian<quint32>(b.constData() + at);
}

quint16 le16(const QByteArray &b, qsizetype at)
{
    return qFromLittleEndian<quint16>(b.constData() + at);
}

bool isRecord(quint32 word)
{
    return word == LocalSignature || word == CentralSignature || word == EndSignature;
}

// A cursor over the archive bytes that never moves past their end: callers ask
// has(n) before every fixed-size read; byte strings are cut to what is there.
class Reader {
public:
    explicit Reader(const QByteArray &bytes) : m_bytes(bytes) {}
    bool has(qsizetype n) const { return n <= m_bytes.size() - m_pos; }
    bool atEnd() const { return m_pos >= m_bytes.size(); }
    qsizetype pos() const { return m_pos; }
    quint16 u16()
    {
        const quint16 v = le16(m_bytes, m_pos);
        m_pos += 2;
        return v;
    }
    quint32 u32()
    {
        const quint32 v = le32(m_bytes, m_pos);
        m_pos += 4;
        return v;
    }
    QByteArray take(qsizetype n)
    {
        n = std::min(n, m_bytes.size() - m_pos);
        QByteArray r = m_bytes.mid(m_pos, n);
        m_pos += n;
        return r;
    }
    // Steps over a data descriptor: 12 or 20 bytes (zip64), or 16 or 24 with
    // its optional signature. The length taken is the one after which the
    // next record begins.
    void skipDescriptor()
    {
        if (has(4) && isRecord(le32(m_bytes, m_pos)))
            return; // no descriptor written after all
        const bool signed_ = has(4) && le32(m_bytes, m_pos) == DescriptorSignature;
        const qsizetype lengths[] = {signed_ ? 16 : 12, signed_ ? 24 : 20};
        for (const qsizetype n : lengths)
            if (has(n + 4) && isRecord(le32(m_bytes, m_pos + n))) {
                m_pos += n;
                return;
            }
        m_pos += std::min(lengths[0], m_bytes.size() - m_pos);
    }

private:
    const QByteArray &m_bytes;
    qsizetype m_pos = 0;
};

struct MemberSizes {
    quint32 crc = 0, packed = 0, unpacked = 0;
};

// Sizes from the central directory, by the position of each member's local
// header in `bytes` (bytes in front of the archive, as a stub would put
// there, are allowed for). Empty without an end record.
QHash<qsizetype, MemberSizes> centralSizes(const QByteArray &bytes)
{
    QHash<qsizetype, MemberSizes> sizes;
    const qsizetype lowest = std::max<qsizetype>(0, bytes.size() - 22 - 0xFFFF);
    for (qsizetype end = bytes.size() - 22; end >= lowest; --end) {
        if (le32(bytes, end) != EndSignature)
            continue;
        const qsizetype start = end - qsizetype(le32(bytes, end + 12));
        const qsizetype shift = start - qsizetype(le32(bytes, end + 16));
        for (qsizetype at = start; at >= 0 && at + 46 <= end && le32(bytes, at) == CentralSignature;) {
            sizes.insert(qsizetype(le32(bytes, at + 42)) + shift,
                         {le32(bytes, at + 16), le32(bytes, at + 20), le32(bytes, at + 24)});
            at += 46 + qsizetype(le16(bytes, at + 28)) + le16(bytes, at + 30) + le16(bytes, at + 32);
        }
        break;
    }
    return sizes;
}

// Raw deflate data inflated into at most `want` bytes; stops as soon as they
// are there, so whatever follows them is never looked at.
struct Inflated {
    QByteArray out; // shorter than wanted when the data ran out or was corrupt
    int rc = Z_OK;
    QString message;
};

Inflated inflateRaw(const QByteArray &data, qsizetype want)
{
    Inflated r;
    if (want <= 0)
        return r;
    r.out = QByteArray(want, Qt::Uninitialized);
    z_stream z{};
    if (inflateInit2(&z, -MAX_WBITS) != Z_OK) {
        r.out.clear();
        r.rc = Z_MEM_ERROR;
        r.message = QStringLiteral("cannot start inflating");
        return r;
    }
    z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.constData()));
    z.avail_in = uInt(data.size());
    z.next_out = reinterpret_cast<Bytef *>(r.out.data());
    z.avail_out = uInt(want);
    do
        r.rc = inflate(&z, Z_NO_FLUSH);
    while (r.rc == Z_OK && z.avail_out > 0 && z.avail_in > 0);
    r.message = z.msg ? QString::fromLatin1(z.msg) : QString::fromLatin1(zError(r.rc));
    r.out.truncate(qsizetype(z.total_out));
    inflateEnd(&z);
    return r;
}

QString asciiFolded(QString name)
{
    for (QChar &c : name)
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + 32);
    return name;
}
} // namespace

void TZipFile::LoadFromFile(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw ZError(QStringLiteral("Cannot open file \"%1\". %2").arg(fileName, file.errorString()));
    LoadFromStream(file);
}

void TZipFile::LoadFromResource(int id)
{
    QFile file(QStringLiteral(":/skins/%1.zip").arg(id));
    if (!file.open(QIODevice::ReadOnly))
        throw ZError(QStringLiteral("The built-in skin archive %1 is missing.").arg(id));
    LoadFromStream(file);
}

void TZipFile::LoadFromStream(QIODevice &stream)
{
    LoadFromData(stream.readAll());
}

void TZipFile::LoadFromData(const QByteArray &bytes)
{
    Files.clear();
    Headers.clear();
    EndRecord = EndOfCentralDir();
    Comment.clear();
    m_index.clear();
    readRecords(bytes);
    for (std::size_t i = 0; i < Files.size(); ++i) {
        const QString key = asciiFolded(NameText(Files[i].FileName));
        if (!m_index.contains(key))
            m_index.insert(key, int(i));
    }
}

void TZipFile::readRecords(const QByteArray &bytes)
{
    Reader r(bytes);
    std::optional<QHash<qsizetype, MemberSizes>> central;
    quint32 word = 0;
    // The first local header is searched word by word; a word that ends the
    // bytes ends the search (nothing could follow it).
    do {
        if (!r.has(4))
            return;
        word = r.u32();
        if (r.atEnd())
            return;
    } while (word != LocalSignature);

    while (word == LocalSignature) {
        if (!r.has(26))
            return; // cut inside the header: that member is dropped
        const qsizetype headerAt = r.pos() - 4;
        TLocalFile f;
        f.Signature = word;
        f.VersionNeeded = r.u16();
        f.Flags = r.u16();
        f.Method = r.u16();
        f.Time = r.u16();
        f.Date = r.u16();
        f.CRC32 = r.u32();
        f.CompressedSize = r.u32();
        f.UncompressedSize = r.u32();
        f.NameLength = r.u16();
        f.ExtraLength = r.u16();
        if (!r.has(qsizetype(f.NameLength) + f.ExtraLength))
            return;
        f.FileName = r.take(f.NameLength);
        f.Extra = r.take(f.ExtraLength);
        const bool described = f.Flags & DescriptorFlag;
        if (described) {
            // Streamed: the local header may hold zeros; the directory knows.
            if (!central)
                central = centralSizes(bytes);
            const auto known = central->constFind(headerAt);
            if (known != central->cend()) {
                f.CRC32 = known->crc;
                f.CompressedSize = known->packed;
                f.UncompressedSize = known->unpacked;
            }
        }
        // Cut inside the data: keep what is there; GetData reports it.
        f.Data = r.take(qsizetype(f.CompressedSize));
        if (described)
            r.skipDescriptor();
        Files.push_back(std::move(f));
        Headers.resize(Files.size());
        if (!r.has(4))
            return;
        word = r.u32();
    }

    std::size_t slot = 0;
    while (word == CentralSignature) {
        if (!r.has(42))
            return;
        TFileHeader h;
        h.Signature = word;
        h.VersionMadeBy = r.u16();
        h.VersionNeeded = r.u16();
        h.Flags = r.u16();
        h.Method = r.u16();
        h.Time = r.u16();
        h.Date = r.u16();
        h.CRC32 = r.u32();
        h.CompressedSize = r.u32();
        h.UncompressedSize = r.u32();
        h.NameLength = r.u16();
        h.ExtraLength = r.u16();
        h.CommentLength = r.u16();
        h.DiskNumberStart = r.u16();
        h.InternalAttributes = r.u16();
        h.ExternalAttributes = r.u32();
        h.LocalHeaderOffset = r.u32();
        if (!r.has(qsizetype(h.NameLength) + h.ExtraLength + h.CommentLength))
            return;
        h.FileName = r.take(h.NameLength);
        h.Extra = r.take(h.ExtraLength);
        h.Comment = r.take(h.CommentLength);
        // Records beyond the members have no slot; they are read past, not kept.
        if (slot < Headers.size())
            Headers[slot] = std::move(h);
        ++slot;
        if (!r.has(4))
            return;
        word = r.u32();
    }

    if (word == EndSignature && r.has(18)) {
        EndRecord.Signature = word;
        EndRecord.DiskNumber = r.u16();
        EndRecord.CentralDirStartDisk = r.u16();
        EndRecord.EntriesOnDisk = r.u16();
        EndRecord.TotalEntries = r.u16();
        EndRecord.CentralDirSize = r.u32();
        EndRecord.CentralDirOffset = r.u32();
        EndRecord.CommentLength = r.u16();
        Comment = r.take(EndRecord.CommentLength);
    }
}

int TZipFile::IndexOf(const QString &name) const
{
    return name.isEmpty() ? -1 : m_index.value(asciiFolded(name), -1);
}

QString TZipFile::NameText(const QByteArray &storedName)
{
    return DecodeTextFile(storedName);
}

QByteArray TZipFile::GetData(int index) const
{
    if (index < 0 || std::size_t(index) >= Files.size())
        throw ZError(QStringLiteral("Index out of range."));
    const TLocalFile &f = Files[std::size_t(index)];
    const QString name = NameText(f.FileName);
    auto crcError = [&] { return EZipFileCRCError(QStringLiteral("CRC Error in \"%1\".").arg(name)); };
    if (f.Method != 0 && f.Method != 8)
        throw ZError(QStringLiteral("\"%1\" is packed with compression method %2; only stored (0) and "
                                    "deflated (8) members can be read.")
                         .arg(name)
                         .arg(f.Method));
    // The declared size comes from the archive: a crafted member must not make
    // us allocate gigabytes before the data proves anything.
    if (f.UncompressedSize > MaxMemberSize)
        throw ZError(
            QStringLiteral("\"%1\" declares %2 bytes unpacked; members larger than 64 MiB are refused.")
                .arg(name)
                .arg(f.UncompressedSize));

    QByteArray out;
    if (f.Method == 0) {
        if (quint64(f.Data.size()) < f.UncompressedSize)
            throw crcError(); // cut short
        out = f.Data.left(qsizetype(f.UncompressedSize));
    } else {
        // Deflate expands at most 1032 to 1: a declared length beyond that cannot
        // come out of the data, so it fails as any short member does, unallocated.
        if (f.UncompressedSize > quint64(f.Data.size()) * 1032 + 1024)
            throw crcError();
        const Inflated r = inflateRaw(f.Data, qsizetype(f.UncompressedSize));
        if (r.out.size() < qsizetype(f.UncompressedSize)) {
            if (r.rc == Z_OK || r.rc == Z_STREAM_END || r.rc == Z_BUF_ERROR)
                throw crcError(); // the data ran out before the declared length
            throw ZError(QStringLiteral("Corrupt data in \"%1\": %2").arg(name, r.message));
        }
        out = r.out;
    }
    if (ZipCRC32(out) != f.CRC32)
        throw crcError();
    return out;
}

QByteArray TZipFile::Head(int index, qsizetype count) const
{
    if (index < 0 || std::size_t(index) >= Files.size())
        throw ZError(QStringLiteral("Index out of range."));
    const TLocalFile &f = Files[std::size_t(index)];
    count = std::min(count, qsizetype(std::min<quint32>(f.UncompressedSize, MaxMemberSize)));
    if (f.Method == 0)
        return f.Data.left(count);
    return f.Method == 8 ? inflateRaw(f.Data, count).out : QByteArray();
}

quint32 TZipFile::ZipCRC32(const QByteArray &data)
{
    return quint32(crc32_z(0L, reinterpret_cast<const Bytef *>(data.constData()), z_size_t(data.size())));
}
