#include "engine/mpv/MpvOutputReader.h"

#include "common/FileNames.h"
#include "common/TextHelpers.h"
#include "engine/PlaybackState.h"
#include "engine/TrackLabel.h"
#include "engine/mpv/MpvCommands.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cmath>
#include <utility>

namespace {
constexpr int MaxTrackId = 8191;
constexpr int MaxTracks = 128;  // of a kind in the menus
constexpr int MaxListed = 1024; // entries of a track list looked at
constexpr int MaxBadLines = 5;

// One bounded line of engine text for the log.
QString LogText(const QString &text, qsizetype max = 512)
{
    return ReplaceControlChars(text.left(max), u' ').trimmed();
}

double PlausibleSeconds(double seconds)
{
    return std::isfinite(seconds) ? std::clamp(seconds, 0.0, 1e9) : 0.0;
}

// A whole number in [min, max], or -1.
int Whole(const QJsonValue &v, int min, int max)
{
    if (!v.isDouble())
        return -1;
    const double d = v.toDouble();
    return d >= min && d <= max && d == std::trunc(d) ? int(d) : -1;
}

QString ValueText(const QJsonValue &v)
{
    switch (v.type()) {
    case QJsonValue::Bool:
        return v.toBool() ? QStringLiteral("yes") : QStringLiteral("no");
    case QJsonValue::Double:
        return QString::number(v.toDouble(), 'g', 12);
    case QJsonValue::String:
        return LogText(v.toString(), 256);
    default:
        return {};
    }
}
} // namespace

MpvOutputReader::MpvOutputReader(PlaybackState &state, OutputSink &sink) : m_state(state), m_sink(sink) {}

void MpvOutputReader::BeginRun(const QByteArray &, int)
{
    m_run = Run();
}

void MpvOutputReader::ProcessLine(QByteArrayView line)
{
    if (line.size() > MaxLineBytes)
        return;
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(line.toByteArray(), &error);
    if (!doc.isObject()) {
        if (m_run.BadLines++ < MaxBadLines)
            m_sink.LogLine(QStringLiteral("mpv: unreadable line: ") +
                           LogText(QString::fromUtf8(line.first(qMin<qsizetype>(line.size(), 120)))));
        return;
    }
    const QJsonObject o = doc.object();
    if (const QJsonValue event = o.value(QLatin1String("event")); event.isString())
        OnEvent(event.toString(), o);
    else if (o.contains(QLatin1String("request_id")))
        OnAnswer(Whole(o.value(QLatin1String("request_id")), 0, 1 << 30),
                 o.value(QLatin1String("error")).toString(), o.value(QLatin1String("data")));
}

void MpvOutputReader::OnAnswer(int id, const QString &error, const QJsonValue &data)
{
    const bool success = error == QLatin1String("success");
    if (id == MpvCommands::ProbeId) {
        m_sink.CommandAnswered();
        return;
    }
    if (id == MpvCommands::PositionId) {
        if (!data.isDouble())
            return;
        const double at = PlausibleSeconds(data.toDouble());
        OnPosition(at);
        // Asked again a little after the second shown turns.
        if (!m_run.Paused)
            m_sink.PositionWanted(
                int(std::clamp((std::floor(at) + 1 - at) * 1000 / m_run.Speed + 4, 4.0, 1000.0)));
        return;
    }
    const QByteArray name = MpvCommands::AnswerName(id);
    if (!success && !name.isEmpty())
        m_sink.LogLine(QStringLiteral("ANS_ERROR=") + LogText(error, 80));
    else if (!success && id > 0)
        m_sink.LogLine(QStringLiteral("mpv: command failed: ") + LogText(error, 80));
    else if (!name.isEmpty())
        m_sink.LogLine(QString::fromLatin1(name) + u'=' + ValueText(data));
}

void MpvOutputReader::OnEvent(const QString &event, const QJsonObject &o)
{
    if (event == QLatin1String("property-change")) {
        OnProperty(o.value(QLatin1String("name")).toString(), o.value(QLatin1String("data")));
    } else if (event == QLatin1String("log-message")) {
        const QString prefix = LogText(o.value(QLatin1String("prefix")).toString(), 32);
        m_sink.LogLine(u'[' + prefix + QStringLiteral("] ") +
                       LogText(o.value(QLatin1String("text")).toString()));
    } else if (event == QLatin1String("playback-restart")) {
        // Playback starts, or goes on after a seek: from where?
        Started();
        m_sink.PositionWanted(0);
    } else if (event == QLatin1String("audio-reconfig")) {
        if (m_run.Started && !std::exchange(m_run.AudioOpened, true))
            m_sink.AudioOpened();
    } else if (event == QLatin1String("end-file")) {
        OnEndOfFile(o);
    }
}

// The first picture (or sound) after loading: playback has started.
void MpvOutputReader::Started()
{
    if (std::exchange(m_run.Started, true))
        return;
    m_sink.PlaybackStarted();
    // Sound to play and no output for it: the picture plays alone.
    if (!m_run.SoundOutput && !m_state.AudioTrackIds.isEmpty())
        m_sink.ProblemFound(EngineProblem::NoSoundDevice);
    // The sound output opened before playback did.
    if (!m_run.AudioOpened && !m_state.AudioTrackIds.isEmpty()) {
        m_run.AudioOpened = true;
        m_sink.AudioOpened();
    }
}

void MpvOutputReader::OnProperty(const QString &name, const QJsonValue &data)
{
    if (name == QLatin1String("duration")) {
        if (data.isDouble())
            m_state.PositionProp.Max = float(std::trunc(PlausibleSeconds(data.toDouble())));
    } else if (name == QLatin1String("pause")) {
        m_run.Paused = data.toBool();
        if (m_run.Paused)
            m_sink.ShowStatusLine(QStringLiteral("Paused|") + m_run.StatusLine);
        else if (m_run.Started)
            m_sink.PositionWanted(0);
    } else if (name == QLatin1String("current-ao")) {
        m_run.SoundOutput = data.isString() && !data.toString().isEmpty();
    } else if (name == QLatin1String("speed")) {
        if (data.isDouble() && data.toDouble() >= 0.01 && data.toDouble() <= 100)
            m_run.Speed = data.toDouble();
    } else if (name == QLatin1String("volume")) {
        // A change made at the console shows; ours come back as they went.
        TMPProperty &volume = m_state.VolumeProp;
        if (data.isDouble() && std::isfinite(data.toDouble()) && float(data.toDouble()) != volume.Value &&
            !m_state.Paused) {
            volume.Value = std::clamp(float(data.toDouble()), volume.Min, volume.Max);
            volume.NotifyChange();
        }
    } else if (name == QLatin1String("track-list")) {
        OnTrackList(data.toArray());
    } else if (name == QLatin1String("video-params")) {
        OnVideoParams(data.toObject());
    } else if (name == QLatin1String("metadata")) {
        OnMetadata(data.toObject());
    } else if (name == QLatin1String("hwdec-current")) {
        const QString decoder = data.isString() ? LogText(data.toString(), 32) : QStringLiteral("no");
        if (decoder != std::exchange(m_run.Decoder, decoder))
            m_sink.LogLine(QStringLiteral("Hardware decoding in use: ") + decoder);
    }
}

void MpvOutputReader::OnPosition(double seconds)
{
    const int whole = int(std::floor(PlausibleSeconds(seconds)));
    TMPProperty &position = m_state.PositionProp;
    if (float(whole) != position.Value && m_state.Status != PlaybackStatus::Seeking) {
        position.Value = float(whole);
        position.NotifyChange();
    }
    if (whole == m_run.Seconds)
        return;
    m_run.Seconds = whole;
    const bool hours = position.Max >= 3600;
    m_run.StatusLine = QStringLiteral("mpv: ") + FormatTime(whole, hours) + QStringLiteral(" / ") +
                       FormatTime(qint64(position.Max), hours);
    m_sink.ShowStatusLine(m_run.StatusLine);
}

void MpvOutputReader::OnTrackList(const QJsonArray &tracks)
{
    bool video = false, sound = false;
    const qsizetype count = qMin<qsizetype>(tracks.size(), MaxListed);
    for (qsizetype i = 0; i < count; ++i) {
        const QJsonObject t = tracks.at(i).toObject();
        const QString type = t.value(QLatin1String("type")).toString();
        const int id = Whole(t.value(QLatin1String("id")), 1, MaxTrackId);
        if (type == QLatin1String("video") && !t.value(QLatin1String("albumart")).toBool())
            video = true;
        const bool audio = type == QLatin1String("audio");
        if (id < 0 || (!audio && type != QLatin1String("sub")))
            continue;
        sound = sound || audio;
        // Subtitles count from 0 here, from 1 in mpv.
        const TrackMenu menu = audio ? TrackMenu::Audio : TrackMenu::Subtitle;
        const int number = audio ? id : id - 1;
        QList<int> &ids = audio ? m_state.AudioTrackIds : m_state.SubtitleTrackIds;
        TMPProperty &p = audio ? m_state.AudioTrackProp : m_state.SubtitleTrackProp;
        if (!ids.contains(number)) {
            if (ids.size() >= MaxTracks)
                continue;
            if (audio)
                p.Min = ids.isEmpty() ? float(number) : qMin(p.Min, float(number));
            p.Max = ids.isEmpty() ? float(number) : qMax(p.Max, float(number));
            ids.append(number);
            m_sink.TrackAdded(menu, number);
            QString title = TrackLabel::Part(t.value(QLatin1String("title")).toString());
            if (t.value(QLatin1String("external")).toBool() && title.isEmpty())
                title = TrackLabel::Part(
                    QFileInfo(t.value(QLatin1String("external-filename")).toString()).fileName());
            m_sink.TrackNamed(
                menu, number,
                TrackLabel::Compose(TrackLabel::Language(t.value(QLatin1String("lang")).toString()), title,
                                    TrackLabel::Part(t.value(QLatin1String("codec")).toString())));
        }
        // Before playback the link's own choice stands (it is sent when
        // playback starts); later a change made at the console shows.
        if (m_run.Started && t.value(QLatin1String("selected")).toBool() && p.Value != float(number)) {
            p.Value = float(number);
            p.NotifyChange();
        }
    }
    // Sound and no picture: sound only. A list without sound names nothing playable.
    if (sound && !video && !std::exchange(m_run.NoVideoSaid, true)) {
        m_state.HasVideo = false;
        m_sink.NoVideo();
    }
}

void MpvOutputReader::OnVideoParams(const QJsonObject &params)
{
    // The size shown: the display size, with the pixel aspect applied.
    const int width = Whole(params.value(QLatin1String("dw")), 16, 8192);
    const int height = Whole(params.value(QLatin1String("dh")), 16, 8192);
    if (width < 0 || height < 0 || (width == m_state.VideoWidth && height == m_state.VideoHeight))
        return;
    m_state.VideoWidth = width;
    m_state.VideoHeight = height;
    m_state.VideoAspect = float(width) / float(height);
    m_sink.VideoSized();
}

void MpvOutputReader::OnMetadata(const QJsonObject &tags)
{
    MediaTags &known = m_state.Tags;
    bool changed = false;
    int looked = 0;
    for (auto it = tags.begin(); it != tags.end() && looked++ < 256; ++it) {
        const QString key = it.key().toLower();
        QString *field = key == QLatin1String("title")    ? &known.Title
                         : key == QLatin1String("artist") ? &known.Artist
                         : key == QLatin1String("album")  ? &known.Album
                                                          : nullptr;
        if (!field || !field->isEmpty() || !it.value().isString())
            continue;
        QString text = it.value().toString().left(512).section(u'\n', 0, 0).left(128);
        text.removeIf(IsControlChar);
        *field = text.trimmed();
        changed = true;
    }
    if (changed)
        m_sink.TagsRead();
}

void MpvOutputReader::OnEndOfFile(const QJsonObject &event)
{
    const QString reason = event.value(QLatin1String("reason")).toString();
    if (reason == QLatin1String("eof")) {
        if (m_run.Started)
            m_state.PositionProp.Value = m_state.PositionProp.Max;
        return;
    }
    if (reason != QLatin1String("error"))
        return;
    const QString error = event.value(QLatin1String("file_error")).toString();
    m_sink.LogLine(QStringLiteral("mpv could not play this: ") + LogText(error, 80));
    const QString media = DecodeFileName(m_state.MediaURL);
    const bool local = !media.contains(QLatin1String("://"));
    EngineProblem problem = EngineProblem::Failed;
    if (error == QLatin1String("audio output initialization failed"))
        problem = EngineProblem::NoSoundDevice;
    else if (local && !QFileInfo::exists(media))
        problem = EngineProblem::FileNotFound;
    else if (error == QLatin1String("unrecognized file format") ||
             (local && error == QLatin1String("loading failed")))
        problem = EngineProblem::Unreadable;
    else if (!local && error == QLatin1String("loading failed"))
        problem = EngineProblem::NoConnection;
    m_sink.ProblemFound(problem);
}
