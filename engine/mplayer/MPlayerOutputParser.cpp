#include "engine/mplayer/MPlayerOutputParser.h"

#include "common/NumberFormat.h"
#include "common/TextHelpers.h"
#include "engine/PlaybackState.h"
#include "engine/TrackLabel.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {
using View = QByteArrayView;

constexpr int MaxTrackId = 8191;  // the engine's stream ids stay below
constexpr int MaxTracks = 128;    // of a kind in the menus
constexpr int MaxDiscTitles = 99; // a disc holds no more

QString Text(View v)
{
    return QString::fromUtf8(v.data(), v.size());
}

// Lengths come from the engine's text: anything outside a plausible range
// (huge exponents, inf, nan) is clamped so it converts safely to float and
// to whole seconds.
double PlausibleSeconds(double seconds)
{
    constexpr double MaxSeconds = 1e9;
    return std::isnan(seconds) ? 0.0 : std::clamp(seconds, 0.0, MaxSeconds);
}

View Trim(View line)
{
    qsizetype b = 0, e = line.size();
    while (b < e && quint8(line[b]) <= 32)
        ++b;
    while (e > b && quint8(line[e - 1]) <= 32)
        --e;
    return line.sliced(b, e - b);
}

// A whole number in [min, max] written with digits only, as the engine
// writes ids and counts.
std::optional<int> Whole(View text, int min, int max)
{
    if (text.isEmpty() || text.size() > 9)
        return std::nullopt;
    int n = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        n = n * 10 + (c - '0');
    }
    return n >= min && n <= max ? std::optional<int>(n) : std::nullopt;
}

// A track name for a menu: one line, of bounded length.
QString TrackName(View text)
{
    return TrackLabel::Part(Text(text.first(qMin<qsizetype>(text.size(), 256))));
}

// A tag's text: the start of one line, without control characters.
QString TagText(View text)
{
    QString tag = Text(text.first(qMin<qsizetype>(text.size(), 512))).left(128);
    tag.removeIf(IsControlChar);
    return tag.trimmed();
}

// "ID_AID_<id>_LANG=<name>" (or _NAME): the id, when it is one, the key and the name.
std::optional<int> NamedTrack(View line, View &key, View &name)
{
    constexpr qsizetype Head = 7; // "ID_AID_", "ID_SID_"
    const qsizetype under = line.indexOf('_', Head);
    const qsizetype eq = line.indexOf('=');
    if (under < 0 || eq < under)
        return std::nullopt;
    key = line.sliced(under + 1, eq - under - 1);
    name = line.sliced(eq + 1);
    return Whole(line.sliced(Head, under - Head), 0, MaxTrackId);
}

// The position of a status line: the whole seconds of the number after "A:"
// or "V:"; "-" gives -1 and no digit gives 0.
int StatusSeconds(View line)
{
    qsizetype i = 2;
    while (i < line.size() && line[i] == ' ')
        ++i;
    if (i < line.size() && line[i] == '-')
        return -1;
    long long n = 0;
    for (; i < line.size() && line[i] >= '0' && line[i] <= '9'; ++i)
        if (n < 100000000)
            n = n * 10 + (line[i] - '0');
    return int(n);
}

// When a row applies.
enum class Stage : quint8 {
    Early,    // every line, before it is logged
    Always,   // every line
    TitleRun, // the first run of a disc's title
    Identify, // the first run of any other entry
    DiscRun,  // the first run of a disc entry
};
} // namespace

struct MPlayerOutputParser::Rule {
    View Prefix;
    Stage When;
    bool (MPlayerOutputParser::*Handle)(View line);
};

const MPlayerOutputParser::Rule MPlayerOutputParser::Rules[] = {
    {"A:", Stage::Early, &MPlayerOutputParser::OnStatusLine},
    {"V:", Stage::Early, &MPlayerOutputParser::OnStatusLine},
    {"=====  PAUSE  =====", Stage::Early, &MPlayerOutputParser::OnPauseMarker},
    {"Command seek", Stage::Early, &MPlayerOutputParser::OnSeekAnswer},
    {"Exiting... (End of file)", Stage::Always, &MPlayerOutputParser::OnEndOfFile},
    {"VO: [", Stage::Always, &MPlayerOutputParser::OnVideoOutput},
    {"Video: no video", Stage::Always, &MPlayerOutputParser::OnNoVideo},
    {"Starting playback...", Stage::Always, &MPlayerOutputParser::OnStartPlayback},
    {"Opening audio decoder: [", Stage::Always, &MPlayerOutputParser::OnAudioDecoder},
    {"SUB: Added subtitle file (", Stage::Always, &MPlayerOutputParser::OnSubtitleAdded},
    // Why a run fails, or plays without a part of the media.
    {"File not found: '", Stage::Always, &MPlayerOutputParser::OnProblem<EngineProblem::FileNotFound>},
    {"LAVF_header: av_open_input_stream() failed", Stage::Always,
     &MPlayerOutputParser::OnProblem<EngineProblem::Unreadable>},
    {"No stream found", Stage::Always, &MPlayerOutputParser::OnProblem<EngineProblem::Unreadable>},
    {"Couldn't resolve name for AF_INET:", Stage::Always,
     &MPlayerOutputParser::OnProblem<EngineProblem::HostNotFound>},
    {"connect error: ", Stage::Always, &MPlayerOutputParser::OnProblem<EngineProblem::NoConnection>},
    {"Server returned ", Stage::Always, &MPlayerOutputParser::OnProblem<EngineProblem::ServerRefused>},
    {"Cannot find codec matching selected -vo and video format", Stage::Always,
     &MPlayerOutputParser::OnProblem<EngineProblem::NoVideoCodec>},
    {"Cannot find codec for audio format", Stage::Always,
     &MPlayerOutputParser::OnProblem<EngineProblem::NoAudioCodec>},
    {"Could not open/initialize audio device -> no sound.", Stage::Always,
     &MPlayerOutputParser::OnProblem<EngineProblem::NoSoundDevice>},
    {"audio stream:", Stage::TitleRun, &MPlayerOutputParser::OnTitleAudioStream},
    {"subtitle ( sid )", Stage::TitleRun, &MPlayerOutputParser::OnTitleSubtitle},
    {"ID_DVD_TITLE_", Stage::DiscRun, &MPlayerOutputParser::OnDiscTitleLength},
    {"ID_DVD_DISC_ID=", Stage::DiscRun, &MPlayerOutputParser::OnDiscId},
    {"ID_AUDIO_ID=", Stage::Identify, &MPlayerOutputParser::OnAudioId},
    {"ID_AID_", Stage::Identify, &MPlayerOutputParser::OnAudioName},
    {"ID_SUBTITLE_ID=", Stage::Identify, &MPlayerOutputParser::OnSubtitleId},
    {"ID_SID_", Stage::Identify, &MPlayerOutputParser::OnSubtitleName},
    {"ID_LENGTH=", Stage::Identify, &MPlayerOutputParser::OnLength},
    {"[lavf] stream ", Stage::Identify, &MPlayerOutputParser::OnStreamLine},
};

MPlayerOutputParser::MPlayerOutputParser(PlaybackState &state, OutputSink &sink)
    : m_state(state), m_sink(sink)
{
}

void MPlayerOutputParser::BeginRun(const QByteArray &discPath, int subtitleFiles)
{
    m_run = Run();
    m_run.DiscPath = discPath;
    m_run.SubtitleFilesGiven = subtitleFiles;
}

void MPlayerOutputParser::ProcessLine(QByteArrayView raw)
{
    const View line = Trim(raw);
    if (line.isEmpty())
        return;
    const bool firstOpen = m_state.FirstOpen;
    const EntryKind kind = m_state.OpenMode;
    auto applies = [&](Stage when) {
        switch (when) {
        case Stage::Early:
        case Stage::Always:
            return true;
        case Stage::TitleRun:
            return firstOpen && kind == EntryKind::DVDTitle;
        case Stage::Identify:
            return firstOpen && kind != EntryKind::DVDTitle;
        case Stage::DiscRun:
            return firstOpen && kind == EntryKind::DVD;
        }
        return false;
    };
    const bool tags = InTagBlock(line);
    bool logged = false;
    for (const Rule &rule : Rules) {
        if (!logged && rule.When != Stage::Early) {
            m_sink.LogLine(Text(line));
            logged = true;
        }
        if (!tags && applies(rule.When) && line.startsWith(rule.Prefix) && (this->*rule.Handle)(line))
            return;
    }
}

// The engine prints the clip's tags as they are, line breaks included, between
// "Clip info:" and the line that follows the block; no line inside it is the
// engine's own. A tag that forges the end of the block only reaches rows that
// are harmless on their own.
bool MPlayerOutputParser::InTagBlock(View line)
{
    if (line == "Clip info:") {
        m_run.InTags = true;
        return true;
    }
    // A subtitle file given with "-sub" is reported right after the tags.
    if (m_run.InTags &&
        (line.startsWith("ID_CLIP_INFO_N=") || line.startsWith("SUB: Added subtitle file (") ||
         line.startsWith("Load subtitles in ") || line.startsWith("=====")))
        m_run.InTags = false;
    if (m_run.InTags && line.startsWith("ID_CLIP_INFO_"))
        ReadTag(line);
    return m_run.InTags;
}

// "ID_CLIP_INFO_NAME<n>=<name>", then "ID_CLIP_INFO_VALUE<n>=<value>": the
// title, artist and album, the first of each. A value with line breaks keeps
// its first line; a line it forges is a tag like the others.
void MPlayerOutputParser::ReadTag(View line)
{
    constexpr int MaxTagNumber = 63;
    const bool isName = line.startsWith("ID_CLIP_INFO_NAME");
    const qsizetype head = isName ? 17 : 18; // "ID_CLIP_INFO_VALUE"
    const qsizetype eq = line.indexOf('=');
    if ((!isName && !line.startsWith("ID_CLIP_INFO_VALUE")) || eq < head)
        return;
    const auto n = Whole(line.sliced(head, eq - head), 0, MaxTagNumber);
    const View text = line.sliced(eq + 1);
    if (!n)
        return;
    QList<QByteArray> &names = m_run.TagNames;
    if (isName) {
        names.resize(qMax(names.size(), qsizetype(*n) + 1));
        names[*n] = text.first(qMin<qsizetype>(text.size(), 16)).toByteArray().toLower();
        return;
    }
    const QByteArray name = *n < names.size() ? names[*n] : QByteArray();
    MediaTags &tags = m_state.Tags;
    QString *field = name == "title"    ? &tags.Title
                     : name == "artist" ? &tags.Artist
                     : name == "album"  ? &tags.Album
                                        : nullptr;
    if (!field || !field->isEmpty())
        return;
    *field = TagText(text);
    m_sink.TagsRead();
}

// ------------------------------------------------------------- early rows

bool MPlayerOutputParser::OnStatusLine(View line)
{
    if (line.size() <= 7)
        return false;
    TMPProperty &position = m_state.PositionProp;
    const int seconds = StatusSeconds(line);
    if (float(seconds) != position.Value && m_state.Status != PlaybackStatus::Seeking) {
        position.Value = float(seconds);
        position.NotifyChange();
    }
    // Cut at the terminal's erase code ("\x1b[J") the engine ends it with.
    const auto escape = std::find(line.begin(), line.end(), '\x1b');
    m_run.StatusLine = QString::fromLatin1(line.data(), escape - line.begin());
    m_sink.ShowStatusLine(m_run.StatusLine);
    return true;
}

bool MPlayerOutputParser::OnPauseMarker(View)
{
    m_sink.ShowStatusLine(QStringLiteral("Paused|") + m_run.StatusLine);
    return true;
}

bool MPlayerOutputParser::OnSeekAnswer(View)
{
    m_sink.CommandAnswered();
    return true;
}

// ---------------------------------------------------------- playback rows

template <EngineProblem P> bool MPlayerOutputParser::OnProblem(View)
{
    m_sink.ProblemFound(P);
    return true;
}

bool MPlayerOutputParser::OnEndOfFile(View)
{
    // Before playback it is text that only looks like the end (a tag's).
    if (m_run.Started)
        m_state.PositionProp.Value = m_state.PositionProp.Max;
    return true;
}

bool MPlayerOutputParser::OnVideoOutput(View line)
{
    const qsizetype arrow = line.indexOf(" => ");
    if (arrow < 0)
        return false;
    View size = line.sliced(arrow + 4);
    const qsizetype space = size.indexOf(' ');
    if (space >= 0)
        size = size.first(space);
    const qsizetype x = size.indexOf('x');
    if (x < 0)
        return false;
    const auto width = Whole(size.first(x), 16, 4095);
    const auto height = Whole(size.sliced(x + 1), 16, 4095);
    if (!width || !height)
        return false;
    m_state.VideoWidth = *width;
    m_state.VideoHeight = *height;
    m_state.VideoAspect = float(*width) / float(*height);
    m_sink.VideoSized();
    return true;
}

bool MPlayerOutputParser::OnNoVideo(View)
{
    m_state.HasVideo = false;
    m_sink.NoVideo();
    return true;
}

bool MPlayerOutputParser::OnStartPlayback(View)
{
    // Once a run: a second one is text that only looks like it.
    if (!std::exchange(m_run.Started, true))
        m_sink.PlaybackStarted();
    return true;
}

bool MPlayerOutputParser::OnAudioDecoder(View line)
{
    if (line.indexOf("] ", 24) < 0)
        return false;
    m_sink.AudioOpened();
    return true;
}

bool MPlayerOutputParser::OnSubtitleAdded(View line)
{
    TMPProperty &sub = m_state.SubtitleTrackProp;
    // A file the engine lists again on a relaunch is listed already; and only
    // as many as the engine was given files.
    if ((!m_state.FirstOpen && !(sub.Value > sub.Max)) ||
        m_run.SubtitleFilesAdded >= m_run.SubtitleFilesGiven)
        return false;
    // "SUB: Added subtitle file (1): /path/name.srt": named by its file name.
    const qsizetype colon = line.indexOf("): ");
    if (colon < 0)
        return false;
    View name = line.sliced(colon + 3);
    name = Trim(name.sliced(qMax(name.lastIndexOf('/'), name.lastIndexOf('\\')) + 1));
    // The file is numbered after every subtitle listed so far.
    const int n = int(sub.Max) + 1;
    if (!AddTrack(TrackMenu::Subtitle, n))
        return false;
    ++m_run.SubtitleFilesAdded;
    if (m_state.SubtitleFileBase < 0)
        m_state.SubtitleFileBase = n;
    // Reported before playback has started: a file named before the launch
    // ("-sub"), which the user wants to see.
    if (m_state.Status == PlaybackStatus::Opening)
        sub.Value = float(n);
    m_sink.TrackNamed(TrackMenu::Subtitle, n, TrackName(name));
    if (float(n) == sub.Value) {
        sub.SendNow();
        sub.NotifyChange();
    }
    return true;
}

// Tracks are listed in the order found, each id once and at most MaxTracks of
// a kind; the audio property's range spans the ids. An id that is not the
// engine's (a tag may print one) adds an item the engine refuses, and hides
// no other.
bool MPlayerOutputParser::AddTrack(TrackMenu menu, int id)
{
    const bool audio = menu == TrackMenu::Audio;
    QList<int> &ids = audio ? m_state.AudioTrackIds : m_state.SubtitleTrackIds;
    if (ids.contains(id) || ids.size() >= MaxTracks)
        return false;
    TMPProperty &p = audio ? m_state.AudioTrackProp : m_state.SubtitleTrackProp;
    if (audio)
        p.Min = ids.isEmpty() ? float(id) : qMin(p.Min, float(id));
    p.Max = ids.isEmpty() ? float(id) : qMax(p.Max, float(id));
    ids.append(id);
    m_sink.TrackAdded(menu, id);
    return true;
}

// --------------------------------------------------------- disc title rows

bool MPlayerOutputParser::OnTitleAudioStream(View line)
{
    // "audio stream: 0 format: ac3 (5.1) language: en aid: 128."
    const qsizetype q = line.indexOf(" aid:");
    const qsizetype lang = line.indexOf("language");
    if (q < 0)
        return false;
    View idText = Trim(line.sliced(q + 5));
    if (idText.endsWith('.'))
        idText.chop(1);
    const auto id = Whole(idText, 0, MaxTrackId);
    if (!id || !AddTrack(TrackMenu::Audio, *id))
        return false;
    const qsizetype from = lang + 10;
    if (lang >= 0 && from <= q)
        DescribeTrack(TrackMenu::Audio, *id, TrackPart::Language, line.sliced(from, q - from));
    return true;
}

bool MPlayerOutputParser::OnTitleSubtitle(View line)
{
    // "subtitle ( sid ): 0 language: en"
    const qsizetype colon = line.indexOf(':');
    const qsizetype lang = line.indexOf(" language");
    if (colon < 0 || lang < colon + 2)
        return false;
    const auto n = Whole(Trim(line.sliced(colon + 1, lang - colon - 1)), 0, MaxTrackId);
    if (!n)
        return false;
    if (AddTrack(TrackMenu::Subtitle, *n))
        DescribeTrack(TrackMenu::Subtitle, *n, TrackPart::Language,
                      line.sliced(qMin(lang + 11, line.size())));
    return true;
}

// ---------------------------------------------------------------- disc rows

// "ID_DVD_TITLE_<n>_LENGTH=<seconds>": a title of the disc. Its entry is made
// from the disc entry that was launched and the title's number; nothing else
// of the line reaches it.
bool MPlayerOutputParser::OnDiscTitleLength(View line)
{
    constexpr qsizetype Head = 13; // "ID_DVD_TITLE_"
    const qsizetype p = line.indexOf("_LENGTH=", Head);
    if (p < 0)
        return false;
    const auto title = Whole(line.sliced(Head, p - Head), 1, MaxDiscTitles);
    const auto parsed = ParseFloat(Text(line.sliced(p + 8)));
    if (!title || !parsed || m_run.DiscTitles.contains(*title))
        return false;
    m_run.DiscTitles.append(*title);
    const double length = PlausibleSeconds(*parsed);
    TPlItem item;
    item.Kind = EntryKind::DVDTitle;
    item.Path = m_run.DiscPath + QByteArray::number(*title);
    const auto seconds = static_cast<long long>(length);
    item.Title = QStringLiteral("DVD://%1 (").arg(*title) + FormatTime(seconds, length >= 3600) + u')';
    item.Length = float(length);
    m_sink.DiscTitleFound(item);
    return true;
}

bool MPlayerOutputParser::OnDiscId(View)
{
    m_sink.DiscIdentified();
    return true;
}

// ------------------------------------------------------ identification rows

bool MPlayerOutputParser::OnAudioId(View line)
{
    const auto id = Whole(line.sliced(12), 0, MaxTrackId);
    return id && AddTrack(TrackMenu::Audio, *id);
}

bool MPlayerOutputParser::OnAudioName(View line)
{
    return OnTrackName(TrackMenu::Audio, line);
}

// "ID_AID_<id>_LANG=..." or "..._NAME=...": a listed track's language or title.
bool MPlayerOutputParser::OnTrackName(TrackMenu menu, View line)
{
    View key, name;
    if (const auto id = NamedTrack(line, key, name))
        DescribeTrack(menu, *id, key == "LANG" ? TrackPart::Language : TrackPart::Title,
                      key == "LANG" || key == "NAME" ? name : View());
    return true;
}

bool MPlayerOutputParser::OnSubtitleId(View line)
{
    const auto n = Whole(line.sliced(15), 0, MaxTrackId);
    if (!n)
        return false;
    AddTrack(TrackMenu::Subtitle, *n);
    return true;
}

bool MPlayerOutputParser::OnSubtitleName(View line)
{
    return OnTrackName(TrackMenu::Subtitle, line);
}

// "[lavf] stream 1: audio (mp3float), -aid 0, -alang eng, Title": the codec
// of a listed track.
bool MPlayerOutputParser::OnStreamLine(View line)
{
    const bool audio = line.indexOf(": audio (") >= 0;
    const qsizetype open = line.indexOf(audio ? ": audio (" : ": subtitle (");
    const qsizetype close = line.indexOf(')', open);
    const qsizetype idAt = line.indexOf(audio ? "), -aid " : "), -sid ");
    if (open < 0 || close < 0 || idAt != close)
        return false;
    View idText = line.sliced(idAt + 8);
    if (const qsizetype comma = idText.indexOf(','); comma >= 0)
        idText = idText.first(comma);
    const auto id = Whole(Trim(idText), 0, MaxTrackId);
    const qsizetype from = open + (audio ? 9 : 12);
    if (id)
        DescribeTrack(audio ? TrackMenu::Audio : TrackMenu::Subtitle, *id, TrackPart::Codec,
                      line.sliced(from, close - from));
    return true;
}

void MPlayerOutputParser::DescribeTrack(TrackMenu menu, int id, TrackPart part, View text)
{
    const bool audio = menu == TrackMenu::Audio;
    text = Trim(text);
    if (text.isEmpty() || !(audio ? m_state.AudioTrackIds : m_state.SubtitleTrackIds).contains(id))
        return;
    auto &tracks = m_run.Tracks;
    auto it = std::find_if(tracks.begin(), tracks.end(),
                           [&](const Run::Track &t) { return t.Menu == menu && t.Id == id; });
    if (it == tracks.end())
        it = tracks.insert(tracks.end(), Run::Track{menu, id, {}, {}, {}});
    switch (part) {
    case TrackPart::Language:
        it->Language = TrackLabel::Language(Text(text.first(qMin<qsizetype>(text.size(), 256))));
        break;
    case TrackPart::Title:
        it->Title = TrackName(text);
        break;
    case TrackPart::Codec:
        it->Codec = TrackName(text).left(16);
        break;
    }
    m_sink.TrackNamed(menu, id, TrackLabel::Compose(it->Language, it->Title, it->Codec));
}

bool MPlayerOutputParser::OnLength(View line)
{
    // The last one counts: the engine's own comes after any a tag may print.
    if (const auto length = ParseFloat(Text(line.sliced(10))))
        m_state.PositionProp.Max = float(std::trunc(PlausibleSeconds(*length)));
    return true;
}
