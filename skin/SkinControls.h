#pragma once
// The skin control set of the main window (four panels, the playlist box, 14
// buttons, the seek and volume bars, four labels), the extra elements a skin
// adds, the list of available skins with its Skins menu, and the skin load
// that configures all of them from one skin.
#include "controls/ZorviControl.h"
#include "controls/ZorviTrackbar.h"
#include "graphics/Colors.h"
#include "skin/SkinList.h"

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>
#include <vector>

class QAction;
class QActionGroup;
class QMenu;
class TSelectList;
class TZorviButton;
class TZorviLabel;
class TZorviListBox;
class TZorviPanel;

// Values of a skin's General section that the main window uses.
struct SkinParams {
    int Borders = 4;    // frame around the video in the auto-hide layout
    int MinWidth = 205; // smallest window width
    int RoundRect = 0;  // corner ellipse of the window outline; 0 = square
    ColorRef TransparentColor = clFuchsia;
    // The text the empty video area shows: whether it says how to begin, and
    // its colours (headings, the rest).
    bool VideoHint = true;
    ColorRef VideoHeadColor = clWhite;
    ColorRef VideoTextColor = clSilver;
};

// The main window's handlers the skin controls call. Each may be left empty
// and may be set at any time.
struct SkinHandlers {
    NotifyEvent ButtonsClick;     // every skin button, fixed and extra
    MouseEvent TitleBarMouseDown; // a press on one of the four panels
    TTrackEvent SeekTracking;
    MouseEvent SeekBarMouseMove;
    NotifyEvent SeekBarMouseLeave; // SeekBar and LTime
    TTrackEvent VolTracking;
    NotifyEvent PlaylistBoxDblClick;
    // The main window's steps after a skin change chosen in the Skins menu
    // (refit in full screen, layout, redraw).
    std::function<void()> SkinChanged;
};

class SkinControls : public QObject {
    Q_OBJECT
public:
    static constexpr int ButtonCount = 14;
    static const char *const PanelNames[4];
    static const char *const ButtonNames[ButtonCount];
    static const char *const TrackbarNames[2];
    static const char *const LabelNames[4];

    // The controls are made on host (the main window) by CreateSkinControls.
    explicit SkinControls(QWidget *host);
    ~SkinControls() override;

    // Creates the skin control set with its creation-time settings, lists the
    // skins of the given folders and builds the Skins menu. The playlist box
    // shows `playlist`; the panels pop up `mainPopup`, the box `plPopup`.
    void CreateSkinControls(TSelectList *playlist, const QStringList &skinFolders, QMenu *mainPopup = nullptr,
                            QMenu *plPopup = nullptr);
    // Frees the extra elements, the skin control set, the list and the menu.
    void FreeSkinControls();

    // Loads the skin at that place of the skin list. Faults inside a section
    // are reported and skipped; anything else (an archive that cannot be read,
    // no skin.ini in an archive, a colour that is no colour) throws ZError:
    // the steps done stay done and the current skin name is kept.
    void LoadSkin(int index);
    // The same for a skin that need not be in the list (the skin checker);
    // `index` gives a built-in skin its resource id (index + 1).
    void LoadSkinEntry(const SkinEntry &entry, int index);
    // Start-up: clicks the Skins menu item of SkinName (letter case aside),
    // else the first one.
    void SelectStartupSkin();
    // A Skins menu item was clicked: load its skin, then SkinChanged. A
    // failure is reported and the item of the skin in use is checked again.
    void MSkinsClick(QAction *item);

    SkinHandlers Handlers;
    // The Skin setting: set it before the start-up choice; every successful
    // load stores the loaded skin's name here.
    QString SkinName;
    SkinParams Params;

    TZorviPanel *TopPanel = nullptr, *BottomPanel = nullptr, *LeftPanel = nullptr, *RightPanel = nullptr;
    TZorviListBox *Playlist = nullptr;
    TZorviButton *BPlay = nullptr, *BPlayPause = nullptr, *BPause = nullptr, *BStop = nullptr,
                 *BNext = nullptr, *BPrev = nullptr, *BMute = nullptr, *BSeekB = nullptr, *BSeekF = nullptr,
                 *BPlaylist = nullptr, *BStatus = nullptr, *BMainQuit = nullptr, *BFullscreen = nullptr,
                 *BMinimize = nullptr;
    TZorviTrackbar *SeekBar = nullptr, *VolBar = nullptr;
    TZorviLabel *LTime = nullptr, *LMediaURL = nullptr, *LPlaylist = nullptr, *LStatus = nullptr;

    // The fixed controls in the order their sections are loaded.
    const std::array<TZorviPanel *, 4> &Panels() const { return m_panels; }
    const std::array<TZorviButton *, ButtonCount> &Buttons() const { return m_buttons; }
    const std::array<TZorviTrackbar *, 2> &Trackbars() const { return m_trackbars; }
    const std::array<TZorviLabel *, 4> &Labels() const { return m_labels; }
    // Controls made from the skin's other sections, in creation order.
    std::vector<TZorviControl *> ExtraElements() const;

    QWidget *Host() const { return m_host; }
    const SkinList &Skins() const { return m_skinList; }
    // The Skins menu: one radio item per skin, data = its index in the list.
    QMenu *MSkins() const { return m_menu.get(); }
    QActionGroup *SkinGroup() const { return m_group; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FreeExtraElements();
    void BuildSkinsMenu();
    void CheckMenuItem(int index);

    QPointer<QWidget> m_host;
    std::array<TZorviPanel *, 4> m_panels{};
    std::array<TZorviButton *, ButtonCount> m_buttons{};
    std::array<TZorviTrackbar *, 2> m_trackbars{};
    std::array<TZorviLabel *, 4> m_labels{};
    std::vector<QPointer<TZorviControl>> m_extras;
    std::vector<QPointer<QWidget>> m_created; // every fixed control, in creation order
    QPointer<QMenu> m_mainPopup, m_plPopup;

    SkinList m_skinList;
    std::unique_ptr<QMenu> m_menu;
    QActionGroup *m_group = nullptr;
    int m_loadedIndex = -1; // the menu item of the skin in use
};
