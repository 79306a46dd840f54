#pragma once
// The engine link speaks MPlayer's slave commands; mpv takes JSON requests
// on its control socket. This turns one into the other, row by row, and
// writes the requests that set up a run. Nothing here reads a reply.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace MpvCommands {
// Request ids: the probe's answer releases the command queue; an ordinary
// command's answer matters only when it failed; a question's answer is
// logged under the name MPlayer gives it (AnswerBase + its row).
inline constexpr int ProbeId = 1;
inline constexpr int CommandId = 2;
// The position, asked when the second shown is due to turn (observing it
// would wake the program for every frame).
inline constexpr int PositionId = 3;
inline constexpr int AnswerBase = 100;

// One JSON request line (no line end), or why the command has no mpv form.
struct Request {
    QByteArray Line;
    QString Refusal;
};

// A slave command line ("pausing_keep seek 10 0", "sub_load \"a b.srt\"").
Request Translate(const QByteArray &slave);
// What a console user typed after "mpv:": one mpv input command, passed as
// it stands once it holds no control character.
Request Raw(const QString &text);
QByteArray PositionQuestion();
// Sets mpv's pause outright (MPlayer's "pause" toggles).
QByteArray SetPause(bool paused);
// The name of the answer to request `id` ("ANS_TIME_POSITION"), or empty.
QByteArray AnswerName(int id);

// The properties a run observes, by their observation id (1-based).
const QStringList &Observed();
// The requests that start a run: observe every property, pass log messages
// at the level given ("info", or "v" when verbose), then load the media:
// the names exactly as mpv opens them, the first played, the rest after it.
QByteArray Prologue(const QStringList &media, const QString &logLevel);
} // namespace MpvCommands
