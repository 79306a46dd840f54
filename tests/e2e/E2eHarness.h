#pragma once
// Shared harness of the end-to-end tests: the engine link driving the real
// MPlayer into a native video panel in a private X server.
#include "../engine/RecorderHost.h"
#include "engine/EngineCore.h"
#include "playlist/ZorviPlaylist.h"
#include "settings/SettingsData.h"
#include "support/QtApp.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

// The recorder plus a real native video panel the engine draws into.
class PanelHost : public RecorderHost {
public:
    QWidget window;
    QWidget *panel;
    PanelHost() : panel(new QWidget(&window))
    {
        window.setGeometry(100, 100, 480, 360);
        panel->setAttribute(Qt::WA_NativeWindow);
        panel->setAutoFillBackground(true);
        QPalette pal = panel->palette();
        pal.setColor(QPalette::Window, QColor(5, 7, 2)); // the recorder's colour key
        panel->setPalette(pal);
        panel->setGeometry(0, 0, 0, 0);
        window.show();
    }
    std::uint64_t VideoWindowId() override { return panel->winId(); }
    void RevealVideo() override
    {
        RecorderHost::RevealVideo();
        panel->setGeometry(40, 30, 400, 300);
        panel->show();
    }
    void HideVideo() override
    {
        RecorderHost::HideVideo();
        panel->hide();
    }
};

class E2eFixture : public ::testing::Test {
protected:
    SettingsData settings;
    TZorviPlaylist playlist;
    std::unique_ptr<PanelHost> host;
    std::unique_ptr<EngineCore> core;

    // Makes the window and the engine link; `settings` may be changed before.
    void StartCore()
    {
        EnsureApp<QApplication>();
        host = std::make_unique<PanelHost>();
        settings.Options.VideoOut = 0; // custom: the only output Xvfb shows
        settings.Options.CustomVideoOut = QStringLiteral("-vo x11 -zoom");
        settings.Options.AudioOut = 1;
        settings.Options.MuteOnPauseSeek = false;
        core = std::make_unique<EngineCore>(settings, playlist, *host,
                                            QCoreApplication::applicationDirPath() + "/");
    }
    void TearDown() override
    {
        if (!core)
            return;
        core->QuitAndWait();
        core->HandlePendingOutput();
        core.reset();
        host.reset();
    }
    bool WaitFor(const std::function<bool()> &done, int ms = 15000)
    {
        QElapsedTimer t;
        t.start();
        while (!done()) {
            if (t.elapsed() > ms)
                return false;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            core->Tick(); // the window's 100 ms timer
            QThread::msleep(5);
        }
        return true;
    }
    void Pause(int ms)
    {
        WaitFor([] { return false; }, ms);
    }
    bool WaitPlaying()
    {
        return WaitFor([&] { return core->Status == PlaybackStatus::Playing; });
    }
    QStringList Sent() const { return host->Log.filter(QStringLiteral("$|Sending: ")); }
};
