// The main window's side of the pointer handling: the rules' inputs read from
// the settings and the loaded skin as they stand at each step, the skin's
// panels as drag areas, the auto-hide layout's video zone, and the deadlines
// the window's timer hides the pointer and the controls by.
#include "mainwindow/MainForm.h"

#include "controls/ZorviControls.h"
#include "mainwindow/WindowPointer.h"
#include "settings/SettingsData.h"
#include "skin/SkinControls.h"

#include <QMouseEvent>
#include <algorithm>

namespace {
// A panel holds a control when any of its children is shown.
bool HoldsControls(const QWidget *panel)
{
    if (!panel || panel->isHidden())
        return false;
    const QList<QWidget *> children = panel->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    return std::any_of(children.begin(), children.end(), [](const QWidget *w) { return !w->isHidden(); });
}

std::optional<Qt::Edge> DockedSide(Align align)
{
    switch (align) {
    case Align::Left:
        return Qt::LeftEdge;
    case Align::Right:
        return Qt::RightEdge;
    case Align::Top:
        return Qt::TopEdge;
    case Align::Bottom:
        return Qt::BottomEdge;
    default:
        return std::nullopt;
    }
}
} // namespace

void TMainForm::attachPointer()
{
    WindowPointerHost host;
    host.rules = [this] {
        const SettingsData &s = m_program.Settings;
        SizingInputs in;
        in.chrome = Chrome();
        in.WinRatio = s.LastSession.WinRatio;
        in.MinWidth = m_skin->Params.MinWidth;
        in.Snap = s.Options.Snap;
        in.Center = s.LastSession.WinCenter;
        in.KeepAspect = s.LastSession.WindowKeepAspect;
        return in;
    };
    host.workArea = [this] { return WorkArea(); };
    host.canMoveOrSize = [this] { return !m_fullscreen && !isMaximized(); };
    host.setCenter = [this](bool centred) { setCenter(centred, false); };
    host.apply = [this](const QRect &bounds) { SetWindowBounds(bounds); };
    host.sizedByHand = [this] { m_program.Settings.LastSession.WindowSize = -1; };
    host.isDragArea = [this](const QWidget *w) {
        const auto &panels = m_skin->Panels();
        return std::find(panels.begin(), panels.end(), w) != panels.end();
    };
    host.autoHideZone = [this]() -> std::optional<VideoZoneInputs> {
        if (!m_autoHideActive)
            return std::nullopt;
        VideoZoneInputs in;
        in.panels = SkinPanelSizes();
        in.withControls = {HoldsControls(m_skin->TopPanel), HoldsControls(m_skin->BottomPanel),
                           HoldsControls(m_skin->LeftPanel), HoldsControls(m_skin->RightPanel)};
        if (IsPlaylistVisible()) {
            in.playlistSide = DockedSide(m_skin->Playlist->Align());
            in.playlistSize = m_skin->Playlist->size();
        }
        return in;
    };
    host.showControls = [this](bool show) { ShowControls(show); };
    host.moveDeadlines = [this](std::optional<std::uint64_t> cursor, std::optional<std::uint64_t> controls) {
        if (cursor) {
            m_cursorHideTime = *cursor;
            setVideoCursorHidden(false);
        }
        if (controls)
            m_controlsHideTime = *controls;
        kickTimer();
    };
    host.video = {m_outerPanel, m_innerPanel};
    m_pointer = new WindowPointer(this, std::move(host));
}

void TMainForm::panelPressed(const QMouseEvent *event)
{
    // A press the pointer handling did not take first (one a child passed on).
    if (event->button() == Qt::LeftButton)
        m_pointer->StartMove();
}
