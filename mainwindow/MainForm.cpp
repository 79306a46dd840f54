#include "mainwindow/MainForm.h"

#include "common/FileNames.h"
#include "common/Report.h"
#include "console/LogForm.h"
#include "controls/ZorviControls.h"
#include "i18n/ZorviLocal.h"
#include "mainwindow/WindowEngine.h"
#include "platform/Paths.h"
#include "playlist/ZorviPlaylist.h"
#include "settings/SettingsStore.h"
#include "settings/WindowBounds.h"
#include "skin/SkinControls.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

TMainForm::TMainForm(const ProgramParts &program, const QStringList &arguments, QWidget *parent)
    : QWidget(parent), m_program(program), m_log(nullptr)
{
    setObjectName(QStringLiteral("Zorvi.Main"));
    setWindowTitle(QStringLiteral("Zorvi"));
    // Set once, before any native window exists: changing flags later would
    // re-create the video panel's window under the engine.
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    // Its children cover the client area: nothing to erase.
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(275, 276);

    // The log first, so anything logged from here on has somewhere to go;
    // the engine link next, so subtitle files among the arguments reach it.
    m_log = new TLogForm(this);
    m_program.Playlist.Log.Set([this](const QString &line) { m_log->AddLine(line); });
    // Said from the event loop: the arguments come before the language is loaded.
    m_program.Playlist.EmptyFolder.Set([this](const QString &folder) {
        QMetaObject::invokeMethod(
            this,
            [this, folder] {
                RunGuarded([&] { ReportError(texts().NoMediaInFolder + u'\n' + ReadableFileName(folder)); });
            },
            Qt::QueuedConnection);
    });
    m_program.Playlist.FileProblems.Set(
        [this](const QString &file, const QList<PlaylistRead::Note> &problems) {
            reportPlaylistProblems(file, problems);
        });
    m_engine = m_program.MakeEngine(EngineHost{*this, *this, *this, *this, *this});
    m_log->OnCommand = [this](const QString &text) { m_engine->ExecuteCommand(text); };
    m_programDir = Platform::ProgramDirectory();
    // One unusable argument is reported and does not stop the start.
    for (const QString &arg : arguments) {
        RunGuarded([&] { m_program.TakeArgument(arg); });
        ApplyVerbose(); // "-v" shows what the arguments after it log (a folder scan cut short)
    }

    m_program.Store.SetFileName(Platform::SettingsFilePath(m_programDir));
    m_program.Store.LoadSettings();
    applyPlaylistSettings();
    ApplyVerbose();
    m_log->AddLine(QStringLiteral("$|Program directory: ") + m_programDir);
    m_log->AddLine(QStringLiteral("$|Settings: ") + m_program.Store.FileName());
    // The language right after the settings and before the skin; the menus
    // it captions come first.
    createMenus();
    createPlaylistMenus();
    initLanguage();
    reportPendingPlaylistProblems();

    createTimers();
    createVideoArea();
    attachPointer();
    attachInput();
    applyBounds();
    createSkin(); // scans the skins and loads the saved one
    attachMenusToSkin();
    setAcceptDrops(true);
    registerWindowCommands();

    const auto &s = m_program.Settings.LastSession;
    SetSizeMode(s.WindowSize, true);
    m_controlsShown = true;
    if (s.OnTop)
        setOnTop(true);
    if (s.Compact)
        setAutoHide(true);
    if (m_program.Settings.Options.StartFullscreen)
        SetFullscreen(true);
    refreshDisplay();
    updateListTitle(); // in the chosen language from the start
}

// The engine link ends first, while every part it may call back still
// stands. The playlist outlives the window: its log hook ends here (its
// change notification ends with the window as the connection's context).
TMainForm::~TMainForm()
{
    m_engine.reset();
    m_program.Playlist.LoadSubtitle.Clear(); // it reached the engine link just ended
    m_program.Playlist.Log.Clear();
    m_program.Playlist.EmptyFolder.Clear();
    m_program.Playlist.FileProblems.Clear();
    freeLanguage();
}

void TMainForm::Start()
{
    PlayEntry(0);
}

void TMainForm::PlayEntry(int index)
{
    m_engine->PlayEntry(index);
}

void TMainForm::ApplyVerbose()
{
    m_log->SetVerbose(m_program.Settings.Options.Verbose);
}

void TMainForm::applyBounds()
{
    const auto &s = m_program.Settings.LastSession;
    // The primary screen first: a rectangle on no screen goes there.
    QList<QRect> areas;
    if (QScreen *primary = QGuiApplication::primaryScreen())
        areas << primary->availableGeometry();
    for (QScreen *screen : QGuiApplication::screens())
        areas << screen->availableGeometry();
    setGeometry(ClampWindowBounds(s.Left, s.Top, s.Width, s.Height, areas));
}

void TMainForm::storeBounds()
{
    // Always a normal, windowed placement: never a maximised or full-screen one.
    const QRect r = GetRestoreBounds();
    auto &s = m_program.Settings.LastSession;
    s.Left = r.left();
    s.Top = r.top();
    s.Width = r.width();
    s.Height = r.height();
    s.Skin = m_skin->SkinName;
}

void TMainForm::BringToFront()
{
    // Only the minimised flag goes: a window minimised from full screen (or
    // maximised) comes back in that state, with its controls.
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    if (!isVisible())
        show();
    raise();
}

void TMainForm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    RunGuarded([this] {
        if (m_regionSize.isEmpty())
            updateRegion(size());
        applyOnTop(); // the manager reads the state when it maps the window
    });
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    if (!m_closed) {
        m_closed = true;
        // Each step runs even when the one before it failed: the window closes either way.
        RunGuarded([this] { m_engine->Shutdown(); });
        storeBounds();
        RunGuarded([this] { m_program.Store.SaveLastSession(); });
        m_log->close();
    }
    event->accept();
}
