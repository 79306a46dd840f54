#pragma once
// Qt key events as the Windows virtual-key codes that zorvi.ini stores, so a
// settings file means the same keys on every system.
#include <QtCore/qnamespace.h>
#include <cstdint>

// The virtual key of a pressed key, or 0 for a key without one. The digit
// row and the punctuation keys go by their place on the keyboard (the X
// keycode in `nativeScanCode`, 0 when unknown), so the key left of 1 is 0xC0
// on every layout; other keys go by what Qt says they are.
std::uint32_t VirtualKeyFor(int qtKey, std::uint32_t nativeScanCode, Qt::KeyboardModifiers modifiers);
// The modifier byte of a shortcut code for keys and buttons held.
std::uint32_t ModifierBits(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);
