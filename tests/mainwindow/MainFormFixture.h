#pragma once
// The main window on an engine link that starts no process, or on real mplayer.
#include "../engine/RecordedRuns.h"
#include "controls/ZorviControls.h"
#include "engine/EngineCore.h"
#include "mainwindow/MainForm.h"
#include "playlist/ZorviPlaylist.h"
#include "settings/SettingsData.h"
#include "settings/SettingsStore.h"
#include "shortcuts/ShortcutList.h"
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
    TShortcutList shortcuts; // the default bindings: the store reads no file
    bool real = false;
    Localization *locale = nullptr; // none: the built-in English
    std::unique_ptr<TMainForm> form;
    RecordedRuns runs; // unless real
    std::unique_ptr<EngineCore> core;

    void SetUp() override { Build(); }
    void Build()
    {
        EnsureApp<QApplication>();
        shortcuts.ConnectTo(store);
        form = std::make_unique<TMainForm>(
            ProgramParts{&settings, &store, &playlist, &translator, {}, &shortcuts, locale}, QStringList{});
        settings.Options.VideoOut = 0; // custom: the only output Xvfb shows
        settings.Options.CustomVideoOut = QStringLiteral("-vo x11 -zoom");
        settings.Options.AudioOut = 1;
        core = std::make_unique<EngineCore>(settings, playlist, EngineHost::Of(*form),
                                            QCoreApplication::applicationDirPath() + "/",
                                            real ? EngineRunFactory() : runs.Factory());
        form->AttachEngine(core.get());
        form->show();
    }
    void TearDown() override
    {
        if (real) {
            core->QuitAndWait();
            core->HandlePendingOutput();
        }
        core.reset();
        form.reset();
    }
    SkinControls &Skin() { return *form->Skin(); }
    void SelectSkin(int index) { Skin().SkinGroup()->actions().at(index)->trigger(); }
    void Play(std::initializer_list<const char *> lines)
    {
        playlist.AddItem(TZorviPlaylist::MakeItem(QStringLiteral("/m/clip.avi"), EntryKind::File));
        core->PlayEntry(0);
        runs.Current->Post(QByteArrayList(lines.begin(), lines.end()));
        core->HandlePendingOutput();
    }
};
