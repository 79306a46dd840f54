// The skin host: the video area with its native panel, and the skin control
// set the skin loader fills on the window (panels, buttons, labels, the seek
// and volume bars, the playlist box). A skin change reuses every control and
// never touches the video panel's native window.
#include "mainwindow/MainForm.h"

#include "common/Report.h"
#include "console/LogForm.h"
#include "controls/ZorviControls.h"
#include "engine/SkinCommandPolicy.h"
#include "mainwindow/MainMenus.h"
#include "mainwindow/VideoAreaPanel.h"
#include "mainwindow/WindowEngine.h"
#include "platform/Paths.h"
#include "playlist/ZorviPlaylist.h"
#include "settings/SettingsData.h"
#include "skin/SkinControls.h"

#include <QMouseEvent>
#include <QRandomGenerator>

namespace {
// Follows the left button on one widget, which keeps the pointer from its
// press to its release.
class LeftButtonWatch : public QObject {
public:
    LeftButtonWatch(QWidget *watched, bool &down) : QObject(watched), m_down(down)
    {
        watched->installEventFilter(this);
    }
    bool eventFilter(QObject *, QEvent *event) override
    {
        const auto type = event->type();
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick ||
            type == QEvent::MouseButtonRelease) {
            if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
                m_down = type != QEvent::MouseButtonRelease;
        }
        return false;
    }

private:
    bool &m_down;
};
} // namespace

void TMainForm::createVideoArea()
{
    m_videoArea = new VideoAreaPanel(this);
    m_outerPanel = m_videoArea;
    m_outerPanel->setObjectName(QStringLiteral("OuterPanel"));
    m_outerPanel->SetColor(clBlack);
    m_outerPanel->SetAlign(Align::Client);
    m_outerPanel->OnResize = [this](QObject *) { LayoutVideo(); };

    m_innerPanel = new QWidget(m_outerPanel);
    m_innerPanel->setObjectName(QStringLiteral("InnerPanel"));
    // The one native child: its ancestors stay alien, so the skin panels can
    // be drawn over the video's edges in the auto-hide layout.
    m_innerPanel->setAttribute(Qt::WA_DontCreateNativeAncestors);
    m_innerPanel->setAttribute(Qt::WA_NativeWindow);
    m_innerPanel->setAutoFillBackground(true);
    // The panel's colour is the engine's colour key: red and green 0..9, blue 2.
    const int red = QRandomGenerator::global()->bounded(10);
    const int green = QRandomGenerator::global()->bounded(10);
    m_colorKey = std::uint32_t(red << 16 | green << 8 | 2);
    QPalette key = m_innerPanel->palette();
    key.setColor(QPalette::Window, QColor(red, green, 2));
    m_innerPanel->setPalette(key);
    m_innerPanel->setGeometry(0, 0, 0, 0);
    m_innerPanel->hide(); // shown when a video opens
}

void TMainForm::createSkin()
{
    m_skin = new SkinControls(this);
    m_skin->setParent(this);
    SkinHandlers &h = m_skin->Handlers;
    h.ButtonsClick = [this](QObject *sender) { RunGuarded([&] { buttonClicked(sender); }); };
    h.SeekTracking = [this](TZorviTrackbar *bar, int &position, bool &) {
        RunGuarded([&] { trackbarMoved(bar, position); });
    };
    h.VolTracking = h.SeekTracking;
    h.SeekBarMouseMove = [this](QObject *, QMouseEvent *event) { seekBarHover(*event); };
    h.SeekBarMouseLeave = [this](QObject *) { seekBarLeft(); };
    h.SkinChanged = [this] { skinChanged(); };
    h.TitleBarMouseDown = [this](QObject *, QMouseEvent *event) { RunGuarded([&] { panelPressed(event); }); };

    m_skin->CreateSkinControls(&m_program.Playlist, Platform::SkinFolders(m_programDir), m_menus->MainPopup,
                               m_menus->PLPopup);
    m_skin->SeekBar->setEnabled(false);
    new LeftButtonWatch(m_skin->Playlist, m_listLeftDown);
    m_skin->SkinName = m_program.Settings.LastSession.Skin;
    m_skin->SelectStartupSkin();
}

PanelSizes TMainForm::SkinPanelSizes() const
{
    const auto extent = [](const QWidget *panel, bool vertical) {
        if (!panel || panel->isHidden())
            return 0;
        return vertical ? panel->height() : panel->width();
    };
    return {extent(m_skin->TopPanel, true), extent(m_skin->BottomPanel, true),
            extent(m_skin->LeftPanel, false), extent(m_skin->RightPanel, false)};
}

void TMainForm::skinChanged()
{
    RunGuarded([this] {
        ZorviRealign(this);
        placeVideoArea();
        // The new skin's outline and chrome.
        m_regionSize = QSize();
        // In full screen this sizes the windowed bounds for the new chrome.
        ApplyWindowSize();
        if (m_fullscreen)
            SetWindowBounds(ScreenBounds());
        updateRegion(size());
        refreshDisplay();
        updateButtonTips();
        update();
    });
}

void TMainForm::buttonClicked(QObject *sender)
{
    const auto *button = qobject_cast<TZorviButton *>(sender);
    if (!button || button->Command.isEmpty())
        return;
    const QString command = QString::fromUtf8(button->Command);
    if (SkinMayRunCommand(command))
        m_engine->ExecuteCommand(command);
    else
        m_log->AddLine(QStringLiteral("Skin \"%1\": refused the command \"%2\"")
                           .arg(m_skin->SkinName, command.simplified()));
}

void TMainForm::trackbarMoved(TZorviTrackbar *bar, int position)
{
    if (bar == m_skin->SeekBar) {
        m_seekHover = false;
        m_engine->ExecuteCommand(QStringLiteral("seek %1 1").arg(position));
    } else if (bar == m_skin->VolBar)
        m_engine->ExecuteCommand(QStringLiteral("volume %1 1").arg(position));
}
