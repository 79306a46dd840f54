#pragma once
// Engine runs against the fake engine (tests/fakeengine): a real process, real
// pipes, real event delivery.
#include "RecorderHost.h"
#include "engine/EngineCore.h"
#include "playlist/ZorviPlaylist.h"
#include "settings/SettingsData.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <functional>
#include <gtest/gtest.h>

inline QCoreApplication &TestApp()
{
    static int argc = 1;
    static char name[] = "engine_process_tests";
    static char *argv[] = {name, nullptr};
    static QCoreApplication *app =
        QCoreApplication::instance() ? QCoreApplication::instance() : new QCoreApplication(argc, argv);
    return *app;
}

// Pumps the event loop until `done` holds or `ms` have passed.
inline bool WaitFor(const std::function<bool()> &done, int ms = 5000)
{
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(2);
    }
    return true;
}

class ProcessFixture : public ::testing::Test {
protected:
    QTemporaryDir dir;
    SettingsData settings;
    TZorviPlaylist playlist;
    RecorderHost host;
    std::unique_ptr<EngineCore> core;

    void SetUp() override
    {
        TestApp();
        settings.Options.MPlayerPath =
            QString::fromLocal8Bit(qgetenv("ZORVI_BUILD_DIR")) + "/tests/bin/fakeengine";
        settings.Options.VideoOut = 1;
        settings.Options.AudioOut = 1;
        core = std::make_unique<EngineCore>(settings, playlist, host.Parts(), dir.path() + "/");
        qputenv("ZORVI_FAKE_RECORD", RecordPath().toLocal8Bit());
    }
    void TearDown() override
    {
        core.reset();
        qunsetenv("ZORVI_FAKE_SCRIPT");
    }
    QString RecordPath() const { return dir.path() + "/record.txt"; }
    void Script(const QByteArray &text) { qputenv("ZORVI_FAKE_SCRIPT", text); }
    // Adds an existing (empty) media file to the playlist.
    int AddFile(const QString &name)
    {
        QFile f(dir.path() + "/" + name);
        f.open(QIODevice::WriteOnly);
        return playlist.Add(f.fileName());
    }
    QList<QByteArray> Record() const
    {
        QFile f(RecordPath());
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return f.readAll().split('\n');
    }
    // Commands received, without their time stamps.
    QByteArrayList Received() const
    {
        QByteArrayList out;
        for (const QByteArray &line : Record()) {
            const qsizetype space = line.indexOf(' ');
            if (space > 0 && !line.startsWith("ARG "))
                out.append(line.mid(space + 1));
        }
        return out;
    }
    QByteArrayList Args() const
    {
        QByteArrayList out;
        for (const QByteArray &line : Record())
            if (line.startsWith("ARG "))
                out.append(line.mid(4));
        return out;
    }
    bool WaitStatus(PlaybackStatus s, int ms = 5000)
    {
        return WaitFor([&] { return core->State().Status == s; }, ms);
    }
    bool WaitEnded(int ms = 5000)
    {
        return WaitFor([&] { return !core->IsRunning(); }, ms);
    }
};
