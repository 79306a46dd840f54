#pragma once
// The main window on an engine link that starts no process, or on real mplayer.
#include "../engine/RecordedRuns.h"
#include "../engine/WaitFor.h"
#include "controls/ZorviControls.h"
#include "engine/EngineCore.h"
#include "i18n/Localization.h"
#include "mainwindow/EngineWindowLink.h"
#include "mainwindow/MainForm.h"
#include "playlist/ZorviPlaylist.h"
#include "settings/SettingsData.h"
#include "settings/SettingsStore.h"
#include "shortcuts/ShortcutList.h"
#include "skin/SkinControls.h"
#include "support/QtApp.h"

#include <QActionGroup>
#include <QApplication>
#include <QProcess>
#include <memory>
#include <optional>

class MainFormFixture : public ::testing::Test {
protected:
    SettingsData settings;
    SettingsStore store{settings};
    TZorviPlaylist playlist;
    TShortcutList shortcuts; // the default bindings: the store reads no file
    bool real = false;
    std::unique_ptr<Localization> locale;
    std::unique_ptr<TMainForm> form;
    RecordedRuns runs; // unless real
    EngineCore *core = nullptr;
    std::optional<EngineHost> host; // the window as the engine link sees it

    void SetUp() override { Build(); }
    // Without language folders the window shows the built-in English.
    void Build(const QStringList &languageFolders = {})
    {
        EnsureApp<QApplication>();
        shortcuts.ConnectTo(store);
        locale = std::make_unique<Localization>(settings, languageFolders, QStringList{});
        const auto makeEngine = [this](const EngineHost &parts) -> std::unique_ptr<WindowEngine> {
            host.emplace(parts);
            auto engine = std::make_unique<EngineCore>(settings, playlist, parts,
                                                       QCoreApplication::applicationDirPath() + "/",
                                                       real ? EngineRunFactory() : runs.Factory());
            core = engine.get();
            return std::make_unique<EngineWindowLink>(std::move(engine));
        };
        form = std::make_unique<TMainForm>(
            ProgramParts{settings, store, playlist, shortcuts, *locale, {}, makeEngine}, QStringList{});
        settings.Options.VideoOut = 0; // custom: the only output Xvfb shows
        settings.Options.CustomVideoOut = QStringLiteral("-vo x11 -zoom");
        settings.Options.AudioOut = 1;
        form->show();
    }
    void TearDown() override
    {
        if (real) {
            core->QuitAndWait();
            core->HandlePendingOutput();
        }
        form.reset();
    }
    SkinControls &Skin() { return *form->Skin(); }
    // Runs xdotool (the real pointer and keyboard of the test display), the window answering meanwhile.
    static bool Xdotool(const QStringList &script)
    {
        QProcess x;
        x.start("xdotool", script);
        return WaitFor([&] { return x.state() == QProcess::NotRunning; }, 10000);
    }
    static QStringList At(QPoint p) { return {QString::number(p.x()), QString::number(p.y())}; }
    void SelectSkin(int index) { Skin().SkinGroup()->actions().at(index)->trigger(); }
    void Play(std::initializer_list<const char *> lines)
    {
        playlist.AddItem(TZorviPlaylist::MakeItem(QStringLiteral("/m/clip.avi"), EntryKind::File));
        core->PlayEntry(0);
        runs.Current->Post(QByteArrayList(lines.begin(), lines.end()));
        core->HandlePendingOutput();
    }
};
