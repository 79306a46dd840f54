#pragma once
// The engine's command line text, as the log shows it, made from the
// settings, the entry and the playback state.
#include "platform/MediaAliases.h"
#include "playlist/PlItem.h"

#include <QString>
#include <QStringList>
#include <cstdint>

struct SettingsData;
struct PlaybackState;

// The panel the engine draws into: its native window and colour key (0xRRGGBB).
struct VideoTarget {
    std::uint64_t WindowId = 0;
    std::uint32_t ColorKey = 0;
};

struct EngineCommandLine {
    QString Text;
    QString Refusal;     // why the entry is not given to the engine; Text is empty then
    QStringList Aliases; // "alias stands for name", one per alias, for the log
};

class CommandLineBuilder {
public:
    CommandLineBuilder(const SettingsData &settings, const QString &programDir);

    // " -font " and the font found, or nothing when there is none.
    void PrepareFontOption();
    const QString &FontOption() const { return m_fontOption; }

    QString EnginePath() const;
    // The option part, from " -slave" on.
    QString Options(const PlaybackState &state, const VideoTarget &video) const;
    // Executable, options, added parameters, subtitles, then the entry's own
    // options, "--" and its names, so no name is taken for an option. A name
    // the engine must not see (IsUnsafeName) goes through a private alias when
    // it names something here, else the entry is refused. The aliases of the
    // previous call are removed first.
    EngineCommandLine CommandLine(const PlaybackState &state, const VideoTarget &video);

private:
    // " <entry options> -- <names>"; false with refusal set when a name cannot be passed.
    bool MediaArguments(EntryKind kind, const QByteArray &mediaUrl, EngineCommandLine &out);
    QString SubtitleArgument(const QByteArray &files, EngineCommandLine &out);

    const SettingsData &m_settings;
    QString m_programDir;
    QString m_fontOption;
    Platform::MediaAliases m_aliases;
};
