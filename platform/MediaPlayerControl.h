#pragma once
// What the desktop's media controls may ask of the player and read from it.
// The bus service speaks only to this, so it knows nothing of the engine link.
#include <QString>

namespace Platform {

enum class PlayerState { Stopped, Playing, Paused };

class MediaPlayerControl {
public:
    virtual ~MediaPlayerControl() = default;

    virtual void Play() = 0;
    // Pauses when playing; otherwise does nothing.
    virtual void Pause() = 0;
    virtual void PlayPause() = 0;
    virtual void Stop() = 0;
    virtual void Next() = 0;
    virtual void Previous() = 0;
    virtual void SeekBy(double seconds) = 0;
    virtual void SeekTo(double seconds) = 0;
    // 0 to 100, as the volume bar shows it.
    virtual void SetVolume(double percent) = 0;
    // Adds the file or URL to the playlist and plays it; empty when taken,
    // otherwise the reason it was not.
    virtual QString OpenUri(const QString &uri) = 0;
    virtual void Raise() = 0;
    virtual void Quit() = 0;

    virtual PlayerState State() const = 0;
    // The media's title tag, else its name; its artist and album tags, empty when none.
    virtual QString Title() const = 0;
    virtual QString Artist() const = 0;
    virtual QString Album() const = 0;
    // The media's URL (local files as file: URLs); empty when nothing is loaded.
    virtual QString Url() const = 0;
    // Seconds; 0 when unknown.
    virtual double Length() const = 0;
    virtual double Position() const = 0;
    virtual double Volume() const = 0;
    virtual bool CanSeek() const = 0;
    virtual bool CanGoNext() const = 0;
    virtual bool CanGoPrevious() const = 0;
};

} // namespace Platform
