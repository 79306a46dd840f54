#pragma once
// The desktop's media controls on top of the engine link: every action is one
// of the named commands, and every reading comes from the link's playback
// state. This is the only file that reads that state for the bus service.
#include "platform/MediaPlayerControl.h"

#include <functional>

class EngineCore;
class TZorviPlaylist;

class EnginePlayerControl : public Platform::MediaPlayerControl {
public:
    EnginePlayerControl(EngineCore &engine, TZorviPlaylist &playlist, std::function<void()> raise);

    void Play() override;
    void Pause() override;
    void PlayPause() override;
    void Stop() override;
    void Next() override;
    void Previous() override;
    void SeekBy(double seconds) override;
    void SeekTo(double seconds) override;
    void SetVolume(double percent) override;
    QString OpenUri(const QString &uri) override;
    void Raise() override;
    void Quit() override;

    Platform::PlayerState State() const override;
    QString Title() const override;
    QString Artist() const override;
    QString Album() const override;
    QString Url() const override;
    double Length() const override;
    double Position() const override;
    double Volume() const override;
    bool CanSeek() const override;
    bool CanGoNext() const override;
    bool CanGoPrevious() const override;
    // Playing media without a picture (known once playback has started).
    bool PlaysSoundOnly() const;

private:
    EngineCore &m_engine;
    TZorviPlaylist &m_playlist;
    std::function<void()> m_raise;
};
