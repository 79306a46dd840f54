// Keys on the window go through the shortcut bindings to the named commands.
#include "mainwindow/MainForm.h"

#include "common/Report.h"
#include "engine/EngineCore.h"
#include "shortcuts/uShortcuts.h"

#include <QGuiApplication>
#include <QKeyEvent>

bool TMainForm::RunShortcut(std::uint32_t code)
{
    if (!m_program.Shortcuts || !m_engine)
        return false;
    const QString command =
        m_program.Shortcuts->ActionFor(ShortcutCode::Modifiers(code), ShortcutCode::Key(code));
    if (command.isEmpty())
        return false;
    RunGuarded([&] { m_engine->ExecuteCommand(command); });
    return true;
}

void TMainForm::keyPressEvent(QKeyEvent *event)
{
    const std::uint32_t key = VirtualKeyFor(event->key(), event->nativeScanCode(), event->modifiers());
    // Shift, Ctrl and Alt only modify other keys.
    if (key == 0x10 || key == 0x11 || key == 0x12)
        return;
    const std::uint32_t modifiers = ModifierBits(event->modifiers(), QGuiApplication::mouseButtons());
    if (key != 0 && RunShortcut(ShortcutCode::Make(modifiers, key)))
        return;
    QWidget::keyPressEvent(event);
}
