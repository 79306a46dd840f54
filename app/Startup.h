#pragma once
// Start-up and single instance: how arguments are taken at a start, and how a
// second start hands them to the copy that already runs.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

class ListedNames;
class TMainForm;
class TZorviPlaylist;

// Where the arguments of a start (or of a hand-over) go.
struct ArgumentTargets {
    bool *Verbose = nullptr;        // the engine link's verbose flag
    bool *TranslatorMode = nullptr; // the localization's translator mode
    TZorviPlaylist *Playlist = nullptr;
};

// "-v" and "-translator" exactly (letter case included) set their flag;
// anything else goes to the playlist, through `listed` when given, so a file
// or URL already in the list is found instead of added. The entry the
// argument stands for (found, or the first it added); -1 when none.
int ProcessArgument(const QString &argument, const ArgumentTargets &targets, ListedNames *listed = nullptr);

// Arguments that name an existing file or folder relative to the current
// folder become absolute: the running copy has another working folder.
// Switches, URLs and anything else are left as they are.
QStringList MakeArgumentsAbsolute(const QStringList &arguments);

// Hands the arguments to the copy listening on socketPath; true when it accepted.
bool SendArgumentsToInstance(const QString &socketPath, const QStringList &arguments);

// True when this process goes on as the running copy; false when a running copy
// took the arguments and this process ends.
bool StartupCheck(const QStringList &arguments, const QString &socketPath);

// The message for names a hand-over or the media-player service left out
// (see HandOver::MaxArguments and MaxNameLength).
QString TooManyOrTooLong(qsizetype refused);

// The receiving side of the hand-over.
class HandOverReceiver {
public:
    HandOverReceiver(const ArgumentTargets &targets, const bool *singleInstance)
        : m_targets(targets), m_singleInstance(singleInstance)
    {
    }

    // Takes one message; returns the verdict (1 accepted, 0 declined).
    quint32 WMCopyData(quint32 dwData, const QByteArray &payload);

    bool Terminating = false;
    std::function<void()> BringToFront; // restore, show, raise the application
    // The engine link plays the entry of the first name that gave one (one
    // already listed counts); -1 when names came and none gave an entry.
    std::function<void(int index)> PlayEntry;
    std::function<void()> SetForegroundWindow; // focus the main window
    std::function<void()> ArgumentsTaken;      // after the arguments were processed

private:
    ArgumentTargets m_targets;
    const bool *m_singleInstance;
};

// Points the receiver's call-backs at the main window. Hand-overs are
// declined once the window is closing. What follows an acceptance (front,
// play, focus) runs from the event loop after the verdict went out, once no
// box is open; of several accepted meanwhile, the latest plays.
void ConnectHandOver(HandOverReceiver &receiver, TMainForm &form);
// Takes one hand-over message for the window (see ConnectHandOver).
quint32 HandOverToForm(HandOverReceiver &receiver, const TMainForm &form, quint32 dwData,
                       const QByteArray &payload);
