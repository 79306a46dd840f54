#pragma once
// A language file: INI-like sections of "key=value" lines. Sections and keys
// are found without regard to case, the first occurrence winning; values are
// kept as written after the first "=".
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>

class TLngFile {
public:
    void Clear();
    // Clears, then parses the lines (each trimmed of blanks and control
    // characters; ";" comments and lines before the first section ignored).
    void LoadFromLines(const QStringList &lines);
    // Reads a file: UTF-16 LE/BE or UTF-8 by their byte-order marks; without
    // one, UTF-8 when valid, else Windows-1252. Throws ZError when the file
    // cannot be read.
    void LoadFromFile(const QString &path);
    // The bytes of a file split into lines, the encoding chosen as above.
    static QStringList DecodeLines(const QByteArray &bytes);

    // Empty when the section or the key is missing.
    QString ReadValue(const QString &section, const QString &key) const;
    void DeleteSection(const QString &section);
    // The section names in file order, and the keys of a section in file order
    // (duplicates included; lines without "=" left out).
    QStringList SectionNames() const;
    QStringList Keys(const QString &section) const;

    // The escapes of the capture dialog's help text. Reading: a backslash and
    // "n" become CR LF, two backslashes one, a backslash and any other
    // character are dropped, a backslash at the very end stays. Writing:
    // backslashes doubled, then CR LF written as a backslash and "n".
    static QString Unescape(const QString &text);
    static QString Escape(const QString &text);

private:
    struct Impl;
    // Defined in LngFile.cpp; kept behind a pointer so users stay lean.
    std::shared_ptr<Impl> d;
};
