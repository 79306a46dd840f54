#pragma once
// The main window as far as start-up needs it: identity "Zorvi.Main", title
// "Zorvi", the log window, the video area and its native panel for the
// engine, the hand-over receiver, and the orderly close that saves the session.
// Later the skinned layout, input and menus grow around it.
#include "app/Startup.h"

#include <QWidget>
#include <functional>

class TLogForm;
class TPlaylistStrip;
class TSettingsStore;
class TZorviPlaylist;
struct TSettingsData;

// The program-wide objects main() creates and hands to the window.
struct TProgram {
    TSettingsData *Settings = nullptr;
    TSettingsStore *Store = nullptr;
    TZorviPlaylist *Playlist = nullptr;
    bool *TranslatorMode = nullptr;
};

class TMainForm : public QWidget {
    Q_OBJECT
public:
    // Creates the log window, takes the arguments, then loads the settings.
    TMainForm(const TProgram &program, const QStringList &arguments, QWidget *parent = nullptr);
    ~TMainForm() override;

    // The last step of creation, once the window is shown: PlayEntry(0).
    void Start();

    // A hand-over from a second start (see THandOverReceiver).
    quint32 WMCopyData(quint32 dwData, const QByteArray &payload);

    TLogForm *Log() const { return m_log; }
    const QString &ProgramDir() const { return m_programDir; }
    // The native window the engine draws into (-wid).
    WId VideoWindowId();

    QWidget *OuterPanel;
    QWidget *InnerPanel;
    TPlaylistStrip *PlaylistStrip;

    // Call points the engine link fills in: play an entry (an index outside the
    // playlist means its first entry), and stop the engine before the program ends.
    std::function<void(int index)> PlayEntry;
    std::function<void()> StopEngine;

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void applyVerbose();
    void applyBounds();
    void storeBounds();
    void bringToFront();
    void layoutPanels();

    TProgram m_program;
    TLogForm *m_log;
    QString m_programDir;
    THandOverReceiver m_receiver;
    bool m_closed = false;
};
