#include "app/ProgramOptions.h"

#include "common/FileNames.h"
#include "settings/SettingsStore.h"

#include <QDir>
#include <QUrl>

namespace {
const char *const HelpText = R"(Usage: zorvi [OPTION]... [FILE | FOLDER | URL]...
Plays media files, folders of video files, DVD folders and URLs with MPlayer or
mpv in a skinned window. A second start hands its files to the copy that
already runs.

  -v            verbose: the log shows the program's own diagnostics and the
                engine shows more on screen
  -translator   show texts missing from the chosen language as *TODO*
  --engine=NAME play with NAME for this run only: auto (MPlayer when it is
                installed, else mpv), mplayer or mpv; the setting stays
  -h, --help    show this help and exit
  --version     show the version and exit
  --            take every later argument as a media name

Settings are kept in zorvi.ini beside the program when its folder is writable,
otherwise in $XDG_CONFIG_HOME/zorvi/zorvi.ini. See zorvi(1).
)";
constexpr QLatin1String EngineSwitch("--engine");

// An outcome that ends the program: what to print and the exit status.
ProgramOptions Ending(ProgramOptions::Action action, const QString &text, int exitCode)
{
    ProgramOptions options;
    options.Outcome = action;
    options.Text = text;
    options.ExitCode = exitCode;
    return options;
}

bool IsEngineSwitch(const QString &argument)
{
    return argument.startsWith(EngineSwitch) &&
           (argument.size() == EngineSwitch.size() || argument.at(EngineSwitch.size()) == u'=');
}

// The engine of an "--engine=NAME" argument (letter case aside), or a refusal.
bool TakeEngine(const QString &argument, ProgramOptions &options)
{
    const QString name = argument.mid(EngineSwitch.size() + 1).toLower();
    if (argument.size() > EngineSwitch.size() &&
        (name == QLatin1String("auto") || name == QLatin1String("mplayer") || name == QLatin1String("mpv"))) {
        options.Engine = name;
        return true;
    }
    options = Ending(ProgramOptions::Action::Refuse,
                     QStringLiteral("zorvi: '%1' names no engine: write --engine=auto, --engine=mplayer or "
                                    "--engine=mpv\nTry 'zorvi --help' for more information.\n")
                         .arg(argument),
                     2);
    return false;
}
} // namespace

ProgramOptions ParseProgramOptions(const QStringList &arguments)
{
    ProgramOptions options;
    bool optionsEnded = false;
    for (const QString &argument : arguments) {
        if (argument.startsWith(QLatin1String("file://"))) {
            options.Arguments << LocalFileOfUrl(QUrl(argument));
        } else if (optionsEnded && IsSwitch(argument)) {
            options.Arguments << QDir::current().absoluteFilePath(argument);
        } else if (!optionsEnded &&
                   (argument == QLatin1String("-h") || argument == QLatin1String("--help"))) {
            return Ending(ProgramOptions::Action::Help, QString::fromUtf8(HelpText), 0);
        } else if (optionsEnded || !argument.startsWith(QLatin1String("--"))) {
            options.Arguments << argument;
        } else if (argument == QLatin1String("--")) {
            optionsEnded = true;
        } else if (argument == QLatin1String("--version")) {
            return Ending(ProgramOptions::Action::Version, QStringLiteral("Zorvi " ZORVI_VERSION "\n"), 0);
        } else if (IsEngineSwitch(argument)) {
            if (!TakeEngine(argument, options))
                return options;
        } else {
            return Ending(
                ProgramOptions::Action::Refuse,
                QStringLiteral("zorvi: unknown option '%1'\nTry 'zorvi --help' for more information.\n")
                    .arg(argument),
                2);
        }
    }
    return options;
}

bool IsSwitch(const QString &argument)
{
    return argument == QLatin1String("-v") || argument == QLatin1String("-translator");
}

void ApplyRunSettings(const ProgramOptions &options, SettingsStore &store)
{
    if (!options.Engine.isEmpty())
        store.SetRunValue(QStringLiteral("Engine"), options.Engine);
}

QString HandOverNote(const ProgramOptions &options)
{
    if (options.Engine.isEmpty())
        return {};
    return QStringLiteral("zorvi: --engine=%1 is for a new copy only: the running copy keeps its engine\n")
        .arg(options.Engine);
}
