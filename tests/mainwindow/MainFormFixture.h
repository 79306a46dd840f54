#pragma once
// The real main window on the offscreen platform, wired to an engine link
// that starts no process: what the engine would print is fed line by line.
#include "common/Clock.h"
#include "controls/ZorviControls.h"
#include "engine/EngineCore.h"
#include "mainwindow/MainForm.h"
#include "playlist/ZorviPlaylist.h"
#include "settings/SettingsData.h"
#include "settings/SettingsStore.h"
#include "skin/SkinControls.h"
#include "support/QtApp.h"

#include <QActionGroup>
#include <QApplication>
#include <gtest/gtest.h>
#include <memory>

class MainFormFixture : public ::testing::Test {
protected:
    SettingsData settings;
    SettingsStore store{settings};
    TZorviPlaylist playlist;
    bool translator = false;
    std::unique_ptr<TMainForm> form;
    std::unique_ptr<EngineCore> core;

    void SetUp() override
    {
        EnsureApp<QApplication>();
        form = std::make_unique<TMainForm>(ProgramParts{&settings, &store, &playlist, &translator, {}},
                                           QStringList{});
        core = std::make_unique<EngineCore>(settings, playlist, EngineHost::Of(*form),
                                            QStringLiteral("/opt/z/"));
        core->SimulateProcesses([](const QByteArray &) {});
        form->AttachEngine(core.get());
        form->show();
    }
    void TearDown() override
    {
        core.reset();
        form.reset();
    }
    SkinControls &Skin() { return *form->Skin(); }
    void SelectSkin(int index) { Skin().SkinGroup()->actions().at(index)->trigger(); }
    void Lines(std::initializer_list<const char *> lines)
    {
        for (const char *l : lines)
            core->ProcessLine(l);
    }
    // A file opened and playing, with the engine's identification lines.
    void Play(std::initializer_list<const char *> identification)
    {
        playlist.AddItem(TZorviPlaylist::MakeItem(QStringLiteral("/m/clip.avi"), EntryKind::File));
        core->PlayEntry(0);
        Lines(identification);
        Lines({"Starting playback..."});
    }
};
