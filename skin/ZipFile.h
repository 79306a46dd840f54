#pragma once
// TZipFile: the small read-only archive reader behind zipped skins. It reads a
// whole archive into memory (local headers first, then the central directory
// and the end record), finds members by name and unpacks one member on
// request (stored or deflated), checking its CRC-32. A member written with a
// data descriptor (sizes after the data) takes its sizes from the central
// directory.
#include "common/ZError.h"

#include <QByteArray>
#include <QHash>
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
    // The member's content, unpacked and checked. Throws ZError "Index out of
    // range.", ZError for a method other than stored (0) and deflated (8), a
    // member too large or corrupt data, EZipFileCRCError "CRC Error in
    // \"name\"." when the content does not match its CRC.
    QByteArray GetData(int index) const;
    // At most the first `count` bytes of the member's content, unchecked and
    // without unpacking the rest: enough to read a file header before deciding
    // whether the whole member is worth unpacking. Empty for a method that
    // cannot be read. Throws ZError "Index out of range.".
    QByteArray Head(int index, qsizetype count) const;
    // The member name as text (common/TextDecode: UTF-8 when valid, else Windows-1252).
    static QString NameText(const QByteArray &storedName);

    static quint32 ZipCRC32(const QByteArray &data);

private:
    void readRecords(const QByteArray &bytes);
    QHash<QString, int> m_index; // ASCII-folded name -> first member of that name
};
