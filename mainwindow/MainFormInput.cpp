// Input on the window: the one input hook (keys, video clicks, the wheel)
// wired to the shortcut bindings and the Esc rules.
#include "mainwindow/MainForm.h"

#include "common/Report.h"
#include "controls/ZorviPanel.h"
#include "mainwindow/VideoAreaText.h"
#include "mainwindow/WindowEngine.h"
#include "mainwindow/WindowInput.h"
#include "playlist/ZorviPlaylist.h"
#include "shortcuts/uShortcuts.h"

namespace {
// Delete as the bindings store it (a Windows virtual key, no modifier).
constexpr std::uint32_t DeleteKey = ShortcutCode::Make(0, 0x2E);
} // namespace

bool TMainForm::runShortcut(std::uint32_t code)
{
    // A click on the reason a run failed opens the console, which says more.
    if (code == ShortcutCode::Make(0, ShortcutCode::LeftClick) && ShowsFailure(videoAreaInputs())) {
        showLog();
        return true;
    }
    const QString command =
        m_program.Shortcuts.ActionFor(ShortcutCode::Modifiers(code), ShortcutCode::Key(code));
    if (command.isEmpty() && code == DeleteKey && IsPlaylistVisible()) {
        // Unbound, Delete does in the playlist what its menu's Remove does.
        RunGuarded([this] { m_program.Playlist.DeleteSelected(); });
        return true;
    }
    if (command.isEmpty())
        return false;
    RunGuarded([&] { m_engine->ExecuteCommand(command); });
    return true;
}

void TMainForm::attachInput()
{
    WindowInputHost host;
    host.video = {m_outerPanel, m_innerPanel};
    host.runShortcut = [this](std::uint32_t code) { return runShortcut(code); };
    host.escape = [this] {
        if (m_fullscreen)
            SetFullscreen(false);
        else if (isMaximized())
            showNormal();
    };
    new WindowInput(this, m_pointer, std::move(host));
}
