#pragma once
// What an engine's output reader reports to the engine link, beside the
// playback state it updates itself.
#include "engine/EngineProblem.h"
#include "engine/TrackMenus.h"
#include "playlist/PlItem.h"

#include <QString>

class OutputSink {
public:
    virtual ~OutputSink() = default;
    virtual void LogLine(const QString &text) = 0;
    virtual void ShowStatusLine(const QString &text) = 0;
    // The engine answered the command queue's probe.
    virtual void CommandAnswered() = 0;
    virtual void PlaybackStarted() = 0;
    virtual void AudioOpened() = 0;
    // The state holds a new video size.
    virtual void VideoSized() = 0;
    // The media has no video.
    virtual void NoVideo() = 0;
    // A track the state lists now, and a name for one it lists.
    virtual void TrackAdded(TrackMenu menu, int id) = 0;
    virtual void TrackNamed(TrackMenu menu, int id, const QString &name) = 0;
    // A title of the disc being played, and the end of the disc's titles.
    virtual void DiscTitleFound(const TPlItem &title) = 0;
    virtual void DiscIdentified() = 0;
    // A line that names what went wrong; a tag the state holds now.
    virtual void ProblemFound(EngineProblem problem) = 0;
    virtual void TagsRead() = 0;
    // The engine should be asked for its position in `ms` (engines that do
    // not report it by themselves).
    virtual void PositionWanted(int ms) { static_cast<void>(ms); }
};
