// Size and layout: the window sized for its size mode through the pure window
// rules, the video placed in its area, and the bounds the pointer's move and
// resize loops choose.
#include "mainwindow/MainForm.h"

#include "common/Report.h"
#include "controls/ZorviControls.h"
#include "mainwindow/WindowEngine.h"
#include "mainwindow/WindowSize.h"
#include "settings/SettingsData.h"
#include "skin/SkinControls.h"

#include <QGuiApplication>
#include <QScreen>

namespace {
QScreen *ScreenOf(const QWidget *window)
{
    // The screen holding the window's centre; the window's own one when the
    // centre is on none.
    if (QScreen *s = QGuiApplication::screenAt(window->geometry().center()))
        return s;
    if (QScreen *s = window->screen())
        return s;
    return QGuiApplication::primaryScreen();
}
} // namespace

QRect TMainForm::WorkArea() const
{
    const QScreen *s = ScreenOf(this);
    return s ? s->availableGeometry() : geometry();
}

QRect TMainForm::ScreenBounds() const
{
    const QScreen *s = ScreenOf(this);
    return s ? s->geometry() : geometry();
}

WindowChrome TMainForm::Chrome() const
{
    return ChromeFor(SkinPanelSizes(), m_program.Settings.LastSession.Compact, m_skin->Params.Borders);
}

void TMainForm::SetWindowBounds(const QRect &bounds)
{
    // Grow the outline first, so the new area is never cut off meanwhile;
    // a shrink rebuilds it once the size has changed (resizeEvent).
    if (bounds.width() > m_regionSize.width() || bounds.height() > m_regionSize.height())
        updateRegion(bounds.size());
    setGeometry(bounds);
}

QRect TMainForm::GetRestoreBounds() const
{
    if (m_fullscreen)
        return m_savedBounds;
    if (isMinimized() || isMaximized())
        return m_pendingRestore.value_or(normalGeometry());
    return geometry();
}

void TMainForm::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // A size chosen while minimised or maximised is the one the window comes back to.
    if (event->type() == QEvent::WindowStateChange && m_pendingRestore &&
        !(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))) {
        const QRect bounds = *m_pendingRestore;
        m_pendingRestore.reset();
        RunGuarded([&] { SetWindowBounds(bounds); });
    }
}

void TMainForm::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    RunGuarded([this] {
        if (size() != m_regionSize)
            updateRegion(size());
    });
}

void TMainForm::ApplyWindowSize()
{
    const auto &s = m_program.Settings.LastSession;
    WindowSizeInputs in;
    in.SizeMode = s.WindowSize;
    in.KeepAspect = s.WindowKeepAspect;
    in.Center = s.WinCenter;
    in.WinRatio = s.WinRatio;
    in.chrome = Chrome();
    in.MinWidth = m_skin->Params.MinWidth;
    in.VideoWidth = m_engine->State().VideoWidth;
    in.workArea = WorkArea();
    in.current = isMinimized() || isMaximized() ? GetRestoreBounds() : geometry();
    in.Fullscreen = m_fullscreen;
    in.SavedBounds = m_savedBounds;
    const QRect bounds = ApplyWindowSizeRect(in);
    if (m_fullscreen)
        m_savedBounds = bounds; // what leaving full screen restores
    else if (isMinimized() || isMaximized())
        m_pendingRestore = bounds; // what restoring the window brings back
    else
        SetWindowBounds(bounds);
}

void TMainForm::SetSizeMode(int mode, bool absolute)
{
    int &SizeMode = m_program.Settings.LastSession.WindowSize;
    if (absolute) {
        SizeMode = mode;
    } else {
        // The windowed width, also in full screen: that is the size the step changes.
        const int width = m_fullscreen ? m_savedBounds.width() : this->width();
        SizeMode = RelativeSizeMode(SizeMode, mode, width, WorkArea().width());
    }
    ApplyWindowSize();
}

void TMainForm::LayoutVideo()
{
    if (!m_engine->IsRunning() || !m_engine->State().HasVideo)
        return;
    m_innerPanel->setGeometry(VideoRect(m_outerPanel->size(), m_program.Settings.LastSession.WinRatio));
    updateVideoMask();
}

void TMainForm::PrepareVideo()
{
    // The engine takes the panel's size when it starts and draws at once: a
    // panel that is hidden or of another size would make it follow a map and
    // a resize before its first picture shows. Until then the panel shows its
    // own colour, the near-black colour key, over the black video area.
    m_innerPanel->setGeometry(VideoRect(m_outerPanel->size(), m_program.Settings.LastSession.WinRatio));
    m_innerPanel->show();
    updateVideoMask();
}

void TMainForm::WithdrawVideo()
{
    m_innerPanel->hide();
}

void TMainForm::RevealVideo()
{
    // Shown since the engine started (PrepareVideo), at once and in its place
    // now that the video's size is known.
    if (m_engine->IsRunning())
        m_innerPanel->show();
}

void TMainForm::HideVideo()
{
    m_innerPanel->hide();
    m_innerPanel->setGeometry(0, 0, 0, 0);
    for (TZorviButton *button : {m_skin->BPlayPause, m_skin->BPlay, m_skin->BPause})
        button->SetChecked(false);
    m_skin->BStop->SetChecked(true);
}

// The native window the engine draws into (-wid).
std::uint64_t TMainForm::VideoWindowId()
{
    return std::uint64_t(m_innerPanel->winId());
}
