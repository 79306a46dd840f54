#pragma once
// The main window as far as start-up needs it: identity "Zorvi.Main", title
// "Zorvi", the log window, the video area and its native panel for the
// engine, and the orderly close that saves the session. Later the skinned
// layout, input and menus grow around it.
#include "engine/EngineHost.h"

#include <QList>
#include <QWidget>
#include <functional>

class TLogForm;
class PlaylistStrip;
class SettingsStore;
class TZorviPlaylist;
class EngineCore;
class QTimer;
class WindowPointer;
struct SettingsData;

// The program-wide objects main() creates and hands to the window.
struct ProgramParts {
    SettingsData *Settings = nullptr;
    SettingsStore *Store = nullptr;
    TZorviPlaylist *Playlist = nullptr;
    bool *TranslatorMode = nullptr;
    // Takes one command-line argument ("-v", "-translator" or a media name);
    // may throw ZError, which is reported and does not stop the start.
    std::function<void(const QString &argument)> TakeArgument;
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
    const QString &ProgramDir() const { return m_programDir; }

    QWidget *OuterPanel;
    QWidget *InnerPanel;
    // Moving and sizing by the mouse, the pointer over the video (MainFormPointer.cpp).
    WindowPointer *Pointer() const { return m_pointer; }

    // Call points the engine link fills in: play an entry (an index outside the
    // playlist means its first entry), and stop the engine before the program ends.
    std::function<void(int index)> PlayEntry;
    std::function<void()> StopEngine;

    // Connects the engine link: call points, console commands, keys and the
    // 100 ms timer that ends the Seeking state (MainFormEngine.cpp).
    void AttachEngine(EngineCore *engine);

    // Window commands (MainFormCommands.cpp), also registered as named commands.
    void ShowPopupMenu();
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
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void applyBounds();
    void storeBounds();
    void layoutPanels();
    void notAvailable(const char *what);
    void registerWindowCommands(EngineCore *engine);
    void attachPointer();

    ProgramParts m_program;
    TLogForm *m_log;
    PlaylistStrip *m_playlistStrip = nullptr;
    QString m_programDir;
    bool m_closed = false;
    WindowPointer *m_pointer = nullptr;

    EngineCore *m_engine = nullptr;
    QTimer *m_engineTimer = nullptr;
    std::uint32_t m_colorKey = 0; // 0xRRGGBB of the video panel
    QString m_statusLine;         // the engine's latest status line
    bool m_videoShown = false;
    // Track "menus" until the skinned menus exist: the track ids in menu
    // order; the fixed items (mute; disable, separator, load) come after them.
    QList<int> m_audioTracks;
    QList<int> m_subtitleTracks;
};
