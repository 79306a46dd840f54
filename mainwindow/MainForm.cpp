#include "mainwindow/MainForm.h"

#include "common/Report.h"
#include "console/LogForm.h"
#include "mainwindow/PlaylistStrip.h"
#include "platform/Paths.h"
#include "playlist/ZorviPlaylist.h"
#include "settings/SettingsStore.h"
#include "settings/WindowBounds.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QRandomGenerator>
#include <QScreen>

TMainForm::TMainForm(const ProgramParts &program, const QStringList &arguments, QWidget *parent)
    : QWidget(parent), m_program(program), m_log(nullptr)
{
    setObjectName(QStringLiteral("Zorvi.Main"));
    setWindowTitle(QStringLiteral("Zorvi"));
    // Before any native window exists: changing flags later re-creates them.
    setWindowFlag(Qt::FramelessWindowHint);

    // The log first, so anything logged from here on has somewhere to go.
    m_log = new TLogForm(this);
    m_program.Playlist->Log = [this](const QString &line) { m_log->AddLine(line); };
    m_programDir = Platform::ProgramDirectory();
    // One unusable argument is reported and does not stop the start.
    for (const QString &arg : arguments) {
        RunGuarded([&] {
            if (m_program.TakeArgument)
                m_program.TakeArgument(arg);
        });
        ApplyVerbose(); // "-v" shows what the arguments after it log (a folder scan cut short)
    }

    m_program.Store->SetFileName(Platform::SettingsFilePath(m_programDir));
    m_program.Store->LoadSettings();
    ApplyVerbose();
    m_log->AddLine(QStringLiteral("$|Program directory: ") + m_programDir);
    m_log->AddLine(QStringLiteral("$|Settings: ") + m_program.Store->FileName());

    // The video area: black, with the native panel the engine draws into.
    OuterPanel = new QWidget(this);
    OuterPanel->setObjectName(QStringLiteral("OuterPanel"));
    OuterPanel->setAutoFillBackground(true);
    QPalette black = OuterPanel->palette();
    black.setColor(QPalette::Window, Qt::black);
    OuterPanel->setPalette(black);
    InnerPanel = new QWidget(OuterPanel);
    InnerPanel->setObjectName(QStringLiteral("InnerPanel"));
    InnerPanel->setAttribute(Qt::WA_NativeWindow);
    InnerPanel->setAutoFillBackground(true);
    // The panel's colour is the engine's colour key: red and green 0..9, blue 2.
    const int red = QRandomGenerator::global()->bounded(10);
    const int green = QRandomGenerator::global()->bounded(10);
    m_colorKey = std::uint32_t(red << 16 | green << 8 | 2);
    QPalette key = InnerPanel->palette();
    key.setColor(QPalette::Window, QColor(red, green, 2));
    InnerPanel->setPalette(key);
    InnerPanel->setGeometry(0, 0, 0, 0);
    InnerPanel->hide(); // shown when a video opens
    attachPointer();

    m_playlistStrip = new PlaylistStrip(m_program.Playlist, this);
    connect(m_program.Playlist, &TSelectList::OnChange, this, [this] {
        RunGuarded([this] {
            layoutPanels();
            m_playlistStrip->update();
        });
    });

    applyBounds();
}

// The playlist outlives the window: its log hook ends here (its change
// notification ends with the window as the connection's context).
TMainForm::~TMainForm()
{
    m_program.Playlist->Log = nullptr;
}

void TMainForm::Start()
{
    if (PlayEntry)
        PlayEntry(0);
}

void TMainForm::ApplyVerbose()
{
    m_log->SetVerbose(m_program.Settings->Options.Verbose);
}

void TMainForm::applyBounds()
{
    const auto &s = m_program.Settings->LastSession;
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
    // Always a normal, windowed placement: never a maximized or full-screen one.
    const QRect r = (isMinimized() || isMaximized() || isFullScreen()) ? normalGeometry() : geometry();
    auto &s = m_program.Settings->LastSession;
    s.Left = r.left();
    s.Top = r.top();
    s.Width = r.width();
    s.Height = r.height();
}

void TMainForm::BringToFront()
{
    if (isMinimized())
        showNormal();
    if (!isVisible())
        show();
    raise();
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    if (!m_closed) {
        m_closed = true;
        // Each step runs even when the one before it failed: the window closes either way.
        RunGuarded([this] {
            if (StopEngine)
                StopEngine();
        });
        storeBounds();
        RunGuarded([this] { m_program.Store->SaveLastSession(); });
        m_log->close();
    }
    event->accept();
}

void TMainForm::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    RunGuarded([this] { layoutPanels(); });
}

void TMainForm::layoutPanels()
{
    const int strip = std::min(m_playlistStrip->WantedHeight(), height() / 2);
    OuterPanel->setGeometry(0, 0, width(), height() - strip);
    m_playlistStrip->setGeometry(0, height() - strip, width(), strip);
    if (m_videoShown)
        LayoutVideo();
}
