#pragma once
// zorvi.ini as text: sections of "key=value" lines. Section and key names match
// without regard to case; blanks around keys and values are dropped; empty
// lines and lines starting with ";" carry no value (they are kept as written
// only by writers that ask for it). Files without a byte-order mark are read as
// UTF-8 when they are valid UTF-8, else as Windows-1252; files are written as
// UTF-8. A section named twice is one section (the lines of the later one
// join the first); a key named twice reads as its first line. Sections and
// keys are indexed by their case-folded names, so a lookup costs the same
// however large the file.
#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class IniFile {
public:
    IniFile() = default;

    // Parses file bytes; never fails (unusable lines are ignored).
    static IniFile FromBytes(const QByteArray &bytes);
    // A file that does not exist reads as empty. Throws ZError("Unable to read "
    // + path) for a file that exists but cannot be read: writing over it would
    // lose what it holds.
    static IniFile Load(const QString &path);

    QByteArray ToBytes(bool keepComments) const;
    // Replaces the file in one piece (sibling file, then rename), so a crash or a
    // full disk never leaves it truncated. Throws ZError("Unable to write to " +
    // path) and leaves the old file when it cannot be written.
    void Save(const QString &path, bool keepComments) const;

    // nullopt when the section or key is missing (first occurrence wins).
    std::optional<QString> Value(const QString &section, const QString &key) const;
    QString ReadString(const QString &section, const QString &key, const QString &def) const;
    // Integers other than 0 are true; anything unparsable gives the default.
    bool ReadBool(const QString &section, const QString &key, bool def) const;
    int ReadInteger(const QString &section, const QString &key, int def) const;
    // Finite values that fit a 32-bit float only.
    float ReadFloat(const QString &section, const QString &key, float def) const;

    void WriteString(const QString &section, const QString &key, const QString &value);
    void WriteBool(const QString &section, const QString &key, bool value);
    void WriteInteger(const QString &section, const QString &key, int value);
    void WriteFloat(const QString &section, const QString &key, float value);

    bool SectionExists(const QString &section) const;
    QStringList SectionNames() const;
    // Keys of a section in file order (duplicates listed once).
    QStringList Keys(const QString &section) const;
    void EraseSection(const QString &section);
    void DeleteKey(const QString &section, const QString &key);

private:
    struct Line {
        QString Key; // empty for a comment or blank line
        QString Value;
        QString Raw; // comment text as written
    };
    struct Section {
        QString Name; // empty: lines before the first section (no values there)
        std::vector<Line> Lines;
    };

    qsizetype sectionIndex(const QString &name) const; // -1 for none
    const Section *findSection(const QString &name) const;
    qsizetype sectionForWriting(const QString &name);
    void addLine(qsizetype section, Line line);
    void reindexKeys(qsizetype section);
    void rebuildIndex();

    std::vector<Section> m_sections;
    QHash<QString, qsizetype> m_sectionAt; // folded name -> index in m_sections
    // (section index, folded key) -> its first line: one hash for the whole
    // file, as one per section would cost a kilobyte each.
    QHash<std::pair<qsizetype, QString>, qsizetype> m_keyAt;
};
