#pragma once
// The shortcut code: one 32-bit number for a key or mouse action, the key word
// in bits 0-15 and the modifier byte in bits 16-23, as zorvi.ini stores it.
#include <QtCore/qnamespace.h>
#include <cstdint>

namespace ShortcutCode {
// Key words that stand for the mouse; every other one is a Windows virtual-key code.
constexpr std::uint32_t None = 0;
constexpr std::uint32_t LeftClick = 1;
constexpr std::uint32_t RightClick = 2;
constexpr std::uint32_t MiddleClick = 4;
constexpr std::uint32_t WheelDown = 0xFFE8;
constexpr std::uint32_t WheelUp = 0xFFE9;

// Bits of the modifier byte.
constexpr std::uint32_t Shift = 1;
constexpr std::uint32_t Alt = 2;
constexpr std::uint32_t Ctrl = 4;
constexpr std::uint32_t LeftHeld = 8;
constexpr std::uint32_t RightHeld = 16;
constexpr std::uint32_t MiddleHeld = 32;
constexpr std::uint32_t DoubleClick = 64;

constexpr std::uint32_t Make(std::uint32_t modifiers, std::uint32_t key)
{
    return (modifiers & 0xFF) << 16 | (key & 0xFFFF);
}
constexpr std::uint32_t Modifiers(std::uint32_t code)
{
    return code >> 16 & 0xFF;
}
constexpr std::uint32_t Key(std::uint32_t code)
{
    return code & 0xFFFF;
}
// The key word of a mouse button; None for a button without one.
constexpr std::uint32_t MouseKey(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return LeftClick;
    case Qt::RightButton:
        return RightClick;
    case Qt::MiddleButton:
        return MiddleClick;
    default:
        return None;
    }
}
// The modifier bit of Shift, Ctrl or Alt pressed alone (virtual keys 0x10-0x12), else 0.
constexpr std::uint32_t ModifierKeyBit(std::uint32_t vk)
{
    switch (vk) {
    case 0x10:
        return Shift;
    case 0x11:
        return Ctrl;
    case 0x12:
        return Alt;
    default:
        return 0;
    }
}
} // namespace ShortcutCode
