#pragma once
// Linux values of the engine's command line, kept beside the Windows values
// they replace, and the process services the engine link needs.
#include <QList>
#include <QProcessEnvironment>
#include <QString>

// The engines the program can drive.
enum class EngineKind { MPlayer, Mpv };

struct EngineOutputOption {
    int Setting;         // VideoOut / AudioOut value
    const char *Windows; // what the original platform passes
    const char *Linux;   // what is passed to MPlayer here
    const char *Mpv;     // what is passed to mpv
};

// VideoOut 1..3 and AudioOut 1..3; 0 (custom) and other values are not listed.
const QList<EngineOutputOption> &VideoOutOptions();
const QList<EngineOutputOption> &AudioOutOptions();
// The option text for a setting value, or empty when the table has none.
QString VideoOutOption(int videoOut, EngineKind engine = EngineKind::MPlayer);
QString AudioOutOption(int audioOut, EngineKind engine = EngineKind::MPlayer);

// MPlayerPath to an executable: a bare name is looked up on PATH (kept as
// stored when not found, so the start fails with "not found"); a path
// starting with "/" is used as stored; another relative path is taken against
// the program directory (which ends with "/").
QString ResolveEnginePath(const QString &mplayerPath, const QString &programDir);

// The engine [Options] Engine names ("auto", "mplayer", "mpv"), with the
// executable it runs. Auto takes MPlayer when MPlayerPath names an executable,
// else mpv when MpvPath does. Problem says why nothing can play (an unknown
// name, or auto finding neither); Kind and Program are then MPlayer's.
struct ChosenEngine {
    EngineKind Kind = EngineKind::MPlayer;
    QString Program;
    QString Problem;
};
ChosenEngine ChooseEngine(const QString &choice, const QString &mplayerPath, const QString &mpvPath,
                          const QString &programDir);
// "mplayer" or "mpv".
QString EngineName(EngineKind kind);

// The subtitle and OSD font: the first existing of Liberation Sans and
// DejaVu Sans, or empty.
QString DefaultFontPath();

// Raises (boost) or resets the scheduling priority of a process (0: this one).
// False when the system refused (raising needs a privilege an ordinary user
// lacks); the process then keeps the priority it had.
bool SetProcessPriority(qint64 pid, bool boost);
// Whether this process may raise priority: root, CAP_SYS_NICE, or a nice
// limit (RLIMIT_NICE) that allows the boost.
bool CanRaisePriority();
// Said once in the log when a boost was asked for and refused.
extern const QString PriorityBoostRefused;

// Writing to an engine that has just died must not end the program.
void IgnoreBrokenPipe();

// The environment an engine is started with: this program's, plus the mark
// ZORVI_ENGINE_OWNER=<our process id> that tells our engines from anyone else's.
QProcessEnvironment EngineEnvironment();

// Engines left behind by a copy of this program that is gone: running
// "mplayer" processes of this user, other than `exceptPid`, that carry the
// mark of an owner no longer running as this program. Another player's
// engine, or one a live copy uses, is never offered.
QList<qint64> FindEngineProcesses(qint64 exceptPid = 0);
void KillProcess(qint64 pid);

// The system's text for an errno value.
QString SystemErrorText(int code);
