#pragma once
// The engine's command line text, as the log shows it, made from the
// settings, the entry and the playback state. Building it changes nothing.
#include <QString>
#include <cstdint>

struct SettingsData;
struct PlaybackState;

// The panel the engine draws into: its native window and colour key (0xRRGGBB).
struct VideoTarget {
    std::uint64_t WindowId = 0;
    std::uint32_t ColorKey = 0;
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
    // Executable, options, added parameters, subtitles and the media.
    QString CommandLine(const PlaybackState &state, const VideoTarget &video) const;

private:
    const SettingsData &m_settings;
    QString m_programDir;
    QString m_fontOption;
};
