#pragma once
// The skins the user can choose: the two built-in archives first, then the
// skin folders (a folder holding skin.ini) and archives (exactly "*.zip") found
// in the skins folders.
#include <QString>
#include <QStringList>
#include <vector>

enum class SkinKind { Folder = 0, Archive = 1, BuiltIn = 2 };

struct SkinEntry {
    QString Name;
    SkinKind Kind = SkinKind::BuiltIn;
    // Folder skins: the folder with a trailing "/"; archives: the file; built-ins: empty.
    QString Location;
};

class SkinList {
public:
    // Built-ins, then each folder's entries sorted by name without regard to
    // case (the file system's own order is no order at all). Names are not
    // checked for duplicates.
    void Build(const QStringList &skinFolders);
    const std::vector<SkinEntry> &Entries() const { return m_entries; }
    int Count() const { return int(m_entries.size()); }
    const SkinEntry &At(int index) const { return m_entries.at(size_t(index)); }
    // First entry whose name matches without regard to case, or -1.
    int IndexOf(const QString &name) const;
    // The entry chosen at start-up for the Skin setting: its match, else 0.
    int StartupIndex(const QString &name) const { return qMax(0, IndexOf(name)); }

private:
    std::vector<SkinEntry> m_entries;
};

// A file named in a folder skin: "\" becomes "/", each component is looked up
// exactly first, then without regard to case (skins made elsewhere name
// Play.BMP for play.bmp). Returns the path found, or folder + name as given.
QString ResolveSkinFile(const QString &folder, const QString &name);
