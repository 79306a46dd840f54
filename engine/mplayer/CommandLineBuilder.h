#pragma once
// The engine's command line, made from the settings, the entry and the
// playback state, as the list of arguments the engine is started with.
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
    QString Program;
    QStringList Arguments;
    QString Refusal;       // why the entry is not given to the engine; nothing else is set then
    QStringList Aliases;   // "alias stands for name", one per alias, for the log
    int SubtitleFiles = 0; // given with "-sub"

    // The command as the log shows it: each part quoted when it holds blanks.
    QString Text() const;
};

class CommandLineBuilder {
public:
    CommandLineBuilder(const SettingsData &settings, const QString &programDir);

    // The font found for "-font", or nothing when there is none.
    void PrepareFontOption();

    QString EnginePath() const;
    // The options, from "-slave" on.
    QStringList Options(const PlaybackState &state, const VideoTarget &video) const;
    // The entry's names and subtitle files as an engine may be given them. A
    // name the engine must not see (IsUnsafeName) goes through a private
    // alias when it names something here, else the entry is refused. The
    // aliases of the previous call are removed first.
    struct MediaNames {
        QStringList EntryOptions; // "-dvd-device", device
        QStringList Names;
        QStringList Subtitles;
        QStringList Aliases; // as EngineCommandLine's
        QString Refusal;
    };
    MediaNames Media(const PlaybackState &state);
    // Options, added parameters, subtitles, then the entry's own options,
    // "--" and its names, so no name is taken for an option. A name the
    // engine must not see (IsUnsafeName) goes through a private alias when it
    // names something here, else the entry is refused. The aliases of the
    // previous call are removed first.
    EngineCommandLine CommandLine(const PlaybackState &state, const VideoTarget &video);

private:
    // False with the refusal set when a name cannot be passed.
    bool MediaArguments(EntryKind kind, const QByteArray &mediaUrl, MediaNames &out);
    QStringList SubtitleFiles(const QByteArray &files, QStringList &aliases);

    const SettingsData &m_settings;
    QString m_programDir;
    QString m_font;
    Platform::MediaAliases m_aliases;
};
