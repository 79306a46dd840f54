#pragma once
// The audio and subtitle menus as lists of tracks. The engine link adds and
// names tracks in the order it finds them; where they go among the window's
// own items (mute; disable, load) is the window's business.
#include <QString>

// Menus whose radio items the engine link ticks.
enum class TrackMenu { Audio, Subtitle, Aspect };
// Checkable menu items the playback controls tick.
enum class MenuToggle { PostProc, FrameDrop };

class TrackMenus {
public:
    virtual ~TrackMenus() = default;
    // Empties both track lists.
    virtual void ClearTracks() = 0;
    virtual void AddAudioTrack(int id) = 0;
    // Names the last audio track added with that id.
    virtual void NameAudioTrack(int id, const QString &name) = 0;
    virtual void AddSubtitleTrack(int number) = 0;
    // Names the last subtitle track added with that number.
    virtual void NameSubtitleTrack(int number, const QString &name) = 0;
    // Ticks the item whose value is `value`, or the "none" item.
    virtual void TickMenuValue(TrackMenu menu, int value) = 0;
    virtual void SetMenuToggle(MenuToggle item, bool checked) = 0;
};
