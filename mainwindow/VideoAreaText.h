#pragma once
// What the video area says while it shows no picture: how to begin when
// nothing plays, why the last run failed until the next playback starts, and
// the tags of sound that plays. Never anything while a picture plays.
#include "engine/EngineProblem.h"

#include <QList>
#include <QString>

struct TZorviLocal;

struct VideoAreaLine {
    enum class Kind { Heading, Text, Aside };
    Kind kind;
    QString Text;
    bool operator==(const VideoAreaLine &) const = default;
};

struct VideoAreaInputs {
    bool Running = false; // an engine runs
    bool Started = false; // and has started playing
    bool HasVideo = true;
    EngineProblem Problem = EngineProblem::None;
    MediaTags Tags;
    QString DisplayName;
    bool Hint = true;   // the skin lets the hint show
    QString OpenKey;    // the key of "openfile", empty when none is bound
    QString ConsoleKey; // the key of "showlog", empty when none is bound
};

QList<VideoAreaLine> VideoAreaLines(const VideoAreaInputs &in, const TZorviLocal &texts);
// A failure is shown: a click on the video area opens the console.
bool ShowsFailure(const VideoAreaInputs &in);
