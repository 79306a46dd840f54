// The window's side of its menus: what each item of MainPopup and PLPopup
// does, the ticks that follow the window's state, and the track menus the
// engine link fills.
#include "mainwindow/MainForm.h"

#include "common/Report.h"
#include "controls/ZorviListBox.h"
#include "mainwindow/MainMenus.h"
#include "mainwindow/WindowEngine.h"
#include "platform/OpticalDrives.h"
#include "playlist/ZorviPlaylist.h"
#include "settings/SettingsData.h"
#include "skin/SkinControls.h"

#include <QAction>
#include <QCursor>
#include <QMenu>

namespace {
// Connects an item to a window operation behind the one guard of Qt entry points.
template <typename Fn> void onTriggered(QAction *item, QObject *context, Fn fn)
{
    QObject::connect(item, &QAction::triggered, context, [fn] { RunGuarded(fn); });
}
} // namespace

void TMainForm::createMenus()
{
    m_menus = new MainMenus(this);
    MainMenus &m = *m_menus;
    auto &s = m_program.Settings.LastSession;

    onTriggered(m.MOpenFile, this, [this] { openFiles(true); });
    onTriggered(m.MOpenFolder, this, [this] { openFolder(); });
    onTriggered(m.MOpenAdvanced, this, [this] { openUrl(); });
    onTriggered(m.MFullscreen, this, [this] { SetFullscreen(!m_fullscreen); });
    onTriggered(m.MCompact, this, [this] { toggleControls(); });
    onTriggered(m.MWKeepAspect, this, [this, &s] {
        s.WindowKeepAspect = !s.WindowKeepAspect;
        if (s.WindowKeepAspect)
            ApplyWindowSize();
    });
    onTriggered(m.MCenter, this, [this, &s] { setCenter(!s.WinCenter, true); });
    for (QAction *item : m.MSize->actions())
        onTriggered(item, this, [this, item] { SetSizeMode(item->data().toInt(), true); });
    onTriggered(m.MOnTop, this, [this] { setOnTop(!isOnTop()); });
    onTriggered(m.MPlaylist, this, [this] { ShowPlaylist(!IsPlaylistVisible()); });
    onTriggered(m.MConsole, this, [this] { showLog(); });
    for (QAction *item : m.MAR->actions()) {
        onTriggered(item, this, [this, item] { m_engine->SetAspect(item->data().toInt()); });
    }
    onTriggered(m.MPostProc, this, [this, &s] { m_engine->SetPostProc(!s.PostProc); });
    onTriggered(m.MFrameDrop, this, [this, &s] { m_engine->SetFrameDrop(!s.FrameDrop); });
    onTriggered(m.MMute, this, [this] { m_engine->ToggleMute(); });
    onTriggered(m.MSNone, this, [this] { m_engine->SelectTrack(TrackMenu::Subtitle, -1); });
    onTriggered(m.MSLoad, this, [this] { loadSubtitles(); });
    onTriggered(m.MOptions, this, [this] { showOptions(); });
    onTriggered(m.MQuit, this, [this] { close(); });

    onTriggered(m.PLMAdd, this, [this] { openFiles(false); });
    onTriggered(m.PLMRemove, this, [this] { m_program.Playlist.DeleteSelected(); });
    onTriggered(m.PLMClear, this, [this] { m_program.Playlist.Clear(); });

    for (const Platform::OpticalDrive &drive : Platform::OpticalDrives()) {
        const QString caption = drive.MountPoint.isEmpty()
                                    ? drive.Device
                                    : drive.Device + QLatin1String(" (") + drive.MountPoint + u')';
        QAction *item = m.AddDriveItem(caption, drive.Device);
        onTriggered(item, this, [this, item] { openDrive(item->data().toString()); });
    }
    connectRememberMenus();
    // The window's state can change by keys and buttons too: the ticks are
    // read when the menu opens.
    connect(m.MainPopup, &QMenu::aboutToShow, this, [this] { RunGuarded([this] { refreshMenuTicks(); }); });
}

void TMainForm::attachMenusToSkin()
{
    m_menus->SetSkinsMenu(m_skin->MSkins());
    if (m_skin->MSkins() && !m_skinsTitle.isEmpty())
        m_skin->MSkins()->setTitle(m_skinsTitle);
    m_skin->Handlers.PlaylistBoxDblClick = [this](QObject *) {
        RunGuarded([this] {
            const int index = m_skin->Playlist->AnchorIndex();
            if (index >= 0)
                PlayEntry(index);
        });
    };
}

void TMainForm::refreshMenuTicks()
{
    MainMenus &m = *m_menus;
    const auto &s = m_program.Settings.LastSession;
    m.MFullscreen->setChecked(m_fullscreen);
    m.MCompact->setChecked(m_autoHideActive);
    m.MWKeepAspect->setChecked(s.WindowKeepAspect);
    m.MCenter->setChecked(s.WinCenter);
    m.MOnTop->setChecked(isOnTop());
    m.MPlaylist->setChecked(IsPlaylistVisible());
    m.MMute->setChecked(s.Mute);
    m.MPostProc->setChecked(s.PostProc);
    m.MFrameDrop->setChecked(s.FrameDrop);
    MainMenus::TickMenuValue(m.MSize, s.WindowSize);
}

void TMainForm::showPopupMenu()
{
    m_menus->MainPopup->popup(QCursor::pos());
}

// ------------------------------------------------------------------ track menus

void TMainForm::ClearTracks()
{
    m_menus->ClearTrackItems();
}

void TMainForm::AddAudioTrack(int id)
{
    QMenu *menu = m_menus->MAudio;
    m_menus->AddTrackItem(menu, m_menus->TrackItemCount(menu), id, [this](int value) {
        RunGuarded([&] { m_engine->SelectTrack(TrackMenu::Audio, value); });
    });
}

void TMainForm::AddSubtitleTrack(int number)
{
    QMenu *menu = m_menus->MSubtitle;
    m_menus->AddTrackItem(menu, m_menus->TrackItemCount(menu), number, [this](int value) {
        RunGuarded([&] { m_engine->SelectTrack(TrackMenu::Subtitle, value); });
    });
}

void TMainForm::NameAudioTrack(int id, const QString &name)
{
    QMenu *menu = m_menus->MAudio;
    m_menus->NameTrackItem(menu, m_menus->TrackItemPosition(menu, id), name);
}

void TMainForm::NameSubtitleTrack(int number, const QString &name)
{
    QMenu *menu = m_menus->MSubtitle;
    m_menus->NameTrackItem(menu, m_menus->TrackItemPosition(menu, number), name);
}

void TMainForm::TickMenuValue(TrackMenu menu, int value)
{
    QMenu *const menus[] = {m_menus->MAudio, m_menus->MSubtitle, m_menus->MAR};
    MainMenus::TickMenuValue(menus[int(menu)], value);
}

void TMainForm::SetMenuToggle(MenuToggle item, bool checked)
{
    (item == MenuToggle::PostProc ? m_menus->MPostProc : m_menus->MFrameDrop)->setChecked(checked);
}
