#pragma once
// The main window: a frameless top-level window whose chrome comes from the
// skin, around the native video panel the engine draws into. Split by concern:
// creation and close (MainForm.cpp), the skin host (MainFormSkin.cpp), size
// and layout (MainFormLayout.cpp), display modes (MainFormModes.cpp), the
// playback display (MainFormDisplay.cpp), timers (MainFormTimers.cpp), window
// commands (MainFormCommands.cpp) and the rest of the engine link
// (MainFormEngine.cpp). The engine link reaches it only through the host
// parts it was made with; the window reaches the link only through WindowEngine.
#include "engine/EngineHost.h"
#include "mainwindow/WindowChrome.h"
#include "playlist/PlaylistFile.h"

#include <QList>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class TLogForm;
class KeysWindow;
class SkinControls;
class TZorviPanel;
class VideoAreaPanel;
struct VideoAreaInputs;
class TZorviTrackbar;
class OptionsEngine;
struct OptionsFormParts;
class SettingsStore;
class TZorviPlaylist;
class QMouseEvent;
class QTimer;
class WindowPointer;
class WindowEngine;
class MainMenus;
class TShortcutList;
class Localization;
struct SettingsData;
struct TZorviLocal;

// The program-wide objects main() creates and hands to the window; each outlives it.
struct ProgramParts {
    SettingsData &Settings;
    SettingsStore &Store;
    TZorviPlaylist &Playlist;
    TShortcutList &Shortcuts;
    Localization &Locale;
    // Takes one command-line argument ("-v", "-translator" or a media name);
    // may throw ZError, which is reported and does not stop the start.
    std::function<void(const QString &argument)> TakeArgument;
    // Makes the engine link on the window's host parts, once, before the
    // arguments are taken; the window owns it and ends it first.
    std::function<std::unique_ptr<WindowEngine>(const EngineHost &host)> MakeEngine;
};

class TMainForm : public QWidget,
                  private PlaybackDisplay,
                  private VideoPanel,
                  private TrackMenus,
                  private EngineLog,
                  private WindowRequests {
    Q_OBJECT
public:
    // Creates the log window and the engine link, takes the arguments, then
    // loads the settings, the language and the skin.
    TMainForm(const ProgramParts &program, const QStringList &arguments, QWidget *parent = nullptr);
    ~TMainForm() override;

    // The last step of creation, once the window is shown: PlayEntry(0).
    void Start();
    // The engine link plays that entry (outside the playlist: its first).
    void PlayEntry(int index);
    // True from the moment the window starts closing: hand-overs are declined then.
    bool IsClosing() const { return m_closed; }
    // Un-minimises (keeping full screen or maximised), shows and raises the window.
    void BringToFront();
    // The log window follows the verbose setting.
    void ApplyVerbose();
    TLogForm *Log() const { return m_log; }

    // Writes the playlist as a playlist file in the format of the name's
    // extension (M3U8 for an unknown one); false, reported, when it cannot.
    bool SavePlaylistAs(const QString &path);

    // The parts the window is made of, for the pointer handling and for tests.
    SkinControls *Skin() const { return m_skin; }
    MainMenus *Menus() const { return m_menus; }
    WindowPointer *Pointer() const { return m_pointer; }
    // The video area (black, filling what the skin panels leave) and, inside
    // it, the only native child window: the engine's -wid target, whose window
    // id never changes while the window lives.
    TZorviPanel *OuterPanel() const { return m_outerPanel; }
    QWidget *InnerPanel() const { return m_innerPanel; }

    // --- size and layout (MainFormLayout.cpp)
    // The border panels' sizes of the skin in use (0 for a hidden one).
    PanelSizes SkinPanelSizes() const;
    // The work area of the screen holding the window, and that screen's bounds.
    QRect WorkArea() const;
    QRect ScreenBounds() const;
    // What surrounds the video now (Compact: 2 x Borders each way).
    WindowChrome Chrome() const;
    // Puts the window at `bounds` (a rectangle the sizing or moving rules chose).
    void SetWindowBounds(const QRect &bounds);
    // The normal-state rectangle, also while minimised, maximised or in full screen.
    QRect GetRestoreBounds() const;

    // --- display modes (MainFormModes.cpp)
    bool IsFullscreen() const { return m_fullscreen; }
    void SetFullscreen(bool on);
    bool IsAutoHideActive() const { return m_autoHideActive; }
    bool AreControlsShown() const { return m_controlsShown; }
    void ShowControls(bool show);
    bool IsPlaylistVisible() const;
    void ShowPlaylist(bool show);

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // The engine link's host parts (MainFormEngine.cpp, MainFormDisplay.cpp,
    // MainFormLayout.cpp, MainFormMenus.cpp).
    void SetPlayingButtons(bool playing) override;
    void PrepareMediaDisplay(bool firstOpen, EntryKind openMode, const QString &displayName) override;
    void MediaOpened() override;
    void UpdateStatusDisplay(PlaybackStatus status) override;
    void UpdateMuteDisplay(bool mute) override;
    void UpdatePosition(float seconds) override;
    void UpdateVolume(float volume) override;
    void UpdateDuration() override;
    void ShowMediaTitle(const QString &title) override;
    void UpdateMediaNotes() override;
    void ShowNote(EngineNote note, const QString &detail) override;
    void HideVideo() override;
    void PrepareVideo() override;
    void WithdrawVideo() override;
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
    bool IsPlaylistDragging() override;
    KillAnswer AskKillPreviousEngine(const QString &title, const QString &text) override;

    void applyBounds();
    void storeBounds();
    // MainFormCommands.cpp: the window's named commands and what they run.
    void registerWindowCommands();
    void toggleControls();
    bool isOnTop() const;
    void setOnTop(bool on);
    void setCenter(bool center, bool apply);
    void showLog();
    void saveLanguage(const QString &fileName);
    // The keys window, made on first use; its rows follow the bindings and the language.
    void showKeys();
    void fillKeys();
    // Skin buttons that run a named command show its text and key as their tooltip.
    void updateButtonTips();
    // MainFormOptions.cpp: the options dialog, its parts, and its texts for "savelocal".
    void showOptions();
    OptionsFormParts optionsParts(OptionsEngine *engine) const;
    // MainFormSkin.cpp
    void createVideoArea();
    void createSkin();
    void skinChanged();
    void buttonClicked(QObject *sender);
    void trackbarMoved(TZorviTrackbar *bar, int position);
    // MainFormDisplay.cpp: LTime shows the time under the pointer over the seek bar.
    void seekBarHover(const QMouseEvent &event);
    void seekBarLeft();
    // Shows the engine's state on the controls again.
    void refreshDisplay();
    // LPlaylist names what the list shows, in the language in use.
    void updateListTitle();
    // What the video area says while it shows no picture (MainFormDisplay.cpp).
    VideoAreaInputs videoAreaInputs() const;
    void refreshVideoArea();
    // MainFormMenus.cpp, MainFormOpen.cpp, MainFormDrop.cpp
    void createMenus();
    void attachMenusToSkin();
    void refreshMenuTicks();
    void showPopupMenu();
    QStringList chooseFiles(int filter, const QString &folder);
    // The open dialog: replace clears the playlist and plays the first name,
    // otherwise the names are appended.
    void openFiles(bool replace);
    // The folder chooser: the folder's entries replace the list and the first
    // plays, unless the folder gave none.
    void openFolder();
    void openUrl();
    // Clears the playlist and plays a DVD entry for the device.
    void openDrive(const QString &device);
    void loadSubtitles();
    void dropNames(const QStringList &names, const QPoint &at);
    // MainFormRemember.cpp: the Recent and Speed menus, the screenshot item,
    // and the status label's text (a note while one is shown).
    void connectRememberMenus();
    void fillRecentMenu();
    QString statusText(PlaybackStatus status) const;
    // MainFormPlaylist.cpp: repeat, shuffle, saving and a playlist file's problems.
    void createPlaylistMenus();
    void applyPlaylistSettings();
    void setRepeat(int mode);
    void setShuffle(bool on);
    void savePlaylist();
    void reportPlaylistProblems(const QString &file, const QList<PlaylistRead::Note> &problems);
    void reportPendingPlaylistProblems();
    // MainFormTimers.cpp: the 100 ms timer wakes after a deadline moved and
    // stops itself when idle.
    void createTimers();
    void kickTimer();
    void timerTick();
    void keepAwakeTick();
    void setVideoCursorHidden(bool hidden);
    // MainFormLanguage.cpp: hooks the localization to the menus and labels,
    // then loads the chosen language.
    const TZorviLocal &texts() const;
    void initLanguage();
    void freeLanguage();
    void applyMenuTexts(const Localization &locale);
    QStringList menuLines() const;
    // MainFormModes.cpp
    void setAutoHide(bool on);
    void setCompact(bool on);
    // Builds the window's outline for that size (square in full screen).
    void updateRegion(const QSize &size);
    void applyOnTop();
    // OuterPanel docked, or anchored over the client area in the auto-hide layout.
    void placeVideoArea();
    // Lets the shown skin panels through the video panel in the auto-hide layout.
    void updateVideoMask();
    // MainFormPointer.cpp
    void attachPointer();
    void panelPressed(const QMouseEvent *event);
    // MainFormInput.cpp: the input hook, after the pointer handling it feeds;
    // runs the command bound to a shortcut code, false when none is.
    void attachInput();
    bool runShortcut(std::uint32_t code);

    ProgramParts m_program;
    TLogForm *m_log;
    KeysWindow *m_keys = nullptr;
    QString m_programDir;
    std::unique_ptr<WindowEngine> m_engine;
    SkinControls *m_skin = nullptr;
    MainMenus *m_menus = nullptr;
    WindowPointer *m_pointer = nullptr;
    TZorviPanel *m_outerPanel = nullptr;
    VideoAreaPanel *m_videoArea = nullptr; // the same panel as m_outerPanel
    QWidget *m_innerPanel = nullptr;
    bool m_closed = false;

    // --- window state
    bool m_fullscreen = false;
    QRect m_savedBounds;                   // windowed bounds kept while in full screen
    bool m_wmFullscreen = false;           // full screen through the window manager's state
    std::optional<QRect> m_pendingRestore; // bounds chosen while minimised or maximised
    bool m_autoHideActive = false;
    bool m_controlsShown = true;
    QSize m_regionSize; // size the outline was last built for

    // Deadlines on Clock::NowMs() the 100 ms timer acts on; the pointer
    // handling moves them on.
    std::uint64_t m_cursorHideTime = 0;
    std::uint64_t m_controlsHideTime = 0;
    QTimer *m_timer = nullptr;    // Timer: 100 ms, runs while there is something to do
    QTimer *m_timer30s = nullptr; // Timer30s: keeps the display awake during playback
    bool m_cursorHidden = false;

    // --- playback display
    bool m_seekHover = false;     // LTime shows the time under the pointer, not the position
    bool m_positionBound = false; // the seek display follows the position
    bool m_showHours = true;
    QString m_durationSuffix = QStringLiteral(" / 0:00:00");
    std::uint32_t m_colorKey = 0; // 0xRRGGBB of the video panel
    QString m_statusLine;         // the engine's latest status line
    QString m_note;               // shown in place of the status until m_noteTimer ends
    QTimer *m_noteTimer = nullptr;
    bool m_listLeftDown = false;    // the left button went down on the playlist box and is still down
    bool m_listShowsTitles = false; // the list holds a DVD's titles
    QString m_skinsTitle;           // the Skins menu's caption, set when it is attached
    bool m_languageReady = false;   // playlist files' problems are reported from then on
    QList<std::pair<QString, QList<PlaylistRead::Note>>> m_pendingPlaylistProblems;
};
