#include "engine/mplayer/MPlayerOutputParser.h"

#include "common/NumberFormat.h"
#include "common/TextHelpers.h"
#include "engine/PlaybackState.h"

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
    QString name = Text(text.first(qMin<qsizetype>(text.size(), 256))).left(64);
    for (QChar &c : name)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = u' ';
    return name;
}

// "ID_AID_<id>_LANG=<name>" (or _NAME): the id, when it is one, and the name.
std::optional<int> NamedTrack(View line, View &name)
{
    constexpr qsizetype Head = 7; // "ID_AID_", "ID_SID_"
    const qsizetype under = line.indexOf('_', Head);
    const qsizetype eq = line.indexOf('=');
    if (under < 0 || eq < under)
        return std::nullopt;
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
    {"audio stream:", Stage::TitleRun, &MPlayerOutputParser::OnTitleAudioStream},
    {"subtitle ( sid )", Stage::TitleRun, &MPlayerOutputParser::OnTitleSubtitle},
    {"ID_DVD_TITLE_", Stage::DiscRun, &MPlayerOutputParser::OnDiscTitleLength},
    {"ID_DVD_DISC_ID=", Stage::DiscRun, &MPlayerOutputParser::OnDiscId},
    {"ID_AUDIO_ID=", Stage::Identify, &MPlayerOutputParser::OnAudioId},
    {"ID_AID_", Stage::Identify, &MPlayerOutputParser::OnAudioName},
    {"ID_SUBTITLE_ID=", Stage::Identify, &MPlayerOutputParser::OnSubtitleId},
    {"ID_SID_", Stage::Identify, &MPlayerOutputParser::OnSubtitleName},
    {"ID_LENGTH=", Stage::Identify, &MPlayerOutputParser::OnLength},
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
    return m_run.InTags;
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
    m_run.StatusLine = QString::fromLatin1(line.data(), line.size());
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
        m_sink.TrackNamed(TrackMenu::Audio, *id, TrackName(line.sliced(from, q - from)));
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
        m_sink.TrackNamed(TrackMenu::Subtitle, *n, TrackName(line.sliced(qMin(lang + 11, line.size()))));
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
    View name;
    const auto id = NamedTrack(line, name);
    if (id && m_state.AudioTrackIds.contains(*id))
        m_sink.TrackNamed(TrackMenu::Audio, *id, TrackName(name));
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
    View name;
    const auto n = NamedTrack(line, name);
    if (n && m_state.SubtitleTrackIds.contains(*n))
        m_sink.TrackNamed(TrackMenu::Subtitle, *n, TrackName(name));
    return true;
}

bool MPlayerOutputParser::OnLength(View line)
{
    // The last one counts: the engine's own comes after any a tag may print.
    if (const auto length = ParseFloat(Text(line.sliced(10))))
        m_state.PositionProp.Max = float(std::trunc(PlausibleSeconds(*length)));
    return true;
}
