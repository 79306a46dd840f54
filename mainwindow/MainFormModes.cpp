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
    if (on == m_fullscreen)
        return;
    if (on)
        m_savedBounds = GetRestoreBounds();
    m_fullscreen = on;
    m_skin->BFullscreen->SetChecked(on);
    const auto &s = m_program.Settings.LastSession;
    if (on) {
        setAutoHide(s.HideFSControls);
        placeVideoArea();
        applyOnTop(); // never above other windows in full screen
        updateRegion(ScreenBounds().size());
        // The manager's own state where it has one (it also takes panels
        // and docks away); otherwise the monitor's bounds by hand.
        m_wmFullscreen = Platform::WindowManagerSupports("_NET_WM_STATE_FULLSCREEN");
        if (m_wmFullscreen)
            setWindowState(windowState() | Qt::WindowFullScreen);
        else
            setGeometry(ScreenBounds());
    } else {
        setAutoHide(s.Compact);
        placeVideoArea();
        if (m_wmFullscreen)
            setWindowState(windowState() & ~Qt::WindowFullScreen);
        m_wmFullscreen = false;
        SetWindowBounds(m_savedBounds);
        updateRegion(m_savedBounds.size());
        applyOnTop();
    }
}

void TMainForm::toggleControls()
{
    auto &s = m_program.Settings.LastSession;
    if (!m_fullscreen) {
        setCompact(!s.Compact);
        return;
    }
    s.HideFSControls = !s.HideFSControls;
    setAutoHide(s.HideFSControls);
}

void TMainForm::setAutoHide(bool on)
{
    if (on == m_autoHideActive)
        return;
    m_autoHideActive = on;
    if (on)
        ShowControls(false);
    placeVideoArea();
    if (!on)
        ShowControls(true);
}

void TMainForm::placeVideoArea()
{
    if (!m_autoHideActive) {
        m_outerPanel->SetAnchors(AnchorKind::Left | AnchorKind::Top);
        m_outerPanel->SetAlign(Align::Client);
    } else {
        m_outerPanel->SetAlign(Align::None);
        const int b = m_fullscreen ? 0 : m_skin->Params.Borders;
        m_outerPanel->SetBounds(rect().adjusted(b, b, -b, -b));
        m_outerPanel->SetAnchors(AnchorKind::Left | AnchorKind::Top | AnchorKind::Right | AnchorKind::Bottom);
    }
    ZorviRealign(this);
    updateVideoMask();
}

void TMainForm::ShowControls(bool show)
{
    if (show == m_controlsShown)
        return;
    m_controlsShown = show;
    // Shown, the skin panels lie over the video's edges; hidden, the video
    // area covers them. Nothing is resized.
    if (show)
        m_outerPanel->lower();
    else
        m_outerPanel->raise();
    updateVideoMask();
    if (show)
        kickTimer();
}

void TMainForm::updateVideoMask()
{
    // The video panel is a native window above everything drawn in the main
    // window, so the panels over it are cut out of it instead.
    if (!m_autoHideActive || !m_controlsShown) {
        if (!m_innerPanel->mask().isEmpty())
            m_innerPanel->clearMask();
        return;
    }
    QRegion visible(m_innerPanel->rect());
    const QWidget *covering[] = {m_skin->TopPanel, m_skin->BottomPanel, m_skin->LeftPanel, m_skin->RightPanel,
                                 m_skin->Playlist};
    for (const QWidget *w : covering)
        if (w && !w->isHidden())
            visible -= QRect(m_innerPanel->mapFrom(this, w->pos()), w->size());
    m_innerPanel->setMask(visible);
}

void TMainForm::setCompact(bool on)
{
    auto &s = m_program.Settings.LastSession;
    if (on == s.Compact)
        return;
    s.Compact = on;
    if (m_fullscreen)
        return; // leaving full screen takes it up
    if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized))
        setWindowState(Qt::WindowNoState);
    const QRect bounds =
        CompactBounds(on, geometry(), {SkinPanelSizes(), m_skin->Params.Borders, s.WinCenter, WorkArea()});
    if (on) {
        setAutoHide(true);
        SetWindowBounds(bounds);
    } else {
        SetWindowBounds(bounds);
        setAutoHide(false);
    }
}

bool TMainForm::isOnTop() const
{
    return m_program.Settings.LastSession.OnTop;
}

void TMainForm::setOnTop(bool on)
{
    m_program.Settings.LastSession.OnTop = on;
    applyOnTop();
}

void TMainForm::applyOnTop()
{
    // Before the window exists its first show applies it.
    if (const WId id = internalWinId())
        Platform::SetKeepAbove(id, isOnTop() && !m_fullscreen);
}

void TMainForm::updateRegion(const QSize &size)
{
    m_regionSize = size;
    const int round = std::min({m_skin->Params.RoundRect, size.width(), size.height()});
    if (m_fullscreen || round <= 0) {
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
