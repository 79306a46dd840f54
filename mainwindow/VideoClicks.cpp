#include "mainwindow/VideoClicks.h"

#include "shortcuts/ShortcutCode.h"

std::optional<std::uint32_t> VideoClicks::Press(Qt::MouseButton button, std::uint32_t modifiers,
                                                bool doubleClick)
{
    m_consumed = false;
    const std::uint32_t key = ShortcutCode::MouseKey(button);
    if (!doubleClick || key == ShortcutCode::None)
        return std::nullopt;
    return ShortcutCode::Make(modifiers | ShortcutCode::DoubleClick, key);
}

std::optional<std::uint32_t> VideoClicks::Release(Qt::MouseButton button, std::uint32_t modifiers)
{
    // One click per press: with two buttons down, the first release is the click.
    if (m_consumed)
        return std::nullopt;
    m_consumed = true;
    const std::uint32_t key = ShortcutCode::MouseKey(button);
    if (key == ShortcutCode::None)
        return std::nullopt;
    return ShortcutCode::Make(modifiers, key);
}
