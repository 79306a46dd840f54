#include "platform/MprisPlayerAdaptor.h"

#include "platform/MprisService.h"

#include <algorithm>

namespace Platform {

namespace {
constexpr double MicrosecondsPerSecond = 1e6;
} // namespace

MprisPlayerAdaptor::MprisPlayerAdaptor(MprisService *service)
    : QDBusAbstractAdaptor(service), m_service(service)
{
}

QString MprisPlayerAdaptor::playbackStatus() const
{
    return m_service->PlaybackStatus();
}

QVariantMap MprisPlayerAdaptor::metadata() const
{
    return m_service->Metadata();
}

double MprisPlayerAdaptor::volume() const
{
    return m_service->Control().Volume() / 100.0;
}

void MprisPlayerAdaptor::setVolume(double volume)
{
    m_service->Control().SetVolume(std::clamp(volume, 0.0, 1.0) * 100.0);
}

qlonglong MprisPlayerAdaptor::position() const
{
    return qlonglong(m_service->Control().Position() * MicrosecondsPerSecond);
}

bool MprisPlayerAdaptor::canGoNext() const
{
    return m_service->Control().CanGoNext();
}

bool MprisPlayerAdaptor::canGoPrevious() const
{
    return m_service->Control().CanGoPrevious();
}

bool MprisPlayerAdaptor::canSeek() const
{
    return m_service->Control().CanSeek();
}

void MprisPlayerAdaptor::Play()
{
    m_service->Control().Play();
}

void MprisPlayerAdaptor::Pause()
{
    m_service->Control().Pause();
}

void MprisPlayerAdaptor::PlayPause()
{
    m_service->Control().PlayPause();
}

void MprisPlayerAdaptor::Stop()
{
    m_service->Control().Stop();
}

void MprisPlayerAdaptor::Next()
{
    m_service->Control().Next();
}

void MprisPlayerAdaptor::Previous()
{
    m_service->Control().Previous();
}

void MprisPlayerAdaptor::Seek(qlonglong offset)
{
    MediaPlayerControl &control = m_service->Control();
    if (!control.CanSeek())
        return;
    control.SeekBy(double(offset) / MicrosecondsPerSecond);
    emit Seeked(position());
}

void MprisPlayerAdaptor::SetPosition(const QDBusObjectPath &trackId, qlonglong position)
{
    MediaPlayerControl &control = m_service->Control();
    // A stale track id or a position outside the media is ignored.
    const double seconds = double(position) / MicrosecondsPerSecond;
    if (!control.CanSeek() || trackId != m_service->TrackId() || seconds < 0 || seconds > control.Length())
        return;
    control.SeekTo(seconds);
    emit Seeked(this->position());
}

void MprisPlayerAdaptor::OpenUri(const QString &uri)
{
    const QString refusal = m_service->Control().OpenUri(uri);
    if (!refusal.isEmpty())
        m_service->RefuseCall(refusal);
}

} // namespace Platform
