#pragma once
// What the end-to-end tests share in a private X server: the test media, the
// outputs that server shows, the real pointer and keyboard (xdotool), what the
// engine drew (a screenshot); and the engine link's own harness, driving the
// real engine into a native video panel (the main window's is MainFormFixture).
#include "../engine/RecorderHost.h"

#include <QApplication>
#include <QImage>
#include <QLockFile>
#include <QWidget>
#include <set>

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

// The outputs the private X server shows.
inline void UseTestDisplayOutputs(SettingsData &settings)
{
    settings.Options.VideoOut = 0; // custom
    settings.Options.CustomVideoOut = QStringLiteral("-vo x11 -zoom");
    settings.Options.AudioOut = 1;
}

// Ends the real engine, its last lines handled.
inline void EndEngine(EngineCore &core)
{
    core.QuitAndWait();
    core.HandlePendingOutput();
}

// Runs xdotool (the real pointer and keyboard of the test display), the window answering meanwhile.
inline bool Xdotool(const QStringList &script)
{
    QProcess x;
    x.start("xdotool", script);
    return WaitFor([&] { return x.state() == QProcess::NotRunning; }, 10000);
}
inline QStringList At(QPoint p)
{
    return {QString::number(p.x()), QString::number(p.y())};
}
// The pointer to `p`, then the rest of the script.
inline bool XdotoolAt(QPoint p, const QStringList &then)
{
    return Xdotool(QStringList{"mousemove"} + At(p) + then);
}

// The whole test display (ImageMagick's import).
inline QImage Screenshot()
{
    const QString shot =
        QDir::tempPath() + QStringLiteral("/zorvi-shot%1.png").arg(QCoreApplication::applicationPid());
    RunProgram("import", {"-window", "root", shot});
    const QImage image(shot);
    QFile::remove(shot);
    return image;
}

// Whether the panel shows a test clip's many bright colours, drawn over the colour key (5, 7, 2).
inline testing::AssertionResult PictureInside(const QWidget *panel, const QImage &image = Screenshot())
{
    const QRect inside(panel->mapToGlobal(QPoint(0, 0)), panel->size());
    std::set<QRgb> colours;
    int samples = 0, key = 0, saturated = 0;
    for (int y = inside.top() + 4; y < inside.bottom() - 4; y += 4)
        for (int x = inside.left() + 4; x < inside.right() - 4; x += 4, ++samples) {
            const QColor c = image.pixelColor(x, y);
            colours.insert(c.rgb() & 0xF0F0F0);
            key += c.rgb() == qRgb(5, 7, 2);
            saturated += c.hsvSaturation() > 150 && c.value() > 150;
        }
    if (samples > 100 && colours.size() > 12 && key < samples / 10 && saturated > samples / 10)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << samples << " samples: " << colours.size() << " colours, " << key
                                       << " of the key, " << saturated << " bright";
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
    std::unique_ptr<EngineCore> core; // goes before the host it draws into
    QString media;

    // Makes the media, the window and the engine link; `settings` may be changed before.
    void StartCore()
    {
        media = TestMedia();
        EnsureApp<QApplication>();
        host = std::make_unique<PanelHost>();
        UseTestDisplayOutputs(settings);
        settings.Options.MuteOnPauseSeek = false;
        core = std::make_unique<EngineCore>(settings, playlist, host->Parts(),
                                            QCoreApplication::applicationDirPath() + "/");
    }
    void TearDown() override
    {
        if (core)
            EndEngine(*core);
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
