#include "skin/ZipFile.h"

#include "common/TextDecode.h"

#include <QFile>
#include <QStringDecoder>
#include <zlib.h>

namespace {
constexpr quint32 LocalSignature = 0x04034B50;
constexpr quint32 CentralSignature = 0x02014B50;
constexpr quint32 EndSignature = 0x06054B50;

// A cursor over the archive bytes that never moves past their end: callers ask
// has(n) before every fixed-size read; byte strings are cut to what is there.
class Reader {
public:
    explicit Reader(const QByteArray &bytes) : m_bytes(bytes) {}
    bool has(qsizetype n) const { return n <= m_bytes.size() - m_pos; }
    bool atEnd() const { return m_pos >= m_bytes.size(); }
    quint16 u16()
    {
        const auto *p = reinterpret_cast<const uchar *>(m_bytes.constData() + m_pos);
        m_pos += 2;
        return quint16(p[0] | (p[1] << 8));
    }
    quint32 u32()
    {
        const quint32 lo = u16();
        return lo | (quint32(u16()) << 16);
    }
    QByteArray take(qsizetype n)
    {
        n = std::min(n, m_bytes.size() - m_pos);
        QByteArray r = m_bytes.mid(m_pos, n);
        m_pos += n;
        return r;
    }

private:
    const QByteArray &m_bytes;
    qsizetype m_pos = 0;
};
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

    Reader r(bytes);
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
        // Cut inside the data: keep what is there; GetData reports it.
        f.Data = r.take(qsizetype(f.CompressedSize));
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
    if (name.isEmpty())
        return -1;
    for (std::size_t i = 0; i < Files.size(); ++i) {
        const QString stored = NameText(Files[i].FileName);
        if (stored.size() != name.size())
            continue;
        bool same = true;
        for (qsizetype k = 0; k < name.size() && same; ++k) {
            char16_t a = stored[k].unicode(), b = name[k].unicode();
            if (a >= u'A' && a <= u'Z')
                a = char16_t(a + 32);
            if (b >= u'A' && b <= u'Z')
                b = char16_t(b + 32);
            same = a == b;
        }
        if (same)
            return int(i);
    }
    return -1;
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
    // The declared size comes from the archive: a crafted member must not make
    // us allocate gigabytes before the data proves anything.
    if (f.UncompressedSize > MaxMemberSize)
        throw ZError(
            QStringLiteral("\"%1\" declares %2 bytes unpacked; members larger than 64 MiB are refused.")
                .arg(name)
                .arg(f.UncompressedSize));

    // Deflate expands at most 1032 to 1: a declared length beyond that cannot
    // come out of the data, so it fails as any short member does, unallocated.
    if (f.UncompressedSize > quint64(f.Data.size()) * 1032 + 1024)
        throw crcError();

    QByteArray out;
    if (f.UncompressedSize > 0) {
        out = QByteArray(qsizetype(f.UncompressedSize), Qt::Uninitialized);
        z_stream z{};
        if (inflateInit2(&z, -MAX_WBITS) != Z_OK)
            throw ZError(QStringLiteral("Cannot start inflating \"%1\".").arg(name));
        z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(f.Data.constData()));
        z.avail_in = uInt(f.Data.size());
        z.next_out = reinterpret_cast<Bytef *>(out.data());
        z.avail_out = uInt(out.size());
        // Only the declared length is asked for; whatever follows it is never read.
        int rc;
        do
            rc = inflate(&z, Z_NO_FLUSH);
        while (rc == Z_OK && z.avail_out > 0 && z.avail_in > 0);
        const bool full = z.avail_out == 0;
        const QString message = z.msg ? QString::fromLatin1(z.msg) : QString::fromLatin1(zError(rc));
        inflateEnd(&z);
        if (!full) {
            if (rc == Z_OK || rc == Z_STREAM_END || rc == Z_BUF_ERROR)
                throw crcError(); // the data ran out before the declared length
            throw ZError(QStringLiteral("Corrupt data in \"%1\": %2").arg(name, message));
        }
    }
    if (ZipCRC32(out) != f.CRC32)
        throw crcError();
    return out;
}

quint32 TZipFile::ZipCRC32(const QByteArray &data)
{
    return quint32(crc32_z(0L, reinterpret_cast<const Bytef *>(data.constData()), z_size_t(data.size())));
}
