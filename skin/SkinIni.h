#pragma once
// The in-memory skin.ini: text lines with [sections] and key=value pairs.
// Names match without regard to letter case; when a key occurs twice in a
// section, or a section twice in the file, the later one is read. Sections
// and keys are indexed by their case-folded names, so a lookup costs the same
// however many sections the file has.
#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class SkinIni {
public:
    // No real skin.ini comes near these (the built-in ones have under 300
    // lines); a crafted one of millions of line breaks is refused whole.
    static constexpr qint64 MaxBytes = qint64(1024) * 1024;
    static constexpr qsizetype MaxLines = 20000;

    void Clear();
    // Throws ESkinTooLarge (skin/SkinFile.h) for more than MaxLines lines.
    void SetText(const QString &text);
    void SetLines(const QStringList &lines);
    // Reads a file's bytes (BOM, UTF-8 or Windows-1252); a missing file gives
    // an empty ini. Throws what ReadSkinFile throws, with MaxBytes.
    void LoadFromFile(const QString &fileName);

    bool SectionExists(const QString &section) const;
    bool ValueExists(const QString &section, const QString &key) const;
    std::optional<QString> Value(const QString &section, const QString &key) const;

    QString ReadString(const QString &section, const QString &key, const QString &def) const;
    // Decimal, or hexadecimal with a "0x" or "$" prefix; absent or unreadable gives def.
    int ReadInteger(const QString &section, const QString &key, int def) const;
    // An integer: 0 false, anything else true; absent or unreadable gives def.
    bool ReadBool(const QString &section, const QString &key, bool def) const;

    // Section names in file order, each once (at its first appearance).
    QStringList SectionNames() const;
    // Removes every section of that name.
    void EraseSection(const QString &section);

private:
    struct Section {
        QString name;
        QString folded;
        bool erased = false;
    };
    std::vector<Section> m_sections;    // every occurrence, in file order
    QHash<QString, qsizetype> m_lastOf; // folded name -> its last occurrence
    // (occurrence, folded key) -> value of its last line: one hash for the
    // whole file, as one per section would cost a kilobyte each.
    QHash<std::pair<qsizetype, QString>, QString> m_values;
};

// Integer conversion of skin values: decimal, "0x"/"$" hexadecimal.
std::optional<int> ParseSkinInteger(const QString &text);
