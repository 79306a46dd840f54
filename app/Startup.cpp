#include "app/Startup.h"

#include "app/DeferredAction.h"
#include "app/ProgramOptions.h"
#include "common/FileNames.h"
#include "common/Report.h"
#include "mainwindow/MainForm.h"
#include "platform/HandOver.h"
#include "platform/InstanceChannel.h"
#include "playlist/ListedNames.h"
#include "playlist/ZorviPlaylist.h"

#include <QDir>
#include <filesystem>

int ProcessArgument(const QString &argument, const ArgumentTargets &targets, ListedNames *listed)
{
    if (argument == QLatin1String("-v"))
        *targets.Verbose = true;
    else if (argument == QLatin1String("-translator"))
        *targets.TranslatorMode = true;
    else
        return listed ? listed->Add(argument) : targets.Playlist->Add(argument);
    return -1;
}

QStringList MakeArgumentsAbsolute(const QStringList &arguments)
{
    QStringList out;
    out.reserve(arguments.size());
    for (const QString &a : arguments) {
        const bool isSwitch = IsSwitch(a);
        const bool isUrl = a.contains(QLatin1String("://"));
        std::error_code ec;
        if (!a.isEmpty() && !isSwitch && !isUrl && QDir::isRelativePath(a) &&
            std::filesystem::exists(NativePath(a), ec))
            out << QDir::cleanPath(QDir::current().absoluteFilePath(a));
        else
            out << a;
    }
    return out;
}

bool SendArgumentsToInstance(const QString &socketPath, const QStringList &arguments)
{
    const QByteArray payload = HandOver::EncodePayload(MakeArgumentsAbsolute(arguments));
    const auto outcome =
        Platform::SendToInstance(socketPath, HandOver::EncodeMessage(HandOver::Magic, payload));
    return outcome.Found && outcome.Verdict == HandOver::Accepted;
}

bool StartupCheck(const QStringList &arguments, const QString &socketPath)
{
    // No copy listening, or one that declined or failed: this process runs on its own.
    return !SendArgumentsToInstance(socketPath, arguments);
}

QString TooManyOrTooLong(qsizetype refused)
{
    return QStringLiteral(
               "Names not taken: %1 (at most %2 names of at most %3 characters each are taken at once)")
        .arg(refused)
        .arg(HandOver::MaxArguments)
        .arg(HandOver::MaxNameLength);
}

quint32 HandOverReceiver::WMCopyData(quint32 dwData, const QByteArray &payload)
{
    if (Terminating || !*m_singleInstance)
        return 0;
    if (dwData != HandOver::Magic) {
        ReportError(QStringLiteral("Invalid data structure passed in WM_COPYDATA"));
        return 0;
    }
    // Arguments taken before a failure stay taken; the verdict says whether all were.
    quint32 reply = 0;
    RunGuarded([&] {
        // Without names playback restarts (at an index past the end, so at the
        // first entry); with names, at the first entry they gave, or not at all.
        int play = m_targets.Playlist->Count();
        qsizetype refused = 0;
        const QStringList arguments = HandOver::DecodePayload(payload, &refused);
        if (refused > 0)
            ReportError(TooManyOrTooLong(refused));
        if (!arguments.isEmpty())
            play = -1;
        ListedNames listed(*m_targets.Playlist);
        for (const QString &arg : arguments) {
            const int index = ProcessArgument(arg, m_targets, &listed);
            if (play < 0)
                play = index;
        }
        reply = HandOver::Accepted;
        if (ArgumentsTaken)
            ArgumentsTaken();
        if (BringToFront)
            BringToFront();
        if (PlayEntry)
            PlayEntry(play);
        if (SetForegroundWindow)
            SetForegroundWindow();
    });
    return reply;
}

void ConnectHandOver(HandOverReceiver &receiver, TMainForm &form)
{
    // Bringing to front, playing and focusing wait until the verdict is out
    // and no box is open: playing may ask whether to kill an engine.
    auto *later = new DeferredAction(&form);
    receiver.BringToFront = nullptr;
    receiver.SetForegroundWindow = nullptr;
    receiver.PlayEntry = [later, &form](int index) {
        later->Post([&form, index] {
            if (form.IsClosing())
                return;
            form.BringToFront();
            if (index >= 0)
                form.PlayEntry(index);
            form.activateWindow();
        });
    };
    receiver.ArgumentsTaken = [&form] { form.ApplyVerbose(); };
}

quint32 HandOverToForm(HandOverReceiver &receiver, const TMainForm &form, quint32 dwData,
                       const QByteArray &payload)
{
    receiver.Terminating = form.IsClosing();
    return receiver.WMCopyData(dwData, payload);
}
