#pragma once
// Linux values of the engine's command line, kept beside the Windows values
// they replace, and the process services the engine link needs.
#include <QList>
#include <QProcessEnvironment>
#include <QString>

struct EngineOutputOption {
    int Setting;         // VideoOut / AudioOut value
    const char *Windows; // what the original platform passes
    const char *Linux;   // what is passed here
};

// VideoOut 1..3 and AudioOut 1..3; 0 (custom) and other values are not listed.
const QList<EngineOutputOption> &VideoOutOptions();
const QList<EngineOutputOption> &AudioOutOptions();
// The option text for a setting value, or empty when the table has none.
QString VideoOutOption(int videoOut);
QString AudioOutOption(int audioOut);

// MPlayerPath to an executable: a bare name is looked up on PATH (kept as
// stored when not found, so the start fails with "not found"); a path
// starting with "/" is used as stored; another relative path is taken against
// the program directory (which ends with "/").
QString ResolveEnginePath(const QString &mplayerPath, const QString &programDir);

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
