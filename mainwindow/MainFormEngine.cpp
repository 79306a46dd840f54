// The rest of the window's side of the engine link: the log and the window requests.
#include "mainwindow/MainForm.h"

#include "common/Report.h"
#include "console/LogForm.h"
#include "controls/ZorviListBox.h"
#include "settings/SettingsData.h"
#include "skin/SkinControls.h"

#include <QMessageBox>

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

bool TMainForm::IsPlaylistDragging()
{
    // The box keeps the pointer from a left press on an item to its release.
    return m_listLeftDown && m_skin->Playlist->DragIndex() >= 0;
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
