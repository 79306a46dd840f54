#pragma once
// The main window: a frameless top-level window whose chrome comes from the
// skin, around the native video panel the engine draws into. Split by concern:
// creation and close (MainForm.cpp), the skin host (MainFormSkin.cpp), size
// and layout (MainFormLayout.cpp), display modes (MainFormModes.cpp), the
// playback display (MainFormDisplay.cpp), timers (MainFormTimers.cpp), window
// commands (MainFormCommands.cpp) and the rest of the engine link
// (MainFormEngine.cpp).
#include "engine/EngineHost.h"
#include "mainwindow/WindowChrome.h"

#include <QList>
#include <QWidget>
#include <cstdint>
#include <functional>

class TLogForm;
class SkinControls;
class TZorviPanel;
class TZorviTrackbar;
class OptionsEngine;
struct OptionsFormParts;
class SettingsStore;
class TZorviPlaylist;
class EngineCore;
class QMouseEvent;
class QTimer;
class WindowPointer;
class MainMenus;
class TShortcutList;
class Localization;
struct SettingsData;
struct TZorviLocal;

// The program-wide objects main() creates and hands to the window.
struct ProgramParts {
    SettingsData *Settings = nullptr;
    SettingsStore *Store = nullptr;
    TZorviPlaylist *Playlist = nullptr;
    bool *TranslatorMode = nullptr;
    // Takes one command-line argument ("-v", "-translator" or a media name);
    // may throw ZError, which is reported and does not stop the start.
    std::function<void(const QString &argument)> TakeArgument;
    TShortcutList *Shortcuts = nullptr; // keys and clicks bind nothing without it
    // The language in use; without it the window shows the built-in English.
    Localization *Locale = nullptr;
};

class TMainForm : public QWidget,
                  public PlaybackDisplay,
                  public VideoPanel,
                  public TrackMenus,
                  public EngineLog,
                  public WindowRequests {
    Q_OBJECT
public:
    // Creates the log window, takes the arguments, then loads the settings.
    TMainForm(const ProgramParts &program, const QStringList &arguments, QWidget *parent = nullptr);
    ~TMainForm() override;

    // The last step of creation, once the window is shown: PlayEntry(0).
    void Start();

    // True from the moment the window starts closing: hand-overs are declined then.
    bool IsClosing() const { return m_closed; }
    // Restores, shows and raises the window (a hand-over from a second start).
    void BringToFront();
    // The log window follows the verbose setting.
    void ApplyVerbose();

    TLogForm *Log() const { return m_log; }
    // The localization main() made (null in tests that give none), and the UI
    // texts in use (English without one) (MainFormLanguage.cpp).
    Localization *Locale() const { return m_program.Locale; }
    const TZorviLocal &Texts() const;
    const QString &ProgramDir() const { return m_programDir; }

    // The video area (black, filling what the skin panels leave) and, inside
    // it, the only native child window: the engine's -wid target, whose window
    // id never changes while the window lives.
    TZorviPanel *OuterPanel;
    QWidget *InnerPanel;
    // Moving and sizing by the mouse, the pointer over the video (MainFormPointer.cpp).
    WindowPointer *Pointer() const { return m_pointer; }

    // --- skin host (MainFormSkin.cpp)
    SkinControls *Skin() const { return m_skin; }
    // The border panels' sizes of the skin in use (0 for a hidden one).
    PanelSizes SkinPanelSizes() const;

    // --- window state
    bool Fullscreen = false;
    QRect SavedBounds; // windowed bounds kept while in full screen
    bool AutoHideActive = false;
    bool ControlsShown = true;
    QSize RegionSize; // size the shape was last built for
    // Deadlines on Clock::NowMs() the 100 ms timer acts on; the pointer
    // handling moves them on.
    std::uint64_t CursorHideTime = 0;
    std::uint64_t ControlsHideTime = 0;
    bool SeekHover = false; // LTime shows the time under the pointer, not the position

    // --- size and layout (MainFormLayout.cpp); also the hooks of the
    // pointer's move and resize loops.
    // The work area of the screen holding the window, and that screen's bounds.
    QRect WorkArea() const;
    QRect ScreenBounds() const;
    // What surrounds the video now (Compact: 2 x Borders each way).
    WindowChrome Chrome() const;
    // Puts the window at `bounds` (a rectangle the sizing or moving rules chose).
    void SetWindowBounds(const QRect &bounds);
    // The normal-state rectangle, also while minimised or maximised.
    QRect GetRestoreBounds() const;

    // --- display modes (MainFormModes.cpp)
    bool IsFullscreen() const { return Fullscreen; }
    void SetAutoHide(bool on);
    void SetCompact(bool on);
    void ShowControls(bool show);
    // Builds the window's outline for that size (square in full screen).
    void UpdateRegion(const QSize &size);

    // --- timers (MainFormTimers.cpp)
    // Wakes the 100 ms timer after a deadline moved; it stops itself when idle.
    void KickTimer();
    void SetVideoCursorHidden(bool hidden);

    // Call points the engine link fills in: play an entry (an index outside the
    // playlist means its first entry), and stop the engine before the program ends.
    std::function<void(int index)> PlayEntry;
    std::function<void()> StopEngine;

    // Connects the engine link: call points, console commands, keys and the
    // 100 ms timer that ends the Seeking state (MainFormEngine.cpp).
    void AttachEngine(EngineCore *engine);

    // --- menus (MainFormMenus.cpp) and opening media (MainFormOpen.cpp)
    MainMenus *Menus() const;
    // MainPopup at the pointer (the "popup" command).
    void ShowPopupMenu();
    // The open dialog: replace clears the playlist and plays the first name,
    // otherwise the names are appended.
    void OpenFiles(bool replace);
    void OpenUrl();
    // Clears the playlist and plays a DVD entry for the device.
    void OpenDrive(const QString &device);
    void LoadSubtitles();
    // A drop at a point of the window (MainFormDrop.cpp).
    void DropNames(const QStringList &names, const QPoint &at);
    // Runs the command bound to a shortcut code (MainFormInput.cpp); false when none is.
    bool RunShortcut(std::uint32_t code);

    // Window commands (MainFormCommands.cpp), also registered as named commands.
    void SetFullscreen(bool on);
    void ToggleControls();
    bool IsOnTop() const;
    void SetOnTop(bool on);
    void Minimize() { showMinimized(); }
    void Quit() { close(); }
    void SetCenter(bool center, bool apply);
    bool IsPlaylistVisible() const;
    void ShowPlaylist(bool show);
    void ShowOptions();
    void ShowLog();
    void SaveLanguage(const QString &fileName);
    void SetTranslatorMode(bool on);

    // The engine link's host parts (MainFormEngine.cpp).
    void SetPlayingButtons(bool playing) override;
    void PrepareMediaDisplay(bool firstOpen, EntryKind openMode, const QString &displayName) override;
    void MediaOpened() override;
    void UpdateStatusDisplay(PlaybackStatus status) override;
    void UpdateMuteDisplay(bool mute) override;
    void UpdatePosition(float seconds) override;
    void UpdateVolume(float volume) override;
    void UpdateDuration() override;
    void ShowMediaTitle(const QString &title) override;
    void HideVideo() override;
    void LayoutVideo() override;
    void RevealVideo() override;
    void ApplyWindowSize() override;
    void SetSizeMode(int mode, bool absolute) override;
    std::uint64_t VideoWindowId() override;
    std::uint32_t VideoColorKey() override { return m_colorKey; }
    void ClearTracks() override;
    void AddAudioTrack(int id) override;
    void NameAudioTrack(int id, const QString &name) override;
    void AddSubtitleTrack(int number) override;
    void NameSubtitleTrack(int number, const QString &name) override;
    void TickMenuValue(TrackMenu menu, int value) override;
    void SetMenuToggle(MenuToggle item, bool checked) override;
    void ClearLog() override;
    void AddLine(const QString &text) override;
    void SetStatusLine(const QString &text) override;
    QString StatusLine() override;
    void CenterItem(int index) override;
    bool IsPlaylistDragging() override { return false; }
    KillAnswer AskKillPreviousEngine(const QString &title, const QString &text) override;

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void applyBounds();
    void storeBounds();
    void notAvailable(const char *what);
    void registerWindowCommands(EngineCore *engine);
    // MainFormOptions.cpp: the options dialog's parts, and its texts for "savelocal".
    OptionsFormParts optionsParts(OptionsEngine *engine) const;
    // MainFormSkin.cpp
    void createVideoArea();
    void createSkin();
    void skinChanged();
    void buttonClicked(QObject *sender);
    void trackbarMoved(TZorviTrackbar *bar, int position);
    // MainFormMenus.cpp, MainFormOpen.cpp
    void createMenus();
    void attachMenusToSkin();
    void refreshMenuTicks();
    void chooseTrack(TrackMenu menu, int value);
    QStringList chooseFiles(int filter, const QString &folder);
    // MainFormTimers.cpp
    void createTimers();
    void timerTick();
    void keepAwakeTick();
    // MainFormDisplay.cpp: shows the engine's state on the controls again.
    void refreshDisplay();
    // LPlaylist names what the list shows, in the language in use.
    void updateListTitle();
    // MainFormLanguage.cpp: hooks the localization to the menus and labels,
    // then loads the chosen language.
    void initLanguage();
    void freeLanguage();
    void applyMenuTexts(const Localization &locale);
    QStringList menuLines() const;
    // MainFormModes.cpp
    void applyOnTop();
    // OuterPanel docked, or anchored over the client area in the auto-hide layout.
    void placeVideoArea();
    // Lets the shown skin panels through the video panel in the auto-hide layout.
    void updateVideoMask();
    // MainFormPointer.cpp
    void attachPointer();
    void panelPressed(const QMouseEvent *event);
    // MainFormInput.cpp: the input hook, after the pointer handling it feeds.
    void attachInput();

    ProgramParts m_program;
    TLogForm *m_log;
    SkinControls *m_skin = nullptr;
    QString m_programDir;
    bool m_closed = false;
    WindowPointer *m_pointer = nullptr;

    EngineCore *m_engine = nullptr;
    QTimer *m_timer = nullptr;    // Timer: 100 ms, runs while there is something to do
    QTimer *m_timer30s = nullptr; // Timer30s: keeps the display awake during playback
    bool m_cursorHidden = false;
    bool m_positionBound = false; // the seek display follows the position
    bool m_showHours = true;
    QString m_durationSuffix = QStringLiteral(" / 0:00:00");
    quint64 m_revealRun = 0;      // counts runs, so a late reveal of an ended one does nothing
    std::uint32_t m_colorKey = 0; // 0xRRGGBB of the video panel
    QString m_statusLine;         // the engine's latest status line
    bool m_wmFullscreen = false;  // full screen through the window manager's state
    MainMenus *m_menus = nullptr;
    bool m_listShowsTitles = false; // the list holds a DVD's titles
    QString m_skinsTitle;           // the Skins menu's caption, set when it is attached
};
