// The window's own named commands ("fullscreen", "playlist", "options" ...),
// registered into the engine link's command table beside the engine's rows.
#include "mainwindow/MainForm.h"

#include "console/LogForm.h"
#include "engine/EngineCore.h"
#include "i18n/Localization.h"
#include "settings/SettingsData.h"

void TMainForm::registerWindowCommands(EngineCore *engine)
{
    const struct {
        const char *name;
        CommandTable::Action action;
    } rows[] = {
        {"popup", [this](const CommandArgs &) { ShowPopupMenu(); }},
        {"fullscreen", [this](const CommandArgs &) { SetFullscreen(!Fullscreen); }},
        {"toggle_controls", [this](const CommandArgs &) { ToggleControls(); }},
        {"ontop", [this](const CommandArgs &) { SetOnTop(!IsOnTop()); }},
        {"minimize", [this](const CommandArgs &) { Minimize(); }},
        {"mainquit", [this](const CommandArgs &) { Quit(); }},
        {"winsize", [this](const CommandArgs &a) { SetSizeMode(a.Rounded(), a.Absolute); }},
        {"wincenter", [this](const CommandArgs &) { SetCenter(true, true); }},
        {"playlist", [this](const CommandArgs &) { ShowPlaylist(!IsPlaylistVisible()); }},
        {"options", [this](const CommandArgs &) { ShowOptions(); }},
        {"showlog", [this](const CommandArgs &) { ShowLog(); }},
        {"savelocal", [this](const CommandArgs &) { SaveLanguage(QStringLiteral("current.lng")); }},
        {"devtest", [this](const CommandArgs &) { SetTranslatorMode(true); }},
    };
    for (const auto &row : rows)
        engine->RegisterCommand(QString::fromLatin1(row.name), row.action);
}

void TMainForm::SetCenter(bool center, bool apply)
{
    m_program.Settings->LastSession.WinCenter = center;
    if (apply)
        ApplyWindowSize();
}

void TMainForm::ShowLog()
{
    m_log->SetStatusLine(m_statusLine);
    m_log->show();
    m_log->raise();
    m_log->activateWindow();
}

void TMainForm::SaveLanguage(const QString &fileName)
{
    if (!m_program.Locale) {
        notAvailable("savelocal");
        return;
    }
    // A failure throws "Unable to write to <file>", which the dispatcher reports.
    const QString path = m_program.Locale->SaveLanguage(fileName);
    m_log->AddLine(QStringLiteral("Language written to ") + path);
}

void TMainForm::SetTranslatorMode(bool on)
{
    if (m_program.Locale)
        m_program.Locale->TranslatorMode = on;
    if (m_program.TranslatorMode)
        *m_program.TranslatorMode = on;
}
