#pragma once
// TZipFile: the small read-only archive reader behind zipped skins. It reads a
// whole archive into memory (local headers first, then the central directory
// and the end record), finds members by name and inflates one member on
// request, checking its CRC-32.
#include "common/ZError.h"

#include <QByteArray>
#include <QString>
#include <vector>

class QIODevice;

class EZipFileCRCError : public ZError {
public:
    using ZError::ZError;
};

struct TLocalFile {
    quint32 Signature = 0;
    quint16 VersionNeeded = 0, Flags = 0, Method = 0, Time = 0, Date = 0;
    quint32 CRC32 = 0, CompressedSize = 0, UncompressedSize = 0;
    quint16 NameLength = 0, ExtraLength = 0;
    QByteArray FileName, Extra;
    QByteArray Data; // fewer than CompressedSize bytes when the archive was cut short
};

struct TFileHeader {
    quint32 Signature = 0;
    quint16 VersionMadeBy = 0, VersionNeeded = 0, Flags = 0, Method = 0, Time = 0, Date = 0;
    quint32 CRC32 = 0, CompressedSize = 0, UncompressedSize = 0;
    quint16 NameLength = 0, ExtraLength = 0, CommentLength = 0, DiskNumberStart = 0, InternalAttributes = 0;
    quint32 ExternalAttributes = 0, LocalHeaderOffset = 0;
    QByteArray FileName, Extra, Comment;
};

struct EndOfCentralDir {
    quint32 Signature = 0;
    quint16 DiskNumber = 0, CentralDirStartDisk = 0, EntriesOnDisk = 0, TotalEntries = 0;
    quint32 CentralDirSize = 0, CentralDirOffset = 0;
    quint16 CommentLength = 0;
};

class TZipFile {
public:
    // Members above this declared size are refused before anything is allocated.
    static constexpr quint32 MaxMemberSize = 64u * 1024 * 1024;

    std::vector<TLocalFile> Files;
    // One slot per member; central directory records beyond the members are
    // read past and dropped (nothing uses them).
    std::vector<TFileHeader> Headers;
    EndOfCentralDir EndRecord;
    QByteArray Comment;

    // Throws ZError when the file cannot be opened.
    void LoadFromFile(const QString &fileName);
    // Reads the built-in archive ":/skins/<id>.zip"; ZError when there is none.
    void LoadFromResource(int id);
    // Reads from the stream's position to its end. Never fails: reading stops
    // at the first word that is no record signature or at a record cut short.
    void LoadFromStream(QIODevice &stream);
    void LoadFromData(const QByteArray &bytes);

    int Count() const { return int(Files.size()); }
    // Index of the first member whose stored name equals name, ASCII letters
    // compared without case; -1 for none and for an empty name.
    int IndexOf(const QString &name) const;
    // The member's content, inflated and checked. Throws ZError "Index out of
    // range.", ZError for a member too large or corrupt data, EZipFileCRCError
    // "CRC Error in \"name\"." when the content does not match its CRC.
    QByteArray GetData(int index) const;
    // The member name as text (common/TextDecode: UTF-8 when valid, else Windows-1252).
    static QString NameText(const QByteArray &storedName);

    static quint32 ZipCRC32(const QByteArray &data);
};
