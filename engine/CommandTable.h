#pragma once
// Named commands ("seek +10", "volume 50 1", "fullscreen") from skins,
// shortcuts and the console. Rows are registered by whoever carries the
// command out: the engine link its own, the window its window commands.
#include <QHash>
#include <QString>
#include <functional>

// name [value [flag]]: a missing or non-numeric value counts as 0 and as no
// value; the change is absolute when the flag is an integer above 0.
struct CommandArgs {
    float Value = 0;
    bool HasValue = false;
    bool Absolute = false;

    // The value rounded to the nearest integer, ties to even (2.5 gives 2).
    int Rounded() const;
    static CommandArgs Parse(const QString &text);
};

class CommandTable {
public:
    using Action = std::function<void(const CommandArgs &args)>;

    // A second row of the same name replaces the first.
    void Register(const QString &name, Action action);
    // Runs the row named by the text's first word (letter case counts);
    // false when no row has that name.
    bool Run(const QString &text) const;

private:
    QHash<QString, Action> m_rows;
};
