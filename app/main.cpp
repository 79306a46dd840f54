// The composition root: decides between handing over and running, creates the
// program-wide objects and wires them.
#include "app/EnginePlayerControl.h"
#include "app/PlaylistKeeper.h"
#include "app/ProgramOptions.h"
#include "app/ReportQueue.h"
#include "app/Startup.h"
#include "common/FileNames.h"
#include "common/Report.h"
#include "console/LogForm.h"
#include "engine/EngineCore.h"
#include "i18n/Localization.h"
#include "mainwindow/EngineWindowLink.h"
#include "mainwindow/MainForm.h"
#include "platform/Display.h"
#include "platform/InstanceChannel.h"
#include "platform/MprisService.h"
#include "platform/Paths.h"
#include "platform/SignalPipe.h"
#include "platform/SleepInhibitor.h"
#include "playlist/MediaTypes.h"
#include "playlist/ZorviPlaylist.h"
#include "settings/SettingsStore.h"
#include "settings/StateList.h"
#include "shortcuts/ShortcutList.h"

#include <QApplication>
#include <QDBusConnection>
#include <QIcon>
#include <QMessageBox>
#include <algorithm>
#include <cstdio>
#include <memory>

int main(int argc, char *argv[])
{
    QStringList given;
    for (int i = 1; i < argc; ++i)
        given << DecodeFileName(argv[i]); // exactly: names need not be UTF-8
    // --help, --version and refusals end here: no display, engine or hand-over needed.
    const ProgramOptions options = ParseProgramOptions(given);
    if (options.Outcome != ProgramOptions::Action::Run) {
        std::fputs(options.Text.toLocal8Bit().constData(), options.ExitCode == 0 ? stdout : stderr);
        return options.ExitCode;
    }
    const QStringList &arguments = options.Arguments;

    const QString socketPath = Platform::InstanceSocketPath();
    if (!StartupCheck(arguments, socketPath)) {
        std::fputs(HandOverNote(options).toLocal8Bit().constData(), stderr);
        return 0;
    }

    Platform::SelectX11Platform();
    Platform::SelectEventDispatcher();
    auto displayCheck = std::make_unique<Platform::DisplayCheck>();
    if (const QString missing = displayCheck->Missing(); !missing.isEmpty()) {
        std::fputs(missing.toLocal8Bit().constData(), stderr);
        return 1;
    }
    QApplication app(argc, argv);
    displayCheck.reset();
    QApplication::setApplicationName(QStringLiteral("Zorvi"));
    QApplication::setApplicationDisplayName(QStringLiteral("Zorvi"));
    // The application name is the windows' X11 class, which zorvi.desktop names
    // as StartupWMClass, so task bars show the installed icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("zorvi"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("zorvi")));
    ReportQueue reports(
        [](const QString &message) { QMessageBox::critical(nullptr, QStringLiteral("Zorvi"), message); });
    // Once the window is gone the event loop ends: what is reported while
    // closing (a session that cannot be saved) is shown after it.
    QObject::connect(&app, &QGuiApplication::lastWindowClosed, &reports, &ReportQueue::Hold);

    SettingsData settings;
    SettingsStore store(settings);
    ApplyRunSettings(options, store);
    TZorviPlaylist playlist;
    TShortcutList shortcuts;
    shortcuts.ConnectTo(store);
    // Languages are read from beside the program, the user's data folder and
    // the shared one; a written one goes beside the program when that folder
    // may be written, else to the user's.
    const QString programDir = Platform::ProgramDirectory();
    QStringList languageSaveFolders{Platform::LanguageSaveFolder(programDir)};
    if (const QString user = Platform::UserDataDirectory() + QStringLiteral("Lang/");
        !languageSaveFolders.contains(user))
        languageSaveFolders << user;
    Localization localization(settings, Platform::LanguageFolders(programDir), languageSaveFolders);
    // "-translator" sets the translator mode before the settings load.
    const ArgumentTargets targets{&settings.Options.Verbose, &localization.TranslatorMode, &playlist};
    // The window owns the engine link and makes it before it takes the
    // arguments, so subtitle files among them reach the engine.
    EngineCore *core = nullptr;
    const ProgramParts program{settings,
                               store,
                               playlist,
                               shortcuts,
                               localization,
                               [&targets](const QString &argument) { ProcessArgument(argument, targets); },
                               [&](const EngineHost &host) {
                                   auto link = std::make_unique<EngineWindowLink>(
                                       std::make_unique<EngineCore>(settings, playlist, host, programDir));
                                   core = &link->Core();
                                   core->RememberIn({StateFiles::Positions(), StateFiles::Recent(), true});
                                   playlist.LoadSubtitle.Set(
                                       [core](const QString &path) { core->LoadSubtitle(path); });
                                   return link;
                               }};
    TMainForm form(program, arguments);
    if (!options.Engine.isEmpty())
        form.Log()->AddLine(QStringLiteral("$|Engine for this run: ") + options.Engine +
                            QStringLiteral(" (--engine; not saved)"));
    EngineCore &engine = *core;
    engine.LoadPropertySettings();
    engine.PrepareFontOption();

    // Media keys and desktop media controls, when a session bus exists.
    EnginePlayerControl mediaControl(engine, playlist, [&form] {
        form.BringToFront();
        form.activateWindow();
    });
    // While sound alone plays the computer stays up; a video keeps the display
    // awake by itself. Let go at pause, stop and exit.
    Platform::SleepInhibitor sleepLock(QDBusConnection::sessionBus(), QDBusConnection::systemBus());
    QObject::connect(&engine, &EngineCore::StateChanged, &sleepLock,
                     [&] { sleepLock.SetInhibited(mediaControl.PlaysSoundOnly()); });
    Platform::MprisService mpris(mediaControl,
                                 {QStringLiteral("Zorvi"), QStringLiteral("zorvi"),
                                  QStringLiteral(ZORVI_URI_SCHEMES).split(u','), MediaTypes::MimeTypes()});
    if (mpris.Register(QDBusConnection::sessionBus())) {
        // Announced on change, not polled: an idle or playing player stays asleep.
        QObject::connect(&engine, &EngineCore::StateChanged, &mpris, &Platform::MprisService::RefreshSoon);
        QObject::connect(&playlist, &TSelectList::OnChange, &mpris, &Platform::MprisService::RefreshSoon);
        form.Log()->AddLine(QStringLiteral("$|Media controls on the session bus as ") + mpris.ServiceName());
    }

    HandOverReceiver receiver(targets, &settings.Options.SingleInstance);
    ConnectHandOver(receiver, form);
    // HandOverToForm reports a failure itself and answers with its verdict.
    Platform::InstanceServer server(socketPath, [&](quint32 magic, const QByteArray &payload) {
        return HandOverToForm(receiver, form, magic, payload);
    });
    if (const auto listening = server.Listen(); !listening)
        form.Log()->AddLine(QStringLiteral("$|") + listening.Message);

    // A signal ends the program even inside a box; messages due then go to
    // standard error instead of a box nobody would see.
    bool signalled = false;
    Platform::SignalPipe signalPipe;
    QObject::connect(&signalPipe, &Platform::SignalPipe::Terminate, &form, [&] {
        signalled = true;
        reports.Hold();
        RunGuarded([&form] { form.close(); });
        QCoreApplication::exit(0); // leaves every event loop, a box's too, even before exec()
    });

    // The engine starts before the window is mapped, so the two overlap: the
    // window appears while the engine opens the media.
    form.Start();
    // A start without media names brings the last playlist back, its current
    // entry marked and ready to play.
    PlaylistKeeper keeper(playlist, settings.Options.RestorePlaylist, PlaylistKeeper::DefaultPath());
    const bool mediaNamed =
        !std::all_of(arguments.cbegin(), arguments.cend(), [](const QString &a) { return IsSwitch(a); });
    if (!mediaNamed && playlist.Count() == 0)
        RunGuarded([&keeper] { keeper.Restore(); });
    int code = 0;
    if (!form.IsClosing()) { // a signal may have come while a box asked at start
        form.show();
        code = app.exec();
    }
    RunGuarded([&keeper] { keeper.SaveNow(); });
    reports.Finish(!signalled);
    // Settings that could not be saved fail the run, so a script sees it.
    return code != 0 ? code : store.SaveFailed() ? 1 : 0;
}
