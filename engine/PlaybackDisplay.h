#pragma once
// What the window shows of playback: buttons, caption and title, status,
// position, volume, duration.
#include "engine/PlaybackStatus.h"
#include "playlist/PlItem.h"

#include <QString>
#include <cstdint>

// A short note the window shows for a while in place of the status:
// None takes it away.
enum class EngineNote : std::uint8_t { None, Resumed, ScreenshotSaved, ScreenshotFailed };

class PlaybackDisplay {
public:
    virtual ~PlaybackDisplay() = default;
    virtual void SetPlayingButtons(bool playing) = 0;
    // Before a launch: refresh the duration when firstOpen; show the playlist
    // box for a DVD drive; show the display name as caption and title.
    virtual void PrepareMediaDisplay(bool firstOpen, EntryKind openMode, const QString &displayName) = 0;
    virtual void MediaOpened() = 0;
    virtual void UpdateStatusDisplay(PlaybackStatus status) = 0;
    virtual void UpdateMuteDisplay(bool mute) = 0;
    virtual void UpdatePosition(float seconds) = 0;
    virtual void UpdateVolume(float volume) = 0;
    virtual void UpdateDuration() = 0;
    virtual void ShowMediaTitle(const QString &title) = 0;
    // The state's problem or tags changed.
    virtual void UpdateMediaNotes() = 0;
    // detail: the position resumed at ("0:00:20"), the picture's path.
    virtual void ShowNote(EngineNote note, const QString &detail) = 0;
};
