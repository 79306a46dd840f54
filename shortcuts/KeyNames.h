#pragma once
// Shortcut codes as the text the options and capture dialogs show: the
// modifiers, then the mouse action or the key's English name.
#include <QString>
#include <cstdint>

// "Ctrl+", "Alt+", "Shift+", then "Double " or the held buttons ("Left+" ...).
QString ShiftToText(std::uint32_t modifiers);
// The whole code; a key without a name shows as "0x" and its hexadecimal code.
QString ShortcutToText(std::uint32_t code);
// The name a Windows US layout gives a virtual key ("Tab", "Page Up", "M"), or
// empty when it has none.
QString VirtualKeyName(std::uint32_t virtualKey);
