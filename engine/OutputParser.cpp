// Output parsing: every engine line goes through ordered tables of
// (pattern, handler) rows; the first row whose pattern matches and whose
// handler accepts the line ends its processing.
#include "engine/EngineCore.h"

#include "common/Clock.h"
#include "common/NumberFormat.h"
#include "common/TextHelpers.h"
#include "common/ZError.h"
#include "engine/EngineProcess.h"
#include "playlist/ZorviPlaylist.h"
#include "settings/SettingsData.h"

#include <algorithm>
#include <cmath>

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
    QString name = Text(text.first(qMin<qsizetype>(text.size(), 200))).left(64);
    for (QChar &c : name)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = u' ';
    return name;
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

bool IsStatusLine(View l)
{
    return l.size() > 7 && (l[0] == 'A' || l[0] == 'V') && l[1] == ':';
}
bool IsEmpty(View l)
{
    return l.isEmpty();
}
bool HasPauseMarker(View l)
{
    return l.contains("=  PAUSE  =");
}
bool IsSeekAnswer(View l)
{
    return l.startsWith("Command seek");
}
bool IsCacheFill(View l)
{
    return l.size() >= 18 && l[10] == ':' && l[17] == '%' && l.startsWith("Cache fill");
}
bool IsEndOfFile(View l)
{
    return l == "Exiting... (End of file)";
}
bool IsVideoOutput(View l)
{
    return l.startsWith("VO: [");
}
bool IsNoVideo(View l)
{
    return l == "Video: no video";
}
bool IsStartPlayback(View l)
{
    return l == "Starting playback...";
}
bool IsDecoderLine(View l)
{
    return l.startsWith("Opening ") && l.size() >= 24 && l.sliced(12, 12) == "o decoder: [";
}
bool IsSubtitleAdded(View l)
{
    return l.startsWith("SUB: Added subtitle file (");
}
bool IsDvdAudioStream(View l)
{
    return l.startsWith("audio stream:");
}
bool IsDvdSubtitle(View l)
{
    return l.startsWith("subtitle ( sid )");
}
bool IsDvdTitleLength(View l)
{
    return l.startsWith("ID_DVD_TITLE_") && l.indexOf("_LENGTH=") > 13;
}
bool IsDvdDiscId(View l)
{
    return l.startsWith("ID_DVD_DISC_ID=");
}
bool IsAudioId(View l)
{
    return l.startsWith("ID_AUDIO_ID=");
}
bool IsAudioLanguage(View l)
{
    return l.startsWith("ID_AID_");
}
bool IsSubtitleId(View l)
{
    return l.startsWith("ID_SUBTITLE_ID=");
}
bool IsSubtitleLanguage(View l)
{
    return l.startsWith("ID_SID_");
}
bool IsLength(View l)
{
    return l.startsWith("ID_LENGTH=");
}
} // namespace

struct EngineCore::LineRules {
    struct Rule {
        bool (*Matches)(View line);
        bool (EngineCore::*Handle)(View line); // null: matching alone ends the line
    };
    // Before the line is logged; every match ends the processing.
    static constexpr Rule Early[] = {
        {IsStatusLine, &EngineCore::HandleStatusLine}, {IsEmpty, nullptr},
        {HasPauseMarker, &EngineCore::OnPauseMarker},  {IsSeekAnswer, &EngineCore::OnSeekAnswer},
        {IsCacheFill, &EngineCore::OnCacheFill},
    };
    static constexpr Rule Playback[] = {
        {IsEndOfFile, &EngineCore::OnEndOfFile},      {IsVideoOutput, &EngineCore::OnVideoOutput},
        {IsNoVideo, &EngineCore::OnNoVideo},          {IsStartPlayback, &EngineCore::OnStartPlayback},
        {IsDecoderLine, &EngineCore::OnAudioDecoder}, {IsSubtitleAdded, &EngineCore::OnSubtitleAdded},
    };
    // Identification of a DVD title being played (first run only).
    static constexpr Rule DvdTitle[] = {
        {IsDvdAudioStream, &EngineCore::OnDvdAudioStream},
        {IsDvdSubtitle, &EngineCore::OnDvdSubtitle},
    };
    // Identification of any other entry (first run only).
    static constexpr Rule Identify[] = {
        {IsDvdTitleLength, &EngineCore::OnDvdTitleLength},
        {IsDvdDiscId, &EngineCore::OnDvdDiscId},
        {IsAudioId, &EngineCore::OnAudioId},
        {IsAudioLanguage, &EngineCore::OnAudioLanguage},
        {IsSubtitleId, &EngineCore::OnSubtitleId},
        {IsSubtitleLanguage, &EngineCore::OnSubtitleLanguage},
        {IsLength, &EngineCore::OnLength},
    };

    template <std::size_t N> static bool Apply(EngineCore &core, const Rule (&rules)[N], View line)
    {
        for (const Rule &rule : rules)
            if (rule.Matches(line) && (!rule.Handle || (core.*rule.Handle)(line)))
                return true;
        return false;
    }
};

void EngineCore::ProcessLine(const QByteArray &raw)
{
    const View line = Trim(raw);
    if (InTagBlock(line)) {
        m_host.Log.AddLine(Text(line));
        return;
    }
    if (LineRules::Apply(*this, LineRules::Early, line))
        return;
    m_host.Log.AddLine(Text(line));
    if (LineRules::Apply(*this, LineRules::Playback, line) || !m_state.FirstOpen)
        return;
    if (m_state.OpenMode == EntryKind::DVDTitle)
        LineRules::Apply(*this, LineRules::DvdTitle, line);
    else
        LineRules::Apply(*this, LineRules::Identify, line);
}

// The engine prints the clip's tags as they are, line breaks included, between
// "Clip info:" and the line that follows the block; no line inside it is the
// engine's own. A tag that forges the end of the block only reaches rows that
// are harmless on their own.
bool EngineCore::InTagBlock(View line)
{
    if (line == "Clip info:") {
        m_output.InTags = true;
        return true;
    }
    if (m_output.InTags && (line.startsWith("ID_CLIP_INFO_N=") || line.startsWith("Load subtitles in ") ||
                            line.startsWith("=====")))
        m_output.InTags = false;
    return m_output.InTags;
}

// ------------------------------------------------------------- early rows

bool EngineCore::HandleStatusLine(View line)
{
    TMPProperty &position = m_state.PositionProp;
    const int seconds = StatusSeconds(line);
    if (float(seconds) != position.Value && m_state.Status != PlaybackStatus::Seeking) {
        position.Value = float(seconds);
        position.NotifyChange();
    }
    m_host.Log.SetStatusLine(QString::fromLatin1(line.data(), line.size()));
    return true;
}

bool EngineCore::OnPauseMarker(View)
{
    m_host.Log.SetStatusLine(QStringLiteral("Paused|") + m_host.Log.StatusLine());
    return true;
}

bool EngineCore::OnSeekAnswer(View)
{
    m_queue.Acknowledge(Clock::NowMs());
    return true;
}

bool EngineCore::OnCacheFill(View line)
{
    m_host.Log.AddLine(Text(line));
    return true;
}

// ---------------------------------------------------------- playback rows

bool EngineCore::OnEndOfFile(View)
{
    if (!m_output.Started)
        return true;
    m_state.PositionProp.Value = m_state.PositionProp.Max;
    return true;
}

bool EngineCore::OnVideoOutput(View line)
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
    const auto width = ParseInt(Text(size.first(x)));
    const auto height = ParseInt(Text(size.sliced(x + 1).first(qMin<qsizetype>(5, size.size() - x - 1))));
    auto inRange = [](const std::optional<long long> &v) { return v && *v >= 16 && *v < 4096; };
    if (!inRange(width) || !inRange(height))
        return false;
    PlaybackState &s = m_state;
    s.VideoWidth = int(*width);
    s.VideoHeight = int(*height);
    s.VideoAspect = float(s.VideoWidth) / float(s.VideoHeight);
    m_settings.LastSession.WinRatio = s.VideoAspect;
    if (s.FirstOpen && m_settings.Options.ResizeOnOpen)
        m_host.Video.SetSizeMode(0, true);
    else
        m_host.Video.ApplyWindowSize();
    m_host.Video.LayoutVideo();
    m_host.Video.RevealVideo();
    return true;
}

bool EngineCore::OnNoVideo(View)
{
    m_state.HasVideo = false;
    return true;
}

bool EngineCore::OnStartPlayback(View)
{
    if (std::exchange(m_output.Started, true))
        return true; // once a run: a second one is text that only looks like it
    PlaybackState &s = m_state;
    s.PositionProp.CanSend = [this] { return SeekRule(); };
    SetStatus(PlaybackStatus::Playing);
    if (s.Paused) {
        // Paused before a relaunch: pause the new run too.
        s.Paused = false;
        SetPause(true);
    }
    s.SubtitleTrackProp.ApplyValue(true, s.SubtitleTrackProp.Value);
    s.SubtitleTrackProp.SendNow();
    s.SubtitleTrackProp.NotifyChange();
    s.AudioTrackProp.ApplyValue(true, s.AudioTrackProp.Value);
    s.AudioTrackProp.NotifyChange();
    if (s.PositionProp.Value > 0)
        s.PositionProp.SendIfAllowed();
    SendCommand("seek");
    m_host.Display.MediaOpened();
    return true;
}

bool EngineCore::OnAudioDecoder(View line)
{
    const View kind = line.sliced(8, 4);
    if (kind == "vide")
        return true;
    if (kind != "audi" || line.indexOf("] ", 24) < 0)
        return false;
    m_state.VolumeProp.SendNow();
    if (Mute() || m_state.Paused) {
        SendCommand("mute 0");
        SendCommand("mute 1");
    }
    return true;
}

bool EngineCore::OnSubtitleAdded(View line)
{
    TMPProperty &sub = m_state.SubtitleTrackProp;
    // Only as many as the engine was given files.
    if ((!m_state.FirstOpen && !(sub.Value > sub.Max)) ||
        m_output.SubtitleFilesAdded >= m_output.SubtitleFilesGiven)
        return false;
    const qsizetype colon = line.indexOf(':');
    if (colon < 0)
        return false;
    QString name = Text(line.sliced(colon + 1));
    name = name.mid(name.lastIndexOf(u'/') + 1);
    name = name.mid(name.lastIndexOf(u'\\') + 1).trimmed();
    // The file is numbered after every subtitle listed so far.
    const int n = int(sub.Max) + 1;
    if (!AddSubtitleTrack(n))
        return false;
    ++m_output.SubtitleFilesAdded;
    if (m_subtitleFileBase < 0)
        m_subtitleFileBase = n;
    // Reported before playback has started: a file named before the launch
    // ("-sub"), which the user wants to see.
    if (m_state.Status == PlaybackStatus::Opening)
        sub.Value = float(n);
    m_host.Tracks.NameSubtitleTrack(n, name);
    if (float(n) == sub.Value) {
        sub.SendNow();
        sub.NotifyChange();
    }
    return true;
}

float EngineCore::EngineSubtitleNumber(float number) const
{
    // The menu lists the media's own subtitle streams first and the files
    // after them; the engine numbers the files first (whether given with
    // "-sub" or loaded later) and the streams after them.
    if (number < 0 || m_subtitleFileBase < 0)
        return number;
    const float base = float(m_subtitleFileBase);
    const float files = m_state.SubtitleTrackProp.Max + 1 - base;
    return number >= base ? number - base : number + files;
}

// Tracks are listed in the order found, each id once and at most MaxTracks of
// a kind; the property's range spans the ids. An id that is not the engine's
// (a tag may print one) adds an item the engine refuses, and hides no other.
bool EngineCore::AddAudioTrack(int id)
{
    QList<int> &ids = m_state.AudioTrackIds;
    if (ids.contains(id) || ids.size() >= MaxTracks)
        return false;
    TMPProperty &audio = m_state.AudioTrackProp;
    audio.Min = ids.isEmpty() ? float(id) : qMin(audio.Min, float(id));
    audio.Max = ids.isEmpty() ? float(id) : qMax(audio.Max, float(id));
    ids.append(id);
    m_host.Tracks.AddAudioTrack(id);
    return true;
}

bool EngineCore::AddSubtitleTrack(int number)
{
    QList<int> &ids = m_state.SubtitleTrackIds;
    if (ids.contains(number) || ids.size() >= MaxTracks)
        return false;
    m_state.SubtitleTrackProp.Max = qMax(m_state.SubtitleTrackProp.Max, float(number));
    ids.append(number);
    m_host.Tracks.AddSubtitleTrack(number);
    return true;
}

// ------------------------------------------------------------ DVD title rows

bool EngineCore::OnDvdAudioStream(View line)
{
    const qsizetype q = line.indexOf(" aid:");
    const qsizetype lang = line.indexOf("language");
    if (q < 0 || line.size() < q + 7)
        return false;
    View idText = Trim(line.sliced(q + 5));
    if (idText.endsWith('.'))
        idText.chop(1);
    const auto id = Whole(idText, 0, MaxTrackId);
    if (!id || !AddAudioTrack(*id))
        return false;
    const qsizetype from = lang + 10;
    if (lang >= 0 && from <= q)
        m_host.Tracks.NameAudioTrack(*id, TrackName(line.sliced(from, q - from)));
    return true;
}

bool EngineCore::OnDvdSubtitle(View line)
{
    const qsizetype colon = line.indexOf(':');
    const qsizetype lang = line.indexOf(" language");
    if (colon < 0 || lang < colon + 2)
        return false;
    const auto n = Whole(Trim(line.sliced(colon + 1, lang - colon - 1)), 0, MaxTrackId);
    if (!n)
        return false;
    if (AddSubtitleTrack(*n))
        m_host.Tracks.NameSubtitleTrack(*n, TrackName(line.sliced(qMin(lang + 11, line.size()))));
    return true;
}

// ------------------------------------------------------ identification rows

namespace {
int DriveEntryIndex(TZorviPlaylist &playlist)
{
    for (int i = 0; i < playlist.Count(); ++i)
        if (playlist.Items(i)->Kind == EntryKind::DVD)
            return i;
    return -1;
}
} // namespace

// "ID_DVD_TITLE_<n>_LENGTH=<seconds>": a title of the disc whose run this is.
// Its entry is made from the disc entry that was launched and the title's
// number; nothing else of the line reaches it.
bool EngineCore::OnDvdTitleLength(View line)
{
    if (m_state.OpenMode != EntryKind::DVD)
        return false;
    const qsizetype p = line.indexOf("_LENGTH=");
    const auto title = Whole(line.sliced(13, p - 13), 1, MaxDiscTitles);
    const auto parsed = ParseFloat(Text(line.sliced(p + 8)));
    if (!title || !parsed || m_output.DiscTitles.contains(*title))
        return false;
    m_output.DiscTitles.append(*title);
    const double length = PlausibleSeconds(*parsed);
    TPlItem item;
    item.Kind = EntryKind::DVDTitle;
    item.Path = m_output.DiscPath + QByteArray::number(*title);
    const auto seconds = static_cast<long long>(length);
    item.Title = QStringLiteral("DVD://%1 (").arg(*title) + FormatTime(seconds, length >= 3600) + u')';
    item.Length = float(length);
    const int drive = DriveEntryIndex(m_playlist);
    m_playlist.InsertItem(drive >= 0 ? drive : m_playlist.Count(), item);
    return true;
}

bool EngineCore::OnDvdDiscId(View)
{
    PlaybackState &s = m_state;
    if (s.OpenMode != EntryKind::DVD)
        return false;
    const int drive = DriveEntryIndex(m_playlist);
    if (drive >= 0)
        m_playlist.Delete(drive);
    if (m_playlist.Count() > 0)
        m_playlist.SetCurrent(0);
    if (drive >= 0 && s.OpenMode == EntryKind::DVD && m_playlist.Count() > 0 &&
        m_playlist.Items(0)->Kind == EntryKind::DVDTitle) {
        // The engine goes on with the disc's first title: from here the run
        // plays that title (its streams come from the title lines that follow,
        // and a relaunch replays the title instead of identifying the disc
        // again), but it is still the disc's run, whose end moves on.
        const TPlItem *title = m_playlist.Items(0);
        s.OpenMode = EntryKind::DVDTitle;
        s.DiscRun = true;
        s.MediaURL = title->Path;
        s.DisplayName = title->Title;
        s.PositionProp.Max = title->Length;
    }
    m_host.Display.ShowMediaTitle(s.DisplayName);
    m_host.Display.UpdateDuration();
    emit StateChanged();
    return true;
}

bool EngineCore::OnAudioId(View line)
{
    const auto id = Whole(line.sliced(12), 0, MaxTrackId);
    return id && AddAudioTrack(*id);
}

namespace {
// "ID_AID_<id>_LANG=<name>" (or _NAME): the id, when it is one, and the name.
std::optional<int> NamedTrack(View line, qsizetype head, View &name)
{
    const qsizetype under = line.indexOf('_', head);
    const qsizetype eq = line.indexOf('=');
    if (under < 0 || eq < under)
        return std::nullopt;
    name = line.sliced(eq + 1);
    return Whole(line.sliced(head, under - head), 0, MaxTrackId);
}
} // namespace

bool EngineCore::OnAudioLanguage(View line)
{
    View name;
    const auto id = NamedTrack(line, 7, name);
    if (id && m_state.AudioTrackIds.contains(*id))
        m_host.Tracks.NameAudioTrack(*id, TrackName(name));
    return true;
}

bool EngineCore::OnSubtitleId(View line)
{
    const auto n = Whole(line.sliced(15), 0, MaxTrackId);
    if (!n)
        return false;
    AddSubtitleTrack(*n);
    return true;
}

bool EngineCore::OnSubtitleLanguage(View line)
{
    View name;
    const auto n = NamedTrack(line, 7, name);
    if (n && m_state.SubtitleTrackIds.contains(*n))
        m_host.Tracks.NameSubtitleTrack(*n, TrackName(name));
    return true;
}

bool EngineCore::OnLength(View line)
{
    // The last one counts: the engine's own comes after any a tag may print.
    if (const auto length = ParseFloat(Text(line.sliced(10))))
        m_state.PositionProp.Max = float(std::trunc(PlausibleSeconds(*length)));
    return true;
}

// ------------------------------------------------------------------ status

void EngineCore::SetStatus(PlaybackStatus status)
{
    m_state.Status = status;
    m_host.Display.UpdateStatusDisplay(status);
    emit StateChanged();
}

void EngineCore::FinishSeek()
{
    SetStatus(m_state.Paused ? PlaybackStatus::Paused : PlaybackStatus::Playing);
    if (m_settings.Options.MuteOnPauseSeek && !Mute() && !m_state.Paused)
        SendCommand("mute 0");
    // The position shown is the seek's target until the engine's next line.
    if (m_process)
        m_process->ReadAtOnce();
}

void EngineCore::Tick()
{
    if (m_state.Status == PlaybackStatus::Seeking && Clock::NowMs() > m_queue.SeekEndTime())
        FinishSeek();
}
