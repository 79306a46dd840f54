// Display modes: full screen, the auto-hide layout, compact, the controls
// shown over the video, on top, the window's outline and the playlist box.
// None of them re-creates a native window: the engine keeps drawing into the
// same video panel throughout.
#include "mainwindow/MainForm.h"

#include "controls/ZorviControls.h"
#include "mainwindow/WindowSize.h"
#include "platform/X11WindowState.h"
#include "settings/SettingsData.h"
#include "skin/SkinControls.h"

void TMainForm::SetFullscreen(bool on)
{
    if (on == Fullscreen)
        return;
    if (on)
        SavedBounds = GetRestoreBounds();
    Fullscreen = on;
    m_skin->BFullscreen->SetChecked(on);
    const auto &s = m_program.Settings->LastSession;
    if (on) {
        SetAutoHide(s.HideFSControls);
        placeVideoArea();
        applyOnTop(); // never above other windows in full screen
        UpdateRegion(ScreenBounds().size());
        // The manager's own state where it has one (it also takes panels
        // and docks away); otherwise the monitor's bounds by hand.
        m_wmFullscreen = Platform::WindowManagerSupports("_NET_WM_STATE_FULLSCREEN");
        if (m_wmFullscreen)
            setWindowState(windowState() | Qt::WindowFullScreen);
        else
            setGeometry(ScreenBounds());
    } else {
        SetAutoHide(s.Compact);
        placeVideoArea();
        if (m_wmFullscreen)
            setWindowState(windowState() & ~Qt::WindowFullScreen);
        m_wmFullscreen = false;
        SetWindowBounds(SavedBounds);
        UpdateRegion(SavedBounds.size());
        applyOnTop();
    }
}

void TMainForm::ToggleControls()
{
    auto &s = m_program.Settings->LastSession;
    if (!Fullscreen) {
        SetCompact(!s.Compact);
        return;
    }
    s.HideFSControls = !s.HideFSControls;
    SetAutoHide(s.HideFSControls);
}

void TMainForm::SetAutoHide(bool on)
{
    if (on == AutoHideActive)
        return;
    AutoHideActive = on;
    if (on)
        ShowControls(false);
    placeVideoArea();
    if (!on)
        ShowControls(true);
}

void TMainForm::placeVideoArea()
{
    if (!AutoHideActive) {
        OuterPanel->SetAnchors(AnchorKind::Left | AnchorKind::Top);
        OuterPanel->SetAlign(Align::Client);
    } else {
        OuterPanel->SetAlign(Align::None);
        const int b = Fullscreen ? 0 : m_skin->Params.Borders;
        OuterPanel->SetBounds(rect().adjusted(b, b, -b, -b));
        OuterPanel->SetAnchors(AnchorKind::Left | AnchorKind::Top | AnchorKind::Right | AnchorKind::Bottom);
    }
    ZorviRealign(this);
    updateVideoMask();
}

void TMainForm::ShowControls(bool show)
{
    if (show == ControlsShown)
        return;
    ControlsShown = show;
    // Shown, the skin panels lie over the video's edges; hidden, the video
    // area covers them. Nothing is resized.
    if (show)
        OuterPanel->lower();
    else
        OuterPanel->raise();
    updateVideoMask();
    if (show)
        KickTimer();
}

void TMainForm::updateVideoMask()
{
    // The video panel is a native window above everything drawn in the main
    // window, so the panels over it are cut out of it instead.
    if (!AutoHideActive || !ControlsShown) {
        if (!InnerPanel->mask().isEmpty())
            InnerPanel->clearMask();
        return;
    }
    QRegion visible(InnerPanel->rect());
    const QWidget *covering[] = {m_skin->TopPanel, m_skin->BottomPanel, m_skin->LeftPanel, m_skin->RightPanel,
                                 m_skin->Playlist};
    for (const QWidget *w : covering)
        if (w && !w->isHidden())
            visible -= QRect(InnerPanel->mapFrom(this, w->pos()), w->size());
    InnerPanel->setMask(visible);
}

void TMainForm::SetCompact(bool on)
{
    auto &s = m_program.Settings->LastSession;
    if (on == s.Compact)
        return;
    s.Compact = on;
    if (Fullscreen)
        return; // leaving full screen takes it up
    if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized))
        setWindowState(Qt::WindowNoState);
    const QRect bounds =
        CompactBounds(on, geometry(), {SkinPanelSizes(), m_skin->Params.Borders, s.WinCenter, WorkArea()});
    if (on) {
        SetAutoHide(true);
        SetWindowBounds(bounds);
    } else {
        SetWindowBounds(bounds);
        SetAutoHide(false);
    }
}

bool TMainForm::IsOnTop() const
{
    return m_program.Settings->LastSession.OnTop;
}

void TMainForm::SetOnTop(bool on)
{
    m_program.Settings->LastSession.OnTop = on;
    applyOnTop();
}

void TMainForm::applyOnTop()
{
    // Before the window exists its first show applies it.
    if (const WId id = internalWinId())
        Platform::SetKeepAbove(id, IsOnTop() && !Fullscreen);
}

void TMainForm::UpdateRegion(const QSize &size)
{
    RegionSize = size;
    const int round = std::min({m_skin->Params.RoundRect, size.width(), size.height()});
    if (Fullscreen || round <= 0) {
        clearMask();
        return;
    }
    // A rectangle one pixel larger than the window with corner ellipses of
    // `round` pixels, made of two crossing bars and four corner discs.
    const int w = size.width() + 1;
    const int h = size.height() + 1;
    const int r = round / 2;
    QRegion outline(0, r, w, h - 2 * r);
    outline += QRegion(r, 0, w - 2 * r, h);
    outline += QRegion(0, 0, round, round, QRegion::Ellipse);
    outline += QRegion(w - round, 0, round, round, QRegion::Ellipse);
    outline += QRegion(0, h - round, round, round, QRegion::Ellipse);
    outline += QRegion(w - round, h - round, round, round, QRegion::Ellipse);
    setMask(outline);
}

bool TMainForm::IsPlaylistVisible() const
{
    return m_skin->Playlist && !m_skin->Playlist->isHidden();
}

void TMainForm::ShowPlaylist(bool show)
{
    m_skin->Playlist->setVisible(show);
    m_skin->BPlaylist->SetChecked(show);
    ZorviRealign(this);
    updateVideoMask();
}
