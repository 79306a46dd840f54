#include "engine/mplayer/CommandLineBuilder.h"

#include "common/CommandLine.h"
#include "common/FileNames.h"
#include "common/NumberFormat.h"
#include "common/TextHelpers.h"
#include "engine/PlaybackState.h"
#include "platform/EngineOptions.h"
#include "settings/SettingsData.h"

#include <filesystem>

namespace {
// A name as the log can show it on one line.
QString LogName(const QString &name)
{
    return ReplaceControlChars(ReadableFileName(name), u'?');
}
} // namespace

QString EngineCommandLine::Text() const
{
    QStringList parts{QuoteIfSpaces(Program)};
    for (const QString &argument : Arguments)
        parts << QuoteIfSpaces(argument);
    return parts.join(u' ');
}

CommandLineBuilder::CommandLineBuilder(const SettingsData &settings, const QString &programDir)
    : m_settings(settings), m_programDir(programDir)
{
}

void CommandLineBuilder::PrepareFontOption()
{
    m_font = DefaultFontPath();
}

QString CommandLineBuilder::EnginePath() const
{
    return ResolveEnginePath(m_settings.Options.MPlayerPath, m_programDir);
}

QStringList CommandLineBuilder::Options(const PlaybackState &state, const VideoTarget &video) const
{
    const OptionsSettings &o = m_settings.Options;
    const LastSessionSettings &s = m_settings.LastSession;
    QStringList opts{
        QStringLiteral("-slave"),
        QStringLiteral("-wid"),
        QString::number(video.WindowId),
        QStringLiteral("-colorkey"),
        QStringLiteral("0x") +
            QStringLiteral("%1").arg(video.ColorKey & 0xFFFFFF, 6, 16, QLatin1Char('0')).toUpper(),
        QStringLiteral("-nokeepaspect")};
    if (!m_font.isEmpty())
        opts << QStringLiteral("-font") << m_font;
    opts << QStringLiteral("-osdlevel") << QString::number(o.Verbose ? 2 : o.OSDLevel);
    // No priority option: the engine here rejects it; the launch sets priorities instead.
    if (o.Cache && o.CacheSize >= 1)
        opts << QStringLiteral("-cache") << QString::number(o.CacheSize);
    else
        opts << QStringLiteral("-nocache");
    // The user's own texts (custom outputs, filters) are split as a shell would.
    opts << SplitCommandLine(o.VideoOut == 0 ? o.CustomVideoOut : VideoOutOption(o.VideoOut));
    // Without a sound device the configured output would fail again on every run.
    if (state.SoundDeviceMissing)
        opts << QStringLiteral("-ao") << QStringLiteral("null");
    else
        opts << SplitCommandLine(o.AudioOut == 0 ? o.CustomAudioOut : AudioOutOption(o.AudioOut));
    if (state.AudioTrackProp.Value >= 0 && o.AudioOut >= 1)
        opts << QStringLiteral("-aid") << FormatG(state.AudioTrackProp.Value);
    static const char *const aspects[] = {"", "4:3", "16:9", "2.35"};
    if (state.AspectIndex >= 1 && state.AspectIndex <= 3)
        opts << QStringLiteral("-aspect") << QLatin1StringView(aspects[state.AspectIndex]);
    if (s.FrameDrop)
        opts << QStringLiteral("-framedrop");
    if (s.PostProc)
        opts << SplitCommandLine(o.CustomPostProc.isEmpty() ? QStringLiteral("-vf-add pp -autoq 6")
                                                            : o.CustomPostProc);
    // The screenshot filter holds on to a copy of the frame only when asked
    // for one; scaletempo keeps the pitch at other speeds.
    opts << QStringLiteral("-vf-add") << QStringLiteral("screenshot") << QStringLiteral("-af-add")
         << QStringLiteral("scaletempo");
    if (state.Speed != 1)
        opts << QStringLiteral("-speed") << QString::number(state.Speed, 'g', 4);
    opts << QStringLiteral("-vf-add") << QStringLiteral("expand=osd=1") << QStringLiteral("-noslices")
         << QStringLiteral("-subcp") << QStringLiteral("ISO-8859-1") << QStringLiteral("-subfont-text-scale")
         << FormatG(state.SubtitleScaleProp.Value);
    if (state.SubtitleDelayProp.Value != 0)
        opts << QStringLiteral("-subdelay") << FormatG(state.SubtitleDelayProp.Value);
    return opts;
}

bool CommandLineBuilder::MediaArguments(EntryKind kind, const QByteArray &mediaUrl, MediaNames &out)
{
    // An entry's path is stored as text: its names quoted where they hold blanks.
    QStringList names = SplitCommandLine(DecodeFileName(mediaUrl));
    QStringList options;
    if ((kind == EntryKind::DVD || kind == EntryKind::DVDTitle) && names.size() >= 2 &&
        names.first() == QLatin1String("-dvd-device"))
        options = {names.takeFirst(), names.takeFirst()};
    auto pass = [&](QString &name) {
        if (!IsUnsafeName(name))
            return true;
        std::error_code ec;
        if (!std::filesystem::exists(NativePath(name), ec)) {
            out.Refusal = QStringLiteral("Not played: a control character or a byte that is not UTF-8 in "
                                         "the name, and nothing of that name here: ") +
                          LogName(name);
            return false;
        }
        QString error;
        const QString alias = m_aliases.Link(EncodeFileName(name), error);
        if (alias.isEmpty()) {
            out.Refusal = QStringLiteral("Not played: ") + error;
            return false;
        }
        out.Aliases << alias + QStringLiteral(" stands for ") + LogName(name);
        name = alias;
        return true;
    };
    if (options.size() == 2 && !pass(options[1]))
        return false;
    for (QString &name : names)
        if (!pass(name))
            return false;
    out.EntryOptions = options;
    out.Names = names;
    return true;
}

// The "-sub" list: each file by its name, and one whose name is not UTF-8
// through an alias, since the argument list could not carry its bytes. One
// that cannot be aliased is left out and logged.
QStringList CommandLineBuilder::SubtitleFiles(const QByteArray &files, QStringList &aliases)
{
    QStringList list;
    for (const QByteArray &file : files.isEmpty() ? QByteArrayList() : files.split(',')) {
        const QString name = DecodeFileName(file);
        if (!IsUnsafeName(name)) {
            list << name;
            continue;
        }
        QString error;
        const QString alias = m_aliases.Link(file, error);
        if (alias.isEmpty()) {
            aliases << QStringLiteral("Subtitle file left out: ") + error;
            continue;
        }
        aliases << alias + QStringLiteral(" stands for ") + LogName(name);
        list << alias;
    }
    return list;
}

CommandLineBuilder::MediaNames CommandLineBuilder::Media(const PlaybackState &state)
{
    m_aliases.Clear();
    MediaNames media;
    if (!MediaArguments(state.OpenMode, state.MediaURL, media))
        return {{}, {}, {}, {}, media.Refusal};
    media.Subtitles = SubtitleFiles(state.SubtitleFiles, media.Aliases);
    return media;
}

EngineCommandLine CommandLineBuilder::CommandLine(const PlaybackState &state, const VideoTarget &video)
{
    const MediaNames media = Media(state);
    if (!media.Refusal.isEmpty())
        return {{}, {}, media.Refusal, {}};
    EngineCommandLine out;
    out.Program = EnginePath();
    out.Arguments = Options(state, video);
    for (const TAddParams &p : m_settings.Options.AddParams)
        if (p.Enabled)
            out.Arguments << SplitCommandLine(p.Text);
    if (!media.Subtitles.isEmpty()) {
        out.Arguments << QStringLiteral("-sub") << media.Subtitles.join(u',');
        out.SubtitleFiles = int(media.Subtitles.size());
    }
    if (state.FirstOpen && state.OpenMode != EntryKind::DVDTitle)
        out.Arguments << QStringLiteral("-identify");
    out.Arguments << media.EntryOptions << QStringLiteral("--") << media.Names;
    out.Aliases = media.Aliases;
    return out;
}
