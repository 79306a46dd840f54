// The minimal main window's side of the engine link: the video panel, the
// title, the track lists and the log. The skinned window takes these over
// with its menus and controls.
#include "mainwindow/MainForm.h"

#include "common/Report.h"
#include "console/LogForm.h"
#include "engine/EngineCore.h"
#include "mainwindow/PlaylistStrip.h"
#include "settings/SettingsData.h"

#include <cmath>

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTimer>

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
    // Runs only while seeking: an idle player should not wake ten times a second.
    m_engineTimer = new QTimer(this);
    m_engineTimer->setInterval(100);
    connect(m_engineTimer, &QTimer::timeout, this, [engine] { RunGuarded([engine] { engine->Tick(); }); });
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

// ------------------------------------------------------------ playback display

void TMainForm::SetPlayingButtons(bool) {}

void TMainForm::PrepareMediaDisplay(bool firstOpen, EntryKind openMode, const QString &displayName)
{
    if (openMode == EntryKind::DVD)
        ShowPlaylist(true);
    setWindowTitle(displayName);
    QApplication::setApplicationDisplayName(displayName);
}

void TMainForm::MediaOpened() {}
void TMainForm::UpdateStatusDisplay(PlaybackStatus status)
{
    if (!m_engineTimer)
        return;
    if (status == PlaybackStatus::Seeking)
        m_engineTimer->start();
    else
        m_engineTimer->stop();
}
void TMainForm::UpdateMuteDisplay(bool) {}
void TMainForm::UpdatePosition(float) {}
void TMainForm::UpdateVolume(float) {}
void TMainForm::UpdateDuration() {}

void TMainForm::ShowMediaTitle(const QString &title)
{
    setWindowTitle(title);
}

// ------------------------------------------------------------------ video panel

void TMainForm::HideVideo()
{
    m_videoShown = false;
    InnerPanel->hide();
    InnerPanel->setGeometry(0, 0, 0, 0);
}

void TMainForm::LayoutVideo()
{
    // The largest rectangle of the video's ratio inside the video area, centred.
    const QSize area = OuterPanel->size();
    const float ratio = m_program.Settings->LastSession.WinRatio;
    if (area.isEmpty() || !(ratio > 0)) {
        InnerPanel->setGeometry(QRect(QPoint(0, 0), area));
        return;
    }
    int w = area.width();
    int h = int(std::lround(float(w) / ratio));
    if (h > area.height()) {
        h = area.height();
        w = int(std::lround(float(h) * ratio));
    }
    InnerPanel->setGeometry((area.width() - w) / 2, (area.height() - h) / 2, w, h);
}

void TMainForm::RevealVideo()
{
    QTimer::singleShot(200, this, [this] {
        RunGuarded([this] {
            if (!m_engine || !m_engine->IsRunning())
                return;
            m_videoShown = true;
            LayoutVideo();
            InnerPanel->show();
        });
    });
}

void TMainForm::ApplyWindowSize()
{
    layoutPanels();
}

// The native window the engine draws into (-wid).
std::uint64_t TMainForm::VideoWindowId()
{
    return std::uint64_t(InnerPanel->winId());
}

void TMainForm::SetSizeMode(int, bool)
{
    // Sized after the video: the video area takes the video's own size.
    const PlaybackState *state = m_engine ? &m_engine->State() : nullptr;
    if (state && state->VideoWidth > 0 && !isFullScreen() && !isMaximized()) {
        const int extra = height() - OuterPanel->height();
        resize(state->VideoWidth, state->VideoHeight + extra);
    }
    layoutPanels();
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

void TMainForm::CenterItem(int)
{
    m_playlistStrip->update();
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
