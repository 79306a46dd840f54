// The composition root: decides between handing over and running, creates the
// program-wide objects and wires them.
#include "app/Startup.h"
#include "common/Report.h"
#include "console/LogForm.h"
#include "engine/EngineCore.h"
#include "mainwindow/MainForm.h"
#include "platform/Display.h"
#include "platform/InstanceChannel.h"
#include "platform/SignalPipe.h"
#include "playlist/ZorviPlaylist.h"
#include "settings/SettingsStore.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <cstdio>

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QFile::decodeName(argv[i]);

    const QString socketPath = Platform::InstanceSocketPath();
    if (!StartupCheck(arguments, socketPath))
        return 0;

    Platform::SelectX11Platform();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zorvi"));
    QApplication::setApplicationDisplayName(QStringLiteral("Zorvi"));
    // Also on standard error: a box shown at exit may never be read.
    SetReportHandler([](const QString &message) {
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
        QMessageBox::critical(nullptr, QStringLiteral("Zorvi"), message);
    });

    SettingsData settings;
    SettingsStore store(settings);
    TZorviPlaylist playlist;
    bool translatorMode = false;
    // Subtitle files among the arguments arrive before the engine link exists.
    QStringList earlySubtitles;
    playlist.LoadSubtitle = [&earlySubtitles](const QString &path) { earlySubtitles << path; };
    const ArgumentTargets targets{&settings.Options.Verbose, &translatorMode, &playlist};
    ProgramParts program{&settings, &store, &playlist, &translatorMode,
                         [&targets](const QString &argument) { ProcessArgument(argument, targets); }};
    TMainForm form(program, arguments);
    EngineCore engine(settings, playlist, form, form.ProgramDir());
    playlist.LoadSubtitle = [&engine](const QString &path) { engine.LoadSubtitle(path); };
    for (const QString &path : earlySubtitles)
        engine.LoadSubtitle(path);
    engine.LoadPropertySettings();
    engine.PrepareFontOption();
    form.AttachEngine(&engine);

    HandOverReceiver receiver(targets, &settings.Options.SingleInstance);
    ConnectHandOver(receiver, form);
    Platform::InstanceServer server(socketPath, [&](quint32 magic, const QByteArray &payload) {
        return HandOverToForm(receiver, form, magic, payload);
    });
    if (!server.Listen())
        form.Log()->AddLine(QStringLiteral("$|Another copy listens on ") + socketPath);

    Platform::SignalPipe signalPipe;
    QObject::connect(&signalPipe, &Platform::SignalPipe::Terminate, &form, [&form] {
        form.close();
        QCoreApplication::quit();
    });

    // The engine starts before the window is mapped, so the two overlap: the
    // window appears while the engine opens the media.
    form.Start();
    form.show();
    const int code = app.exec();
    // Settings that could not be saved fail the run, so a script sees it.
    return code != 0 ? code : store.SaveFailed() ? 1 : 0;
}
