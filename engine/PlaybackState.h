#pragma once
// What the engine link knows about the entry being played and its run. Only
// the engine link writes it; the window and the tests read it through
// EngineCore::State().
#include "engine/EngineProblem.h"
#include "engine/MPProperty.h"
#include "engine/PlaybackStatus.h"
#include "playlist/PlItem.h"

#include <QByteArray>
#include <QList>
#include <QString>

struct PlaybackState {
    explicit PlaybackState(CommandSink &sink);

    PlaybackStatus Status = PlaybackStatus::None;
    int ExitCode = 0; // of the last run
    EntryKind OpenMode = EntryKind::None;
    QByteArray MediaURL; // as the engine gets it
    QString DisplayName = QStringLiteral("Zorvi");
    // The first run for the entry: the media is identified and the track lists built.
    bool FirstOpen = true;
    // The run of a DVD drive entry, which goes on playing the disc's first title
    // once the titles are listed; unlike a title's own run, its end moves on.
    bool DiscRun = false;
    QByteArray SubtitleFiles; // comma-separated, passed with "-sub" on relaunch
    bool Paused = false;
    bool VolumePending = false; // a volume change waits for unmute or resume
    int AspectIndex = 0;        // 0 none, 1 4:3, 2 16:9, 3 2.35
    float Speed = 1;            // kept from one entry to the next
    bool HasVideo = true;
    int VideoWidth = 0;
    int VideoHeight = 0;
    float VideoAspect = 0;
    // The ids of the items the track menus hold (the window's fixed items not counted).
    QList<int> AudioTrackIds;
    QList<int> SubtitleTrackIds;
    // Our number of the first subtitle file in the menu, -1 when none.
    int SubtitleFileBase = -1;
    QString MPlayerVersion = QStringLiteral("?");
    // Why the last run failed, or what the playing one leaves out; kept until
    // the next playback starts.
    EngineProblem Problem = EngineProblem::None;
    // No sound device could be opened: every run of this program from then on
    // plays without sound.
    bool SoundDeviceMissing = false;
    // The entry's tags, read on its first run.
    MediaTags Tags;

    // Position value and maximum are the playback position and the duration;
    // the track properties' ranges follow the streams found.
    TMPProperty VolumeProp;
    TMPProperty PositionProp;
    TMPProperty AudioTrackProp;
    TMPProperty SubtitleTrackProp;
    TMPProperty SubtitleScaleProp;
    TMPProperty SubtitleDelayProp;
};
