#pragma once
// The main window on an engine link that starts no process, or on real mplayer.
#include "../e2e/E2eHarness.h"
#include "../engine/RecordedRuns.h"
#include "console/LogForm.h"
#include "controls/ZorviControls.h"
#include "i18n/Localization.h"
#include "mainwindow/EngineWindowLink.h"
#include "mainwindow/MainForm.h"
#include "mainwindow/MainMenus.h"
#include "settings/SettingsStore.h"
#include "shortcuts/ShortcutList.h"
#include "skin/SkinControls.h"

#include <QActionGroup>
#include <QMenu>
#include <QScreen>
#include <QTest>

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
        UseTestDisplayOutputs(settings);
        form->show();
    }
    void TearDown() override
    {
        if (real)
            EndEngine(*core);
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
