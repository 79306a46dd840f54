#pragma once
// Shared harness of the end-to-end tests: the engine link driving the real
// MPlayer into a native video panel in a private X server.
#include "../engine/RecorderHost.h"
#include "../engine/WaitFor.h"
#include "engine/EngineCore.h"
#include "playlist/ZorviPlaylist.h"
#include "settings/SettingsData.h"
#include "support/QtApp.h"

#include <QApplication>
#include <QLockFile>
#include <QProcess>
#include <QWidget>
#include <memory>

// The folder of the media made by tests/media/make_test_media.sh, made once per
// build tree; test processes running side by side wait for each other.
inline QString TestMedia()
{
    const QString out = qEnvironmentVariable("ZORVI_BUILD_DIR") + "/testmedia";
    QLockFile lock(out + ".lock");
    lock.setStaleLockTime(0);
    lock.lock();
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start("bash", {qEnvironmentVariable("ZORVI_SOURCE_DIR") + "/tests/media/make_test_media.sh", out});
    if (!p.waitForFinished(300000) || p.exitCode() != 0)
        ADD_FAILURE() << "make_test_media.sh failed: " << p.readAll().toStdString();
    return out;
}

// The recorder plus a real window with a native video panel the engine draws into.
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
    // As the window does: the panel is in place before the engine starts.
    void PrepareVideo() override
    {
        RecorderHost::PrepareVideo();
        panel->setGeometry(40, 30, 400, 300);
        panel->show();
    }
};

class E2eFixture : public ::testing::Test {
protected:
    SettingsData settings;
    TZorviPlaylist playlist;
    std::unique_ptr<PanelHost> host;
    std::unique_ptr<EngineCore> core;
    QString media;

    // Makes the media, the window and the engine link; `settings` may be changed before.
    void StartCore()
    {
        media = TestMedia();
        EnsureApp<QApplication>();
        host = std::make_unique<PanelHost>();
        settings.Options.VideoOut = 0; // custom: the only output Xvfb shows
        settings.Options.CustomVideoOut = QStringLiteral("-vo x11 -zoom");
        settings.Options.AudioOut = 1;
        settings.Options.MuteOnPauseSeek = false;
        core = std::make_unique<EngineCore>(settings, playlist, host->Parts(),
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
        return ::WaitFor(done, ms, [this] { core->Tick(); });
    }
    // Lists the media file `name` and plays it.
    void Play(const QString &name)
    {
        const int index = playlist.Add(media + "/" + name);
        ASSERT_GE(index, 0) << name.toStdString();
        core->PlayEntry(index);
    }
    bool WaitPlaying()
    {
        return WaitFor([&] { return core->State().Status == PlaybackStatus::Playing; });
    }
    const PlaybackState &State() const { return core->State(); }
};
