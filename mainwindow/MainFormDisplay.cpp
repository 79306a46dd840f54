// The playback display: time label, seek and volume bars, status label and
// button, the play/pause/stop/mute buttons and the titles, following what the
// engine link reports. A control the skin lacks is simply not shown.
#include "mainwindow/MainForm.h"

#include "common/TextHelpers.h"
#include "controls/ZorviControls.h"
#include "i18n/ZorviLocal.h"
#include "mainwindow/VideoAreaPanel.h"
#include "mainwindow/WindowEngine.h"
#include "playlist/ZorviPlaylist.h"
#include "settings/SettingsData.h"
#include "shortcuts/uShortcuts.h"
#include "skin/SkinControls.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTimer>
#include <algorithm>
#include <cmath>

namespace {
// Nearest integer, ties to even (the default rounding mode).
int RoundEven(float value)
{
    if (!std::isfinite(value))
        return 0;
    return int(std::nearbyint(std::clamp(value, -2e9f, 2e9f)));
}

// The first key (not a mouse action) bound to the command, as text; empty when none is.
QString KeyOf(const TShortcutList &bindings, const QString &command)
{
    namespace SC = ShortcutCode;
    for (size_t i = 0; i < bindings.Items.size(); ++i) {
        const auto code = std::uint32_t(bindings.Items[i].Code);
        const std::uint32_t key = SC::Key(code);
        const bool mouse = key == SC::LeftClick || key == SC::RightClick || key == SC::MiddleClick ||
                           key == SC::WheelUp || key == SC::WheelDown;
        if (!mouse && key != SC::None && bindings.ActionAt(int(i)) == command) {
            // A key of one character ("`") would pass for punctuation of the sentence.
            const QString text = ShortcutToText(code);
            return text.size() == 1 ? u'"' + text + u'"' : text;
        }
    }
    return {};
}

void SetCaptionIfChanged(TZorviLabel *label, const QString &text)
{
    // Every caption change repaints: status lines come many times a second.
    if (label->Caption() != text)
        label->SetCaption(text);
}
} // namespace

void TMainForm::SetPlayingButtons(bool playing)
{
    m_skin->BPlayPause->SetChecked(playing);
    m_skin->BPlay->SetChecked(playing);
    m_skin->BPause->SetChecked(!playing);
    m_skin->BStop->SetChecked(false);
}

void TMainForm::PrepareMediaDisplay(bool firstOpen, EntryKind openMode, const QString &displayName)
{
    if (firstOpen || openMode == EntryKind::DVD) {
        UpdateDuration();
        UpdatePosition(m_engine->State().PositionProp.Value);
        m_positionBound = false;
        m_skin->SeekBar->setEnabled(false);
    }
    if (openMode == EntryKind::DVD)
        ShowPlaylist(true);
    m_listShowsTitles = openMode == EntryKind::DVD || openMode == EntryKind::DVDTitle;
    updateListTitle();
    // The window caption is what a Linux task bar shows; the application's
    // display name stays "Zorvi", since Qt appends it to every dialog's title.
    ShowMediaTitle(displayName);
}

void TMainForm::updateListTitle()
{
    const TZorviLocal &t = texts();
    const TZorviPlaylist &playlist = m_program.Playlist;
    QStringList parts{m_listShowsTitles ? t.DVDTitles : t.Playlist};
    // The total of the known lengths; "+" when some are not known yet.
    int unknown = 0;
    if (const double total = playlist.TotalLength(&unknown); total >= 1)
        parts << FormatTime((long long)total, total >= 3600) +
                     (unknown > 0 ? QStringLiteral("+") : QString());
    if (playlist.Repeat() != RepeatMode::Off)
        parts << (playlist.Repeat() == RepeatMode::One ? t.RepeatOne : t.RepeatAll);
    if (playlist.Shuffle())
        parts << t.ShuffleOn;
    SetCaptionIfChanged(m_skin->LPlaylist, parts.join(QStringLiteral(" \u00b7 ")));
}

void TMainForm::MediaOpened()
{
    UpdateDuration();
    m_skin->SeekBar->setEnabled(true);
    m_positionBound = true;
    UpdatePosition(m_engine->State().PositionProp.Value);
}

void TMainForm::UpdateStatusDisplay(PlaybackStatus status)
{
    // The status button's cell for each status; the words are the language's.
    static const int cells[] = {1, 2, 2, 4, 6, 5, 1, 3};
    const auto index = size_t(status);
    if (index < std::size(cells)) {
        // The reason the run failed, or what the playing one leaves out, in
        // place of the word.
        const EngineProblem problem = m_engine->State().Problem;
        const bool reason = status == PlaybackStatus::Error
                                ? EndsPlayback(problem)
                                : status == PlaybackStatus::Playing && problem != EngineProblem::None &&
                                      !EndsPlayback(problem);
        SetCaptionIfChanged(m_skin->LStatus, reason ? texts().ProblemText(int(problem)) : statusText(status));
        m_skin->BStatus->SetBitCurState(cells[index]);
    }
    refreshVideoArea();
    // The end of seeking is the 100 ms timer's; the keep-awake timer runs
    // while something plays.
    if (status == PlaybackStatus::Seeking)
        kickTimer();
    const bool playing = status == PlaybackStatus::Playing || status == PlaybackStatus::Seeking;
    if (playing && !m_timer30s->isActive())
        m_timer30s->start();
    else if (!playing && status != PlaybackStatus::Paused)
        m_timer30s->stop();
}

void TMainForm::UpdateMuteDisplay(bool mute)
{
    m_skin->BMute->SetChecked(mute);
}

void TMainForm::UpdatePosition(float seconds)
{
    if (!m_positionBound)
        return;
    const int position = RoundEven(seconds);
    m_skin->SeekBar->SetPosition(position); // repaints only when the thumb moves
    if (!m_seekHover)
        SetCaptionIfChanged(m_skin->LTime, FormatTime(position, m_showHours) + m_durationSuffix);
}

void TMainForm::seekBarHover(const QMouseEvent &event)
{
    if (event.buttons() & Qt::LeftButton)
        return; // a drag seeks instead
    const QPoint at = event.position().toPoint();
    m_seekHover = true;
    SetCaptionIfChanged(m_skin->LTime,
                        FormatTime(m_skin->SeekBar->PixelToPosition(at.x(), at.y()), m_showHours) +
                            m_durationSuffix);
}

void TMainForm::seekBarLeft()
{
    m_seekHover = false;
    UpdatePosition(m_engine->State().PositionProp.Value);
}

void TMainForm::UpdateVolume(float volume)
{
    m_skin->VolBar->SetPosition(RoundEven(volume));
}

void TMainForm::UpdateDuration()
{
    const float duration = m_engine->State().PositionProp.Max;
    if (!(duration > 0) || !std::isfinite(duration)) {
        m_durationSuffix = QStringLiteral(" / 0:00:00");
        m_skin->SeekBar->SetMax(0);
        m_showHours = true;
        return;
    }
    m_showHours = duration >= 3600;
    m_durationSuffix = QStringLiteral(" / ") + FormatTime(RoundEven(duration), m_showHours);
    m_skin->SeekBar->SetMax(RoundEven(duration));
}

void TMainForm::ShowMediaTitle(const QString &title)
{
    // A note stands in the title's place too: many skins show no status.
    SetCaptionIfChanged(m_skin->LMediaURL, m_note.isEmpty() ? title : m_note);
    setWindowTitle(title);
}

void TMainForm::refreshDisplay()
{
    const PlaybackState &s = m_engine->State();
    UpdateStatusDisplay(s.Status);
    UpdateDuration();
    UpdatePosition(s.PositionProp.Value);
    UpdateVolume(s.VolumeProp.Value);
    UpdateMuteDisplay(m_program.Settings.LastSession.Mute);
    m_skin->SeekBar->setEnabled(m_positionBound);
    if (m_engine->IsRunning())
        SetPlayingButtons(!s.Paused);
    ShowPlaylist(IsPlaylistVisible());
}

void TMainForm::UpdateMediaNotes()
{
    UpdateStatusDisplay(m_engine->State().Status);
}

VideoAreaInputs TMainForm::videoAreaInputs() const
{
    const PlaybackState &s = m_engine->State();
    VideoAreaInputs in;
    in.Running = m_engine->IsRunning();
    in.Started = s.Status == PlaybackStatus::Playing || s.Status == PlaybackStatus::Seeking ||
                 s.Status == PlaybackStatus::Paused;
    in.HasVideo = s.HasVideo;
    in.Problem = s.Problem;
    in.Tags = s.Tags;
    in.DisplayName = s.DisplayName;
    in.Hint = m_skin && m_skin->Params.VideoHint;
    in.OpenKey = KeyOf(m_program.Shortcuts, QStringLiteral("openfile"));
    in.ConsoleKey = KeyOf(m_program.Shortcuts, QStringLiteral("showlog"));
    return in;
}

void TMainForm::refreshVideoArea()
{
    if (!m_videoArea || !m_skin)
        return;
    m_videoArea->SetLines(VideoAreaLines(videoAreaInputs(), texts()), m_skin->Params.VideoHeadColor,
                          m_skin->Params.VideoTextColor);
}
