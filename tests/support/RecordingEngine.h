#pragma once
// An engine link for the main window that starts nothing: it records the
// entries it was asked to play.
#include "engine/MPProperty.h"
#include "mainwindow/WindowEngine.h"
#include "options/OptionsEngine.h"

#include <QList>

class RecordingEngine : public WindowEngine, private CommandSink, private OptionsEngine {
public:
    QList<int> Played;

    const PlaybackState &State() const override { return m_state; }
    bool IsRunning() const override { return false; }
    void PlayEntry(int index) override { Played << index; }
    void ExecuteCommand(const QString &) override {}
    void RegisterCommand(const QString &, CommandTable::Action) override {}
    void Tick() override {}
    void LoadSubtitle(const QString &) override {}
    void SetAspect(int) override {}
    void SetPostProc(bool) override {}
    void SetFrameDrop(bool) override {}
    void ToggleMute() override {}
    void SelectTrack(TrackMenu, int) override {}
    void Shutdown() override {}
    OptionsEngine &Options() override { return *this; }

private:
    void SendCommand(const QByteArray &) override {}
    void PostCommand(const QByteArray &) override {}
    void PostAbsolute(const QByteArray &) override {}
    void Stop() override {}
    void StartAgain() override {}
    void DetectVersion() override {}
    QString Version() const override { return QStringLiteral("?"); }

    PlaybackState m_state{*this};
};
