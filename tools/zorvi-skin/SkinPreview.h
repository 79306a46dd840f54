#pragma once
// A skin applied to the skin control set on a host the size of a window, as
// the program would show it: for zorvi-skin and its tests.
#include "playlist/ZorviPlaylist.h"
#include "skin/SkinList.h"

#include <QImage>
#include <QSize>
#include <QStringList>
#include <memory>
#include <optional>

class QWidget;
class SkinControls;
class TZorviPanel;

// A skin named on the command line; Index is the place of a built-in skin in
// the skin list (its resource id less one), -1 for the others.
struct SkinTarget {
    SkinEntry Entry;
    int Index = -1;
};

// A folder holding skin.ini, an archive file, or the name of a built-in skin
// (letter case aside). Otherwise nullopt, with the reason in `why`.
std::optional<SkinTarget> FindSkin(const QString &arg, QString &why);

class SkinPreview {
public:
    explicit SkinPreview(const QSize &size);
    ~SkinPreview();

    // Loads the skin and returns every message the program would show while
    // doing so, in order; a load that fails outright adds its error last.
    QStringList Load(const SkinTarget &target);
    // Sample title, time, status and playlist; seek bar at a third, volume at
    // three quarters; the playlist box shown when asked.
    void FillSamples(bool showPlaylist);
    // The window as drawn, outside its rounded outline transparent.
    QImage Render();

    QWidget &Host() { return *m_host; }
    SkinControls &Skin() { return *m_skin; }
    TZorviPanel &VideoArea() { return *m_video; }

private:
    std::unique_ptr<QWidget> m_host;
    TZorviPanel *m_video = nullptr;
    TZorviPlaylist m_playlist;
    std::unique_ptr<SkinControls> m_skin;
};
