// The skin host: the video area with its native panel, and the skin control
// set the skin loader fills on the window (panels, buttons, labels, the seek
// and volume bars, the playlist box). A skin change reuses every control and
// never touches the video panel's native window.
#include "mainwindow/MainForm.h"

#include "common/Report.h"
#include "console/LogForm.h"
#include "controls/ZorviControls.h"
#include "engine/EngineCore.h"
#include "engine/SkinCommandPolicy.h"
#include "mainwindow/MainMenus.h"
#include "platform/Paths.h"
#include "playlist/ZorviPlaylist.h"
#include "settings/SettingsData.h"
#include "skin/SkinControls.h"

#include <QRandomGenerator>

void TMainForm::createVideoArea()
{
    OuterPanel = new TZorviPanel(this);
    OuterPanel->setObjectName(QStringLiteral("OuterPanel"));
    OuterPanel->SetColor(clBlack);
    OuterPanel->SetAlign(Align::Client);
    OuterPanel->OnResize = [this](QObject *) { LayoutVideo(); };

    InnerPanel = new QWidget(OuterPanel);
    InnerPanel->setObjectName(QStringLiteral("InnerPanel"));
    // The one native child: its ancestors stay alien, so the skin panels can
    // be drawn over the video's edges in the auto-hide layout.
    InnerPanel->setAttribute(Qt::WA_DontCreateNativeAncestors);
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
    h.SkinChanged = [this] { skinChanged(); };
    h.TitleBarMouseDown = [this](QObject *, QMouseEvent *event) { RunGuarded([&] { panelPressed(event); }); };

    m_skin->CreateSkinControls(m_program.Playlist, Platform::SkinFolders(m_programDir), m_menus->MainPopup,
                               m_menus->PLPopup);
    m_skin->SeekBar->setEnabled(false);
    m_skin->SkinName = m_program.Settings->LastSession.Skin;
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
        RegionSize = QSize();
        if (Fullscreen)
            SetWindowBounds(ScreenBounds());
        else
            ApplyWindowSize();
        UpdateRegion(size());
        refreshDisplay();
        update();
    });
}

void TMainForm::buttonClicked(QObject *sender)
{
    const auto *button = qobject_cast<TZorviButton *>(sender);
    if (!button || button->Command.isEmpty() || !m_engine)
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
    if (!m_engine)
        return;
    if (bar == m_skin->SeekBar)
        m_engine->ExecuteCommand(QStringLiteral("seek %1 1").arg(position));
    else if (bar == m_skin->VolBar)
        m_engine->ExecuteCommand(QStringLiteral("volume %1 1").arg(position));
}
