#include "engine/SkinCommandPolicy.h"

#include <QStringList>
#include <algorithm>

namespace {

// The named commands of the engine link and the window (letter case counts,
// as in the command table).
constexpr const char *NamedCommands[] = {
    "volume",    "seek",       "play",         "pause",           "mute",
    "stop",      "next",       "prev",         "switch_audio",    "sub_select",
    "sub_scale", "sub_delay",  "switch_ratio", "frame_step",      "frame_drop",
    "verbose",   "popup",      "fullscreen",   "toggle_controls", "ontop",
    "minimize",  "mainquit",   "winsize",      "wincenter",       "playlist",
    "options",   "showlog",    "openfile",     "openurl",         "keys",
    "speed_up",  "speed_down", "speed_normal", "restart",         "screenshot_save",
    "openfolder"};

// Engine commands that change playback and its display, nothing else (the
// engine matches names without regard to case).
constexpr const char *EngineCommands[] = {"seek",
                                          "seek_chapter",
                                          "pause",
                                          "frame_step",
                                          "speed_incr",
                                          "speed_mult",
                                          "speed_set",
                                          "volume",
                                          "balance",
                                          "mute",
                                          "audio_delay",
                                          "sub_delay",
                                          "sub_step",
                                          "sub_pos",
                                          "sub_alignment",
                                          "sub_visibility",
                                          "sub_select",
                                          "sub_source",
                                          "sub_scale",
                                          "forced_subs_only",
                                          "switch_audio",
                                          "switch_angle",
                                          "switch_title",
                                          "switch_ratio",
                                          "switch_vsync",
                                          "osd",
                                          "osd_show_text",
                                          "osd_show_progression",
                                          "osd_show_property_text",
                                          "frame_drop",
                                          "contrast",
                                          "gamma",
                                          "brightness",
                                          "hue",
                                          "saturation",
                                          "panscan",
                                          "vo_fullscreen",
                                          "vo_ontop",
                                          "vo_border",
                                          "dvdnav",
                                          "loop",
                                          "set_property",
                                          "step_property"};

// What set_property and step_property may change.
constexpr const char *Properties[] = {
    "volume",         "mute",    "balance",   "speed",      "audio_delay",  "sub_delay",
    "sub_visibility", "sub",     "sub_scale", "sub_pos",    "switch_audio", "switch_angle",
    "switch_title",   "chapter", "osdlevel",  "contrast",   "brightness",   "hue",
    "saturation",     "gamma",   "panscan",   "fullscreen", "ontop",        "loop"};

template <size_t N> bool Listed(const char *const (&list)[N], const QString &word, Qt::CaseSensitivity cs)
{
    return std::any_of(std::begin(list), std::end(list),
                       [&](const char *name) { return word.compare(QLatin1String(name), cs) == 0; });
}

bool IsBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

// The engine's reading of a command line: blanks, the pausing prefixes, then
// the command word and its arguments. Prefixes are taken in any case and with
// any blanks: reading more as a prefix than the engine does only ever makes
// the check look at a word the engine would not run.
bool EngineMayRun(const QString &line)
{
    QStringList words;
    qsizetype i = 0;
    while (i < line.size()) {
        while (i < line.size() && IsBlank(line[i]))
            ++i;
        const qsizetype start = i;
        while (i < line.size() && !IsBlank(line[i]))
            ++i;
        if (i > start)
            words << line.mid(start, i - start);
    }
    static const char *const Prefixes[] = {"pausing", "pausing_keep", "pausing_toggle", "pausing_keep_force"};
    qsizetype first = 0;
    while (first < words.size() && Listed(Prefixes, words[first], Qt::CaseInsensitive))
        ++first;
    if (first >= words.size() || !Listed(EngineCommands, words[first], Qt::CaseInsensitive))
        return false;
    if (words[first].endsWith(QLatin1String("_property"), Qt::CaseInsensitive))
        return first + 1 < words.size() && Listed(Properties, words[first + 1], Qt::CaseInsensitive);
    return true;
}

} // namespace

bool SkinMayRunCommand(const QString &command)
{
    // The engine reads one command a line; a control character would end the
    // line (or the C string) early and start another command.
    constexpr qsizetype MaxLength = 256;
    if (command.isEmpty() || command.size() > MaxLength)
        return false;
    if (std::any_of(command.begin(), command.end(), [](QChar c) { return c < u' ' || c.unicode() == 0x7f; }))
        return false;
    if (command.startsWith(u'&') || command.startsWith(u'@'))
        return EngineMayRun(command.mid(1));
    if (Listed(NamedCommands, command.section(u' ', 0, 0), Qt::CaseSensitive))
        return true;
    return EngineMayRun(command);
}
