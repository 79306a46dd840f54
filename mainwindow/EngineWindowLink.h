#pragma once
// The main window's view of the engine core, which it owns.
#include "mainwindow/EngineOptionsLink.h"
#include "mainwindow/WindowEngine.h"

#include <memory>

class EngineCore;

class EngineWindowLink : public WindowEngine {
public:
    explicit EngineWindowLink(std::unique_ptr<EngineCore> engine);
    ~EngineWindowLink() override;

    EngineCore &Core() const { return *m_engine; }

    const PlaybackState &State() const override;
    bool IsRunning() const override;
    void PlayEntry(int index) override;
    void ExecuteCommand(const QString &text) override;
    void RegisterCommand(const QString &name, CommandTable::Action action) override;
    void Tick() override;
    void LoadSubtitle(const QString &path) override;
    void SetAspect(int index) override;
    void SetPostProc(bool on) override;
    void SetFrameDrop(bool on) override;
    void ToggleMute() override;
    void SelectTrack(TrackMenu menu, int value) override;
    void Shutdown() override;
    OptionsEngine &Options() override { return m_options; }

private:
    std::unique_ptr<EngineCore> m_engine;
    EngineOptionsLink m_options;
};
