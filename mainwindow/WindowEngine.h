#pragma once
// What the main window asks of the engine link. The window calls nothing
// else on it; the program hands it an EngineWindowLink, tests a recorder.
#include "engine/CommandTable.h"
#include "engine/PlaybackState.h"
#include "engine/TrackMenus.h"

#include <QString>

class OptionsEngine;

class WindowEngine {
public:
    virtual ~WindowEngine() = default;

    virtual const PlaybackState &State() const = 0;
    virtual bool IsRunning() const = 0;
    // An index outside the playlist means its first entry.
    virtual void PlayEntry(int index) = 0;
    // A named command line ("seek 10 1"), as from a key or a skin button.
    virtual void ExecuteCommand(const QString &text) = 0;
    // The window's own named commands, beside the engine's.
    virtual void RegisterCommand(const QString &name, CommandTable::Action action) = 0;
    // The 100 ms timer's step while seeking.
    virtual void Tick() = 0;
    virtual void LoadSubtitle(const QString &path) = 0;
    virtual void SetAspect(int index) = 0;
    virtual void SetPostProc(bool on) = 0;
    virtual void SetFrameDrop(bool on) = 0;
    virtual void ToggleMute() = 0;
    virtual void SelectTrack(TrackMenu menu, int value) = 0;
    // Before the program ends: stops the engine and keeps its settings.
    virtual void Shutdown() = 0;
    // The options dialog's view of the link.
    virtual OptionsEngine &Options() = 0;
};
