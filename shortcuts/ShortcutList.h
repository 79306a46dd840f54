#pragma once
// The key and mouse bindings: shortcut codes bound to one of the named
// commands by number, or to a command text of the user's. One list for the
// whole program, made by main(); section "Shortcuts" of zorvi.ini holds it.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

class IniFile;
class SettingsStore;

struct TmyShortcut {
    std::int32_t Code = 0;
    std::int32_t Command = 0; // 1..32: CommandNames; 0: Custom
    QByteArray Custom;
};
using TmyShortcutArray = std::vector<TmyShortcut>;

class TShortcutList {
public:
    static constexpr int CommandCount = 38;
    // The named command of each index; index 0 (a free command) has none.
    static const QStringList &CommandNames();
    // The built-in bindings, one comma-separated list of "code=command" items.
    static const char *const DefaultTable;

    // Replaces the bindings from section "Shortcuts", or from DefaultTable
    // when the section has no lines. A key that is not hexadecimal throws
    // ZError("'$0<key>' is not a valid integer value"); the bindings read
    // before it are kept, and that line and the ones after it are kept aside.
    void LoadFromIni(const IniFile &ini);
    // Rewrites section "Shortcuts" from the bindings, then the lines kept
    // aside (but for codes the bindings now hold): what was never read is
    // never lost by an edit of what was.
    void SaveToIni(IniFile &ini) const;
    // Reads and writes through the store's "Shortcuts" hooks. A key that is
    // not hexadecimal is reported, and the start goes on with what was read.
    void ConnectTo(SettingsStore &store);

    int IndexOfCode(std::uint32_t code) const;
    // The command text of the binding at index; empty outside the list or for
    // a command number without a name.
    QString ActionAt(int index) const;
    // The command bound to the modifier byte and key word; empty when none is.
    QString ActionFor(std::uint32_t modifiers, std::uint32_t key) const;

    // The options dialog reads and replaces the bindings as a whole.
    TmyShortcutArray Items;

private:
    void load(const QList<std::pair<QString, QString>> &lines);

    QList<std::pair<QString, QString>> m_unread;
};
