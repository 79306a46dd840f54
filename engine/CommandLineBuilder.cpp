#include "engine/CommandLineBuilder.h"

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
    QString out = ReadableFileName(name);
    for (QChar &c : out)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = u'?';
    return out;
}
} // namespace

CommandLineBuilder::CommandLineBuilder(const SettingsData &settings, const QString &programDir)
    : m_settings(settings), m_programDir(programDir)
{
}

void CommandLineBuilder::PrepareFontOption()
{
    const QString font = DefaultFontPath();
    m_fontOption = font.isEmpty() ? QString() : QStringLiteral(" -font ") + QuoteIfSpaces(font);
}

QString CommandLineBuilder::EnginePath() const
{
    return ResolveEnginePath(m_settings.Options.MPlayerPath, m_programDir);
}

QString CommandLineBuilder::Options(const PlaybackState &state, const VideoTarget &video) const
{
    const OptionsSettings &o = m_settings.Options;
    const LastSessionSettings &s = m_settings.LastSession;
    QString opts = QStringLiteral(" -slave ") + QStringLiteral(" -wid ") + QString::number(video.WindowId);
    opts += QStringLiteral(" -colorkey 0x") +
            QStringLiteral("%1").arg(video.ColorKey & 0xFFFFFF, 6, 16, QLatin1Char('0')).toUpper();
    opts += QStringLiteral(" -nokeepaspect");
    opts += m_fontOption;
    opts += QStringLiteral(" -osdlevel ") + QString::number(o.Verbose ? 2 : o.OSDLevel);
    // No priority option: the engine here rejects it; the launch sets priorities instead.
    if (o.Cache && o.CacheSize >= 1)
        opts += QStringLiteral(" -cache ") + QString::number(o.CacheSize);
    else
        opts += QStringLiteral(" -nocache");
    const QString vo = o.VideoOut == 0 ? o.CustomVideoOut : VideoOutOption(o.VideoOut);
    if (o.VideoOut == 0 || !vo.isEmpty())
        opts += u' ' + vo;
    const QString ao = o.AudioOut == 0 ? o.CustomAudioOut : AudioOutOption(o.AudioOut);
    if (o.AudioOut == 0 || !ao.isEmpty())
        opts += u' ' + ao;
    if (state.AudioTrackProp.Value >= 0 && o.AudioOut >= 1)
        opts += QStringLiteral(" -aid ") + FormatG(state.AudioTrackProp.Value);
    static const char *const aspects[] = {"", " -aspect 4:3", " -aspect 16:9", " -aspect 2.35"};
    if (state.AspectIndex >= 1 && state.AspectIndex <= 3)
        opts += QLatin1StringView(aspects[state.AspectIndex]);
    if (s.FrameDrop)
        opts += QStringLiteral(" -framedrop");
    if (s.PostProc)
        opts +=
            u' ' + (o.CustomPostProc.isEmpty() ? QStringLiteral("-vf-add pp -autoq 6") : o.CustomPostProc);
    opts += QStringLiteral(" -vf-add expand=osd=1 -noslices");
    opts += QStringLiteral(" -subcp ISO-8859-1");
    opts += QStringLiteral(" -subfont-text-scale ") + FormatG(state.SubtitleScaleProp.Value);
    if (state.SubtitleDelayProp.Value != 0)
        opts += QStringLiteral(" -subdelay ") + FormatG(state.SubtitleDelayProp.Value);
    return opts;
}

bool CommandLineBuilder::MediaArguments(EntryKind kind, const QByteArray &mediaUrl, EngineCommandLine &out)
{
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
    QString &text = out.Text;
    for (const QString &option : std::as_const(options))
        text += u' ' + QuoteIfSpaces(option);
    text += QStringLiteral(" --");
    for (const QString &name : std::as_const(names))
        text += u' ' + QuoteIfSpaces(name);
    return true;
}

// The "-sub" list: each file as stored (quoted when it has blanks), and one
// whose name is not UTF-8 through an alias, since the argument list could
// not carry its bytes. One that cannot be aliased is left out and logged.
QString CommandLineBuilder::SubtitleArgument(const QByteArray &files, EngineCommandLine &out)
{
    QStringList list;
    for (const QByteArray &file : files.split(',')) {
        const QString stored = DecodeFileName(file);
        const QString name = SplitCommandLine(stored).value(0);
        if (!IsUnsafeName(name)) {
            list << stored;
            continue;
        }
        QString error;
        const QString alias = m_aliases.Link(EncodeFileName(name), error);
        if (alias.isEmpty()) {
            out.Aliases << QStringLiteral("Subtitle file left out: ") + error;
            continue;
        }
        out.Aliases << alias + QStringLiteral(" stands for ") + LogName(name);
        list << alias;
    }
    return list.join(u',');
}

EngineCommandLine CommandLineBuilder::CommandLine(const PlaybackState &state, const VideoTarget &video)
{
    m_aliases.Clear();
    EngineCommandLine out;
    if (!MediaArguments(state.OpenMode, state.MediaURL, out))
        return {QString(), out.Refusal, {}};
    QString cmd = QuoteIfSpaces(EnginePath());
    cmd += Options(state, video);
    for (const TAddParams &p : m_settings.Options.AddParams)
        if (p.Enabled && !p.Text.isEmpty())
            cmd += u' ' + p.Text;
    if (!state.SubtitleFiles.isEmpty())
        cmd += QStringLiteral(" -sub ") + SubtitleArgument(state.SubtitleFiles, out);
    if (state.FirstOpen && state.OpenMode != EntryKind::DVDTitle)
        cmd += QStringLiteral(" -identify");
    out.Text = cmd + out.Text;
    return out;
}
