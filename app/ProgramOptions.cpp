#include "app/ProgramOptions.h"

#include "common/FileNames.h"

#include <QDir>
#include <QUrl>

namespace {
const char *const HelpText = R"(Usage: zorvi [OPTION]... [FILE | FOLDER | URL]...
Plays media files, folders of video files, DVD folders and URLs with MPlayer in
a skinned window. A second start hands its files to the copy that already runs.

  -v            verbose: the log shows the program's own diagnostics and the
                engine shows more on screen
  -translator   show texts missing from the chosen language as *TODO*
  -h, --help    show this help and exit
  --version     show the version and exit
  --            take every later argument as a media name

Settings are kept in zorvi.ini beside the program when its folder is writable,
otherwise in $XDG_CONFIG_HOME/zorvi/zorvi.ini. See zorvi(1).
)";
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
            return {ProgramOptions::Action::Help, {}, QString::fromUtf8(HelpText), 0};
        } else if (optionsEnded || !argument.startsWith(QLatin1String("--"))) {
            options.Arguments << argument;
        } else if (argument == QLatin1String("--")) {
            optionsEnded = true;
        } else if (argument == QLatin1String("--version")) {
            return {ProgramOptions::Action::Version, {}, QStringLiteral("Zorvi " ZORVI_VERSION "\n"), 0};
        } else {
            return {ProgramOptions::Action::Refuse,
                    {},
                    QStringLiteral("zorvi: unknown option '%1'\nTry 'zorvi --help' for more information.\n")
                        .arg(argument),
                    2};
        }
    }
    return options;
}

bool IsSwitch(const QString &argument)
{
    return argument == QLatin1String("-v") || argument == QLatin1String("-translator");
}
