#include "engine/mpv/MpvCommands.h"

#include "common/NumberFormat.h"
#include "common/TextHelpers.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <optional>

namespace {
// MPlayer's subtitle text scale is about 3.5 times mpv's sub-scale.
constexpr double SubtitleScaleRatio = 3.5;

QByteArray Json(const QStringList &command, int id)
{
    QJsonObject request{{QStringLiteral("command"), QJsonArray::fromStringList(command)}};
    if (id > 0)
        request.insert(QStringLiteral("request_id"), id);
    return QJsonDocument(request).toJson(QJsonDocument::Compact);
}

// The slave reader's words: blanks separate, double quotes group with
// backslash escapes.
QStringList Words(const QString &line)
{
    QStringList words;
    QString word;
    bool inWord = false, quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted && c == u'\\' && i + 1 < line.size()) {
            word += line[++i];
        } else if (c == u'"') {
            quoted = !quoted;
            inWord = true;
        } else if (!quoted && (c == u' ' || c == u'\t')) {
            if (inWord)
                words << word;
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord)
        words << word;
    return words;
}

std::optional<double> Number(const QStringList &words, qsizetype i)
{
    if (i >= words.size())
        return std::nullopt;
    const auto n = ParseFloat(words[i]);
    return n && std::isfinite(*n) ? n : std::nullopt;
}

QString Text(double n)
{
    return FormatG15(n);
}

// A value property: "name v [abs]" sets it when abs is not 0, else adds v.
struct ValueRow {
    const char *Slave;
    const char *Property;
    double Scale;
};
constexpr ValueRow ValueRows[] = {
    {"volume", "volume", 1},
    {"sub_delay", "sub-delay", 1},
    {"sub_scale", "sub-scale", 1 / SubtitleScaleRatio},
    {"audio_delay", "audio-delay", 1},
    {"brightness", "brightness", 1},
    {"contrast", "contrast", 1},
    {"gamma", "gamma", 1},
    {"hue", "hue", 1},
    {"saturation", "saturation", 1},
    {"panscan", "panscan", 1},
};

// Questions: the slave name, the property asked, MPlayer's name of the answer.
struct AnswerRow {
    const char *Slave;
    const char *Property;
    const char *Answer;
};
constexpr AnswerRow AnswerRows[] = {
    {"get_time_pos", "time-pos", "ANS_TIME_POSITION"},
    {"get_time_length", "duration", "ANS_LENGTH"},
    {"get_percent_pos", "percent-pos", "ANS_PERCENT_POSITION"},
    {"get_file_name", "filename", "ANS_FILENAME"},
    {"get_video_codec", "video-codec", "ANS_VIDEO_CODEC"},
    {"get_audio_codec", "audio-codec-name", "ANS_AUDIO_CODEC"},
    {"get_video_bitrate", "video-bitrate", "ANS_VIDEO_BITRATE"},
    {"get_audio_bitrate", "audio-bitrate", "ANS_AUDIO_BITRATE"},
    {"get_meta_title", "metadata/by-key/title", "ANS_META_TITLE"},
    {"get_meta_artist", "metadata/by-key/artist", "ANS_META_ARTIST"},
    {"get_meta_album", "metadata/by-key/album", "ANS_META_ALBUM"},
    {"get_sub_visibility", "sub-visibility", "ANS_SUB_VISIBILITY"},
    {"get_vo_fullscreen", "fullscreen", "ANS_VO_FULLSCREEN"},
};

// MPlayer's properties mpv has under another name, for get_property;
// answered as "ANS_<MPlayer's name>=".
struct PropertyRow {
    const char *MPlayer;
    const char *Mpv;
};
constexpr PropertyRow PropertyRows[] = {
    {"time_pos", "time-pos"},
    {"length", "duration"},
    {"percent_pos", "percent-pos"},
    {"switch_audio", "aid"},
    {"sub", "sid"},
    {"volume", "volume"},
    {"mute", "mute"},
    {"pause", "pause"},
    {"speed", "speed"},
    {"filename", "filename"},
    {"chapter", "chapter"},
    {"width", "width"},
    {"height", "height"},
    {"aspect", "video-params/aspect"},
    {"sub_delay", "sub-delay"},
    {"audio_delay", "audio-delay"},
    {"osdlevel", "osd-level"},
    {"fullscreen", "fullscreen"},
};
constexpr int PropertyBase = 200;

const QStringList ObservedNames{
    QStringLiteral("duration"),    QStringLiteral("pause"),      QStringLiteral("volume"),
    QStringLiteral("mute"),        QStringLiteral("track-list"), QStringLiteral("video-params"),
    QStringLiteral("eof-reached"), QStringLiteral("metadata"),   QStringLiteral("hwdec-current"),
    QStringLiteral("speed"),       QStringLiteral("current-ao")};

using Command = std::optional<QStringList>;

Command Set(const char *property, const QString &value)
{
    return QStringList{QStringLiteral("set"), QLatin1String(property), value};
}

// The mpv form of one command, its words without the pausing prefixes.
Command Translated(const QStringList &w)
{
    const QString &name = w.first();
    const auto n = Number(w, 1);
    const bool hasArg = w.size() > 1;
    auto is = [&](const char *slave) { return name == QLatin1String(slave); };
    for (const ValueRow &row : ValueRows) {
        if (!is(row.Slave))
            continue;
        if (!n)
            return std::nullopt;
        const bool absolute = Number(w, 2).value_or(0) != 0;
        return QStringList{absolute ? QStringLiteral("set") : QStringLiteral("add"),
                           QLatin1String(row.Property), Text(*n * row.Scale)};
    }
    if (is("seek")) {
        if (!n)
            return std::nullopt;
        static const char *const types[] = {"relative", "absolute-percent", "absolute"};
        const double type = std::trunc(Number(w, 2).value_or(0));
        if (type < 0 || type > 2) // and never cast out of an int's range
            return std::nullopt;
        return QStringList{QStringLiteral("seek"), Text(*n), QLatin1String(types[int(type)])};
    }
    if (is("pause"))
        return QStringList{QStringLiteral("cycle"), QStringLiteral("pause")};
    if (is("frame_step"))
        return QStringList{QStringLiteral("frame-step")};
    if (is("quit"))
        return QStringList{QStringLiteral("quit")};
    if (is("mute") || is("sub_visibility")) {
        const char *property = is("mute") ? "mute" : "sub-visibility";
        if (!hasArg)
            return QStringList{QStringLiteral("cycle"), QLatin1String(property)};
        return n ? Set(property, *n != 0 ? QStringLiteral("yes") : QStringLiteral("no")) : std::nullopt;
    }
    if (is("frame_drop"))
        return Set("framedrop", n.value_or(1) > 0 ? QStringLiteral("vo") : QStringLiteral("no"));
    if (is("osd")) {
        if (!hasArg)
            return QStringList{QStringLiteral("cycle-values"), QStringLiteral("osd-level"),
                               QStringLiteral("3"), QStringLiteral("1")};
        return n ? Set("osd-level", Text(std::clamp(std::trunc(*n), 0.0, 3.0))) : std::nullopt;
    }
    if (is("switch_audio")) {
        if (!n || *n < 0)
            return QStringList{QStringLiteral("cycle"), QStringLiteral("audio")};
        return Set("aid", Text(std::trunc(*n)));
    }
    // Subtitles are numbered from 0 here and from 1 by mpv; -1 shows none.
    if (is("sub_select")) {
        if (!hasArg)
            return QStringList{QStringLiteral("cycle"), QStringLiteral("sub")};
        if (!n)
            return std::nullopt;
        return Set("sid", *n < 0 ? QStringLiteral("no") : Text(std::trunc(*n) + 1));
    }
    if (is("sub_load"))
        return hasArg ? std::optional(QStringList{QStringLiteral("sub-add"), w[1], QStringLiteral("select")})
                      : std::nullopt;
    if (is("switch_ratio"))
        return Set("video-aspect-override", n && *n > 0 ? Text(*n) : QStringLiteral("-1"));
    if (is("speed_set") || is("speed_incr") || is("speed_mult")) {
        if (!n)
            return std::nullopt;
        const QString op = is("speed_set")    ? QStringLiteral("set")
                           : is("speed_incr") ? QStringLiteral("add")
                                              : QStringLiteral("multiply");
        return QStringList{op, QStringLiteral("speed"), Text(*n)};
    }
    // The picture without subtitles or OSD, as MPlayer's filter takes it.
    if (is("screenshot"))
        return QStringList{QStringLiteral("screenshot"), QStringLiteral("video")};
    if (is("seek_chapter")) {
        if (!n)
            return std::nullopt;
        const bool absolute = Number(w, 2).value_or(0) != 0;
        return QStringList{absolute ? QStringLiteral("set") : QStringLiteral("add"),
                           QStringLiteral("chapter"), Text(std::trunc(*n))};
    }
    if (is("osd_show_text"))
        return hasArg ? std::optional(QStringList{QStringLiteral("show-text"), w[1]}) : std::nullopt;
    if (is("loop")) {
        // MPlayer: -1 once, 0 for ever, n more times.
        if (!n)
            return std::nullopt;
        return Set("loop-file", *n < 0 ? QStringLiteral("no") : *n == 0 ? QStringLiteral("inf") : Text(*n));
    }
    return std::nullopt;
}
} // namespace

namespace MpvCommands {

Request Translate(const QByteArray &slave)
{
    QStringList words = Words(QString::fromUtf8(slave));
    static const QStringList prefixes{QStringLiteral("pausing"), QStringLiteral("pausing_keep"),
                                      QStringLiteral("pausing_toggle"), QStringLiteral("pausing_keep_force")};
    // mpv's commands leave the pause alone, as pausing_keep asks.
    while (!words.isEmpty() && prefixes.contains(words.first(), Qt::CaseInsensitive))
        words.removeFirst();
    if (words.isEmpty())
        return {{}, QStringLiteral("Empty command")};
    words.first() = words.first().toLower();
    // The bare seek is the command queue's probe: any question will do.
    if (words.size() == 1 && words.first() == u"seek")
        return {Json({QStringLiteral("get_property"), QStringLiteral("pid")}, ProbeId), {}};
    if (words.size() == 2 && words.first() == u"get_property") {
        for (size_t i = 0; i < std::size(PropertyRows); ++i)
            if (words[1] == QLatin1String(PropertyRows[i].MPlayer))
                return {Json({QStringLiteral("get_property"), QLatin1String(PropertyRows[i].Mpv)},
                             AnswerBase + PropertyBase + int(i)),
                        {}};
    }
    for (size_t i = 0; i < std::size(AnswerRows); ++i)
        if (words.first() == QLatin1String(AnswerRows[i].Slave))
            return {Json({QStringLiteral("get_property"), QLatin1String(AnswerRows[i].Property)},
                         AnswerBase + int(i)),
                    {}};
    if (const Command command = Translated(words))
        return {Json(*command, CommandId), {}};
    return {{},
            QStringLiteral("No mpv form for the command: ") +
                ReplaceControlChars(QString::fromUtf8(slave), u' ').left(120)};
}

Request Raw(const QString &text)
{
    const QString command = text.trimmed();
    if (command.isEmpty() || HasControlChars(command) || command.startsWith(u'{'))
        return {{},
                QStringLiteral("Not an mpv input command: ") + ReplaceControlChars(command, u' ').left(120)};
    return {command.toUtf8(), {}};
}

QByteArray PositionQuestion()
{
    return Json({QStringLiteral("get_property"), QStringLiteral("time-pos")}, PositionId);
}

QByteArray SetPause(bool paused)
{
    return Json({QStringLiteral("set"), QStringLiteral("pause"),
                 paused ? QStringLiteral("yes") : QStringLiteral("no")},
                CommandId);
}

QByteArray AnswerName(int id)
{
    const int row = id - AnswerBase;
    if (row >= PropertyBase && row < PropertyBase + int(std::size(PropertyRows)))
        return QByteArray("ANS_") + PropertyRows[row - PropertyBase].MPlayer;
    return row >= 0 && row < int(std::size(AnswerRows)) ? QByteArray(AnswerRows[row].Answer) : QByteArray();
}

const QStringList &Observed()
{
    return ObservedNames;
}

QByteArray Prologue(const QStringList &media, const QString &logLevel)
{
    QByteArray out;
    for (qsizetype i = 0; i < ObservedNames.size(); ++i) {
        QJsonArray command{QStringLiteral("observe_property"), int(i + 1), ObservedNames[i]};
        out +=
            QJsonDocument(QJsonObject{{QStringLiteral("command"), command}}).toJson(QJsonDocument::Compact) +
            '\n';
    }
    out += Json({QStringLiteral("request_log_messages"), logLevel}, 0) + '\n';
    for (qsizetype i = 0; i < media.size(); ++i)
        out += Json({QStringLiteral("loadfile"), media[i],
                     i == 0 ? QStringLiteral("replace") : QStringLiteral("append")},
                    CommandId) +
               '\n';
    return out;
}
} // namespace MpvCommands
