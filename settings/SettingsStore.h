#pragma once
// Moves the values of zorvi.ini between the file and their holders. One table
// of (section, key, default, holder) drives reading and writing, so each key is
// declared once. Holders start as the fields of a SettingsData; a component
// that keeps a value itself points the key at its own field with Bind.
#include "settings/SettingsData.h"

#include <QFlags>
#include <QString>
#include <functional>
#include <variant>
#include <vector>

class IniFile;

using SettingHolder = std::variant<bool *, int *, float *, QString *>;
using SettingValue = std::variant<bool, int, float, QString>;

enum class SettingFlag : unsigned {
    NeverWritten = 1,     // read only (Verbose)
    DefaultIsCurrent = 2, // the holder's value before loading is the default
    Positive = 4,         // a float that divides: 0 or less takes the default
};
Q_DECLARE_FLAGS(SettingFlags, SettingFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(SettingFlags)

struct SettingRow {
    QString Section;
    QString Key;
    SettingValue Default;
    SettingHolder Holder;
    SettingFlags Flags;
};

class SettingsStore {
public:
    // Above this many keys "LastSession" is rewritten with the program's keys only.
    static constexpr qsizetype MaxLastSessionKeys = 1000;

    explicit SettingsStore(SettingsData &data);

    // Full path of zorvi.ini (see Platform::SettingsFilePath).
    void SetFileName(const QString &fileName) { m_fileName = fileName; }
    const QString &FileName() const { return m_fileName; }

    // Points a key at another holder of the same type. An unknown key or a type
    // mismatch is a programming error: std::logic_error.
    void Bind(const QString &key, bool *holder);
    void Bind(const QString &key, int *holder);
    void Bind(const QString &key, float *holder);
    void Bind(const QString &key, QString *holder);
    // A value of a text key for this run only (a command-line switch): the
    // holder takes it now and after every load, and a save writes the value
    // the file had instead while the holder still holds it (a user who
    // chooses anew is saved). A key that is not a text is a programming error.
    void SetRunValue(const QString &key, const QString &value);

    // Reads "Options", then "LastSession", then hands the file to ReadShortcuts.
    // A missing or unreadable file gives every default, silently.
    void LoadSettings();
    // Rewrites the file in one piece with every "Options" key (never Verbose),
    // keeping the other sections; "Shortcuts" is rewritten through
    // WriteShortcuts when the shortcut list was edited.
    void SaveOptions(bool shortcutsModified);
    // Writes every "LastSession" key, keeping the rest of the file as it is
    // (and other keys of that section up to MaxLastSessionKeys).
    // Both saves throw ZError("Unable to write to " + file) and leave the old file.
    void SaveLastSession();
    // Whether the last save, of either kind, failed: the file does not hold
    // what the program meant to keep (the exit status says so).
    bool SaveFailed() const { return m_saveFailed; }

    // Section "Shortcuts" belongs to the shortcut list, which fills these in.
    std::function<void(const IniFile &ini)> ReadShortcuts;
    std::function<void(IniFile &ini)> WriteShortcuts;

    const std::vector<SettingRow> &Rows() const { return m_rows; }

private:
    SettingRow &row(const QString &key);
    void readSection(const IniFile &ini, const QString &section);
    void writeSection(IniFile &ini, const QString &section) const;
    IniFile loadForWriting() const;
    void save(const IniFile &ini, bool keepComments);

    // The text to write for a row: the file's value in place of a run value.
    const QString &written(const SettingRow &r, const QString &held) const;

    struct RunValue {
        QString Key;
        QString Run;
        QString Stored; // what the file has
    };
    std::vector<SettingRow> m_rows;
    std::vector<RunValue> m_runValues;
    QString m_fileName;
    bool m_saveFailed = false;
};
