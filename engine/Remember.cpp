// What the engine link remembers between runs: where playback of long media
// stopped (to go on from there next time) and the media opened last.
#include "engine/EngineCore.h"

#include "common/CommandLine.h"
#include "common/FileNames.h"
#include "common/NumberFormat.h"
#include "common/TextHelpers.h"
#include "platform/RecentlyUsed.h"
#include "playlist/ZorviPlaylist.h"
#include "settings/SettingsData.h"
#include "settings/StateList.h"

#include <filesystem>

namespace {
// Playback stopped this close to either end starts from the beginning next time.
constexpr float kResumeMargin = 5;

// The name as it was opened: the file, URL or disc folder or device.
QString OpenedName(EntryKind kind, const QByteArray &path)
{
    const QStringList names = SplitCommandLine(DecodeFileName(path));
    if (kind == EntryKind::DVD)
        return names.size() >= 2 && names.first() == QLatin1String("-dvd-device") ? names.at(1) : QString();
    return names.size() == 1 ? names.first() : QString();
}
} // namespace

QByteArray EngineCore::ResumeKey() const
{
    const PlaybackState &s = m_state;
    if (m_stateFiles.Positions.isEmpty())
        return {};
    switch (s.OpenMode) {
    case EntryKind::File: {
        // By path and size: a file replaced by another of that name starts anew.
        std::error_code ec;
        const auto size = std::filesystem::file_size(NativePath(OpenedName(s.OpenMode, s.MediaURL)), ec);
        return ec ? QByteArray() : "file " + QByteArray::number(qulonglong(size)) + ' ' + s.MediaURL;
    }
    case EntryKind::URL:
        return "url " + s.MediaURL;
    case EntryKind::DVDTitle:
        return "title " + s.MediaURL;
    default:
        return {};
    }
}

void EngineCore::NoteOpened()
{
    const PlaybackState &s = m_state;
    if (s.OpenMode != EntryKind::File && s.OpenMode != EntryKind::URL && s.OpenMode != EntryKind::DVD)
        return;
    const QString name = OpenedName(s.OpenMode, s.MediaURL);
    if (name.isEmpty() || m_stateFiles.Recent.isEmpty())
        return;
    const QByteArray bytes = EncodeFileName(name);
    if (!StateList(m_stateFiles.Recent, StateFiles::MaxRecent)
             .Put(bytes, QByteArray::number(int(s.OpenMode))))
        m_host.Log.AddLine(QStringLiteral("The list of recent media could not be written"));
    if (s.OpenMode == EntryKind::File && m_stateFiles.DesktopRecent &&
        !Platform::AddRecentlyUsed(bytes, QStringLiteral("Zorvi"), QStringLiteral("'zorvi %u'")))
        m_host.Log.AddLine(QStringLiteral("The desktop's list of recent files was left as it was"));
}

void EngineCore::LookUpResume()
{
    m_resumeAt = 0;
    if (!m_settings.Options.Resume)
        return;
    const QByteArray key = ResumeKey();
    if (key.isEmpty())
        return;
    bool ok = false;
    const float at = StateList(m_stateFiles.Positions, StateFiles::MaxPositions).Value(key).toFloat(&ok);
    if (ok && at > kResumeMargin && at < 1e7f)
        m_resumeAt = at;
}

void EngineCore::ApplyResume()
{
    PlaybackState &s = m_state;
    const float at = std::exchange(m_resumeAt, 0.f);
    // The length the engine found decides: a shorter file, or one too short
    // to be resumed now, starts from the beginning.
    const float length = s.PositionProp.Max;
    if (at <= 0 || length < float(qMax(1, m_settings.Options.ResumeMinLength)) ||
        at >= length - kResumeMargin)
        return;
    s.PositionProp.Value = at;
    m_host.Display.ShowNote(EngineNote::Resumed, FormatTime(qint64(at), length >= 3600));
}

void EngineCore::RememberPosition(bool reachedEnd)
{
    const PlaybackState &s = m_state;
    const float at = s.PositionProp.Value;
    const float length = s.PositionProp.Max;
    if (!m_settings.Options.Resume || length < float(qMax(1, m_settings.Options.ResumeMinLength)))
        return;
    const QByteArray key = ResumeKey();
    if (key.isEmpty())
        return;
    StateList positions(m_stateFiles.Positions, StateFiles::MaxPositions);
    bool ok = true;
    if (reachedEnd || at >= length - kResumeMargin || at <= kResumeMargin)
        ok = positions.Remove(key);
    else
        ok = positions.Put(key, FormatG(at).toLatin1());
    if (!ok)
        m_host.Log.AddLine(QStringLiteral("The playback position could not be written to ") +
                           positions.Path());
}

void EngineCore::PlayFromStart()
{
    m_resumeAt = 0;
    m_host.Display.ShowNote(EngineNote::None, QString());
    const QByteArray key = ResumeKey();
    if (!key.isEmpty())
        StateList(m_stateFiles.Positions, StateFiles::MaxPositions).Remove(key);
    if (IsRunning())
        m_state.PositionProp.SetValue(true, 0);
    else
        m_state.PositionProp.ApplyValue(true, 0);
}
