// The rest of the window's side of the engine link: wiring, a few fixed keys
// until the shortcut table, the track lists until the menus, and the log.
#include "mainwindow/MainForm.h"

#include "common/Report.h"
#include "console/LogForm.h"
#include "controls/ZorviListBox.h"
#include "engine/EngineCore.h"
#include "settings/SettingsData.h"
#include "skin/SkinControls.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>

void TMainForm::AttachEngine(EngineCore *engine)
{
    m_engine = engine;
    registerWindowCommands(engine);
    PlayEntry = [engine](int index) { engine->PlayEntry(index); };
    StopEngine = [engine] {
        engine->QuitAndWait();
        engine->HandlePendingOutput();
        engine->StorePropertySettings();
    };
    m_log->OnCommand = [engine](const QString &text) { engine->ExecuteCommand(text); };
    refreshDisplay();
}

void TMainForm::keyPressEvent(QKeyEvent *event)
{
    // A few fixed keys until the shortcut table is wired in.
    static const struct {
        int key;
        const char *command;
    } keys[] = {
        {Qt::Key_Space, "pause"},  {Qt::Key_Right, "seek +10"}, {Qt::Key_Left, "seek -10"},
        {Qt::Key_Up, "volume +5"}, {Qt::Key_Down, "volume -5"}, {Qt::Key_M, "mute"},
        {Qt::Key_F, "fullscreen"}, {Qt::Key_L, "showlog"},      {Qt::Key_S, "stop"},
        {Qt::Key_N, "next"},       {Qt::Key_P, "prev"},
    };
    if (m_engine && event->modifiers() == Qt::NoModifier) {
        for (const auto &k : keys) {
            if (k.key == event->key()) {
                RunGuarded([&] { m_engine->ExecuteCommand(QString::fromLatin1(k.command)); });
                return;
            }
        }
    }
    QWidget::keyPressEvent(event);
}

void TMainForm::notAvailable(const char *what)
{
    AddLine(QStringLiteral("$|Not available in this window yet: ") + QLatin1StringView(what));
}

// ------------------------------------------------------------------ track menus

void TMainForm::ClearTracks()
{
    m_audioTracks.clear();
    m_subtitleTracks.clear();
}

void TMainForm::AddAudioTrack(int id)
{
    m_audioTracks.append(id);
}

void TMainForm::AddSubtitleTrack(int number)
{
    m_subtitleTracks.append(number);
}

void TMainForm::NameAudioTrack(int id, const QString &name)
{
    AddLine(QStringLiteral("$|Audio track %1: %2").arg(id).arg(name));
}

void TMainForm::NameSubtitleTrack(int number, const QString &name)
{
    AddLine(QStringLiteral("$|Subtitle track %1: %2").arg(number).arg(name));
}

void TMainForm::TickMenuValue(TrackMenu, int) {}
void TMainForm::SetMenuToggle(MenuToggle, bool) {}

// ------------------------------------------------------------------------- log

void TMainForm::ClearLog()
{
    m_statusLine.clear();
    m_log->ClearLog();
}

void TMainForm::AddLine(const QString &text)
{
    m_log->AddLine(text);
}

void TMainForm::SetStatusLine(const QString &text)
{
    // Status lines come many times a second; a hidden console gets the last
    // one when it is shown instead of laying out every one of them.
    m_statusLine = text;
    if (m_log->isVisible())
        m_log->SetStatusLine(text);
}

QString TMainForm::StatusLine()
{
    return m_statusLine;
}

// ----------------------------------------------------------- window requests

void TMainForm::CenterItem(int index)
{
    m_skin->Playlist->CenterItem(index);
}

KillAnswer TMainForm::AskKillPreviousEngine(const QString &title, const QString &text)
{
    // No is the safe answer: the process may be a film the user still watches.
    const auto answer = QMessageBox::question(
        this, title, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::No);
    if (m_closed)
        return KillAnswer::Cancel; // the program ended while asking: start nothing
    switch (answer) {
    case QMessageBox::Yes:
        return KillAnswer::Yes;
    case QMessageBox::Cancel:
        return KillAnswer::Cancel;
    default:
        return KillAnswer::No;
    }
}
