// Screenshots: the engine writes the frame shown into its private working
// folder ("screenshot 0" with the screenshot filter in its chain); the
// picture is moved from there to the user's pictures, named after the media
// and the position.
#include "engine/EngineCore.h"

#include "common/Clock.h"
#include "common/TextHelpers.h"

#include <QTimer>

namespace {
constexpr int kPollMs = 100;
constexpr qint64 kWaitMs = 4000;

// The media's name as a file name: no folder separators or control
// characters, not hidden, not over-long.
QString PictureBase(const QString &media, float seconds, bool hours)
{
    QString name = media.left(80);
    for (QChar &c : name)
        if (c == u'/' || c.unicode() < 0x20 || c.unicode() == 0x7F || c.isSurrogate())
            c = u'_';
    name = name.trimmed();
    while (name.startsWith(u'.'))
        name.remove(0, 1);
    if (name.isEmpty())
        name = QStringLiteral("Zorvi");
    // "-" for ":", which some file systems and desktops refuse.
    return name + u' ' + FormatTime(qint64(seconds), hours).replace(u':', u'-');
}
} // namespace

void EngineCore::SaveScreenshot()
{
    const PlaybackState &s = m_state;
    if (!IsRunning() || !s.HasVideo || s.VideoWidth <= 0 || m_workFolder.Path().isEmpty()) {
        m_host.Display.ShowNote(EngineNote::ScreenshotFailed, QString());
        return;
    }
    const bool waiting = m_shot.UntilMs != 0;
    m_workFolder.DropPictures(); // anything there belongs to no request
    m_shot = {PictureBase(s.DisplayName, s.PositionProp.Value, s.PositionProp.Max >= 3600),
              qint64(Clock::NowMs()) + kWaitMs};
    SendCommand("screenshot 0");
    if (!waiting)
        QTimer::singleShot(kPollMs, this, [this] { CollectScreenshot(); });
}

void EngineCore::CollectScreenshot()
{
    const QStringList pictures = m_workFolder.FinishedPictures();
    if (pictures.isEmpty()) {
        if (qint64(Clock::NowMs()) < m_shot.UntilMs) {
            QTimer::singleShot(kPollMs, this, [this] { CollectScreenshot(); });
            return;
        }
        m_shot = {};
        m_host.Log.AddLine(QStringLiteral("The engine wrote no picture"));
        m_host.Display.ShowNote(EngineNote::ScreenshotFailed, QString());
        return;
    }
    const QString folder = Platform::ScreenshotFolder();
    const QString saved = Platform::MoveToNewName(pictures.last(), folder, m_shot.Base);
    m_shot = {};
    m_workFolder.DropPictures();
    if (saved.isEmpty()) {
        m_host.Log.AddLine(QStringLiteral("The picture could not be saved in ") + folder);
        m_host.Display.ShowNote(EngineNote::ScreenshotFailed, QString());
        return;
    }
    m_host.Log.AddLine(QStringLiteral("Screenshot saved: ") + saved);
    m_host.Display.ShowNote(EngineNote::ScreenshotSaved, saved);
}
