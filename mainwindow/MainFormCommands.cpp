// The window's own named commands ("fullscreen", "playlist", "options" ...),
// registered into the engine link's command table beside the engine's rows.
#include "mainwindow/MainForm.h"

#include "console/LogForm.h"
#include "controls/ZorviButton.h"
#include "i18n/Localization.h"
#include "mainwindow/WindowEngine.h"
#include "settings/SettingsData.h"
#include "shortcuts/KeysWindow.h"
#include "shortcuts/ShortcutList.h"
#include "skin/SkinControls.h"

void TMainForm::registerWindowCommands()
{
    const struct {
        const char *name;
        CommandTable::Action action;
    } rows[] = {
        {"popup", [this](const CommandArgs &) { showPopupMenu(); }},
        {"fullscreen", [this](const CommandArgs &) { SetFullscreen(!m_fullscreen); }},
        {"toggle_controls", [this](const CommandArgs &) { toggleControls(); }},
        {"ontop", [this](const CommandArgs &) { setOnTop(!isOnTop()); }},
        {"minimize", [this](const CommandArgs &) { showMinimized(); }},
        {"mainquit", [this](const CommandArgs &) { close(); }},
        {"winsize", [this](const CommandArgs &a) { SetSizeMode(a.Rounded(), a.Absolute); }},
        {"wincenter", [this](const CommandArgs &) { setCenter(true, true); }},
        {"playlist", [this](const CommandArgs &) { ShowPlaylist(!IsPlaylistVisible()); }},
        {"options", [this](const CommandArgs &) { showOptions(); }},
        {"showlog", [this](const CommandArgs &) { showLog(); }},
        {"openfile", [this](const CommandArgs &) { openFiles(true); }},
        {"openurl", [this](const CommandArgs &) { openUrl(); }},
        {"keys", [this](const CommandArgs &) { showKeys(); }},
        {"openfolder", [this](const CommandArgs &) { openFolder(); }},
        {"savelocal", [this](const CommandArgs &) { saveLanguage(QStringLiteral("current.lng")); }},
        {"devtest", [this](const CommandArgs &) { m_program.Locale.TranslatorMode = true; }},
        // Without a value the next of off, one, all; with one, that mode.
        {"repeat",
         [this](const CommandArgs &a) {
             setRepeat(a.HasValue ? a.Rounded() : (m_program.Settings.LastSession.Repeat + 1) % 3);
         }},
        {"shuffle",
         [this](const CommandArgs &a) {
             setShuffle(a.HasValue ? a.Value > 0 : !m_program.Settings.LastSession.Shuffle);
         }},
    };
    for (const auto &row : rows)
        m_engine->RegisterCommand(QString::fromLatin1(row.name), row.action);
}

void TMainForm::setCenter(bool center, bool apply)
{
    m_program.Settings.LastSession.WinCenter = center;
    if (apply)
        ApplyWindowSize();
}

void TMainForm::showLog()
{
    m_log->SetStatusLine(m_statusLine);
    m_log->show();
    m_log->raise();
    m_log->activateWindow();
}

void TMainForm::saveLanguage(const QString &fileName)
{
    // A failure throws "Unable to write to <file>", which the dispatcher reports.
    const QString path = m_program.Locale.SaveLanguage(fileName);
    m_log->AddLine(QStringLiteral("Language written to ") + path);
}

void TMainForm::showKeys()
{
    if (!m_keys)
        m_keys = new KeysWindow(this);
    fillKeys();
    m_keys->show();
    m_keys->raise();
    m_keys->activateWindow();
}

void TMainForm::fillKeys()
{
    if (m_keys)
        m_keys->Fill(texts().KeysTitle, BoundActions(m_program.Shortcuts, texts().Cmds));
}

void TMainForm::updateButtonTips()
{
    if (!m_skin)
        return;
    std::vector<TZorviControl *> controls(m_skin->Buttons().begin(), m_skin->Buttons().end());
    const std::vector<TZorviControl *> extras = m_skin->ExtraElements();
    controls.insert(controls.end(), extras.begin(), extras.end());
    for (TZorviControl *control : controls)
        if (auto *button = qobject_cast<TZorviButton *>(control))
            button->setToolTip(
                CommandTip(m_program.Shortcuts, texts().Cmds, QString::fromUtf8(button->Command)));
}
