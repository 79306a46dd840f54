#pragma once
// What the bindings do, told the way a user reads it: each action with the
// names of the keys and mouse actions bound to it, in the UI language. The
// keys window, the skin buttons' tooltips and the manual page read it.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

class TShortcutList;

struct BoundAction {
    QString Command;     // the command text the bindings run ("pause", "osd 2")
    QString Description; // its text in the UI language
    QStringList Keys;    // names of the keyboard shortcuts, in binding order
    QStringList Mouse;   // names of the mouse actions, in binding order
};

// A code of a mouse button, the wheel or a key pressed with a button held.
bool IsMouseCode(std::uint32_t code);
// The text of a command in the UI language: that of the named command it is
// (`cmdTexts` are TZorviLocal::Cmds), else the free command's text before it.
QString CommandDescription(const QString &command, const QStringList &cmdTexts);
// Every action that a binding runs, sorted by description as the options
// dialog sorts; a code bound twice counts once, as only its first binding acts.
std::vector<BoundAction> BoundActions(const TShortcutList &list, const QStringList &cmdTexts);
// The name of the first keyboard shortcut that runs the command ("Ctrl+O"),
// or empty when no key does.
QString KeyFor(const TShortcutList &list, const QString &command);
// A skin button's tooltip: the description of a named command, with its
// first keyboard shortcut when one is bound ("View: Fullscreen (Enter)");
// empty for a command that is not one of the named commands.
QString CommandTip(const TShortcutList &list, const QStringList &cmdTexts, const QString &command);
