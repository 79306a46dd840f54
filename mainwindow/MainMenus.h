#pragma once
// The main window's two context menus: MainPopup (skin panels and the
// "popup" command) and PLPopup (the playlist box). Items carry the names
// language files address them by; radio items carry their value as data and
// their group number in the "group" property. What an item does is the
// window's business: it connects to the items.
#include <QList>
#include <QObject>
#include <QString>
#include <functional>

class QAction;
class QActionGroup;
class QMenu;
class QWidget;

class MainMenus : public QObject {
    Q_OBJECT
public:
    // The group of the track, size and aspect radio items.
    static constexpr int RadioGroup = 10;

    explicit MainMenus(QWidget *owner);
    ~MainMenus() override;

    QMenu *MainPopup;
    QMenu *PLPopup;

    QMenu *MOpen, *MRecent, *MView, *MSize, *MVideo, *MAR, *MAudio, *MSubtitle, *MSpeed;
    QAction *MOpenFile, *MOpenFolder, *MOpenAdvanced, *N1, *NRecent, *MRecentClear, *MScreenshot;
    QAction *MFullscreen, *MCompact, *MWKeepAspect, *MCenter, *MOnTop;
    QAction *MSizeCustom, *MSizeVideo, *MSizeMini, *MSize50, *MSize75;
    QAction *N3, *MPlaylist, *MConsole;
    QAction *MARNative, *MAR43, *MAR169, *MAR235, *MPostProc, *MFrameDrop;
    QAction *MMute, *MSNone, *N4, *MSLoad;
    QAction *MOptions, *N2, *MQuit;
    QAction *PLMAdd, *PLMRemove, *PLMClear, *PLMSave;
    // Repeat off, one, all (the playlist's RepeatMode as data) and shuffle.
    QMenu *PLMRepeat;
    QAction *PLMRepeatOff, *PLMRepeatOne, *PLMRepeatAll, *PLMShuffle;

    // Puts the Skins menu (made by the skin loader) in its place, before MPlaylist.
    void SetSkinsMenu(QMenu *skins);
    // Replaces the recent items (before NRecent) with one per name; each
    // carries its index as data. Names that no longer exist are greyed.
    QList<QAction *> SetRecentItems(const QStringList &captions, const QList<bool> &present);
    // Ticks the speed item of the value (none when no item has it).
    void TickSpeed(float speed);
    // Appends an item to MOpen after N1 and the drive items before it.
    QAction *AddDriveItem(const QString &caption, const QString &device);

    // A track item "id:" of radio group 10 with the value id, inserted at
    // `position` of MAudio or MSubtitle; `chosen` runs when it is clicked.
    QAction *AddTrackItem(QMenu *menu, int position, int id, std::function<void(int id)> chosen);
    // " name" (shortened to 28 characters) goes after the item's first ":".
    void NameTrackItem(QMenu *menu, int position, const QString &name);
    // The number of track items at the top of the menu.
    int TrackItemCount(QMenu *menu) const;
    // The position of the last track item whose value is `id`, -1 for none.
    int TrackItemPosition(QMenu *menu, int id) const;
    // Removes the track items of MAudio and MSubtitle.
    void ClearTrackItems();

    // Among the menu's group-10 items, ticks the one whose value is `value`,
    // else the one whose value is -1, if any.
    static void TickMenuValue(QMenu *menu, int value);

private:
    QMenu *addSubmenu(QMenu *parent, const char *name, const QString &title);
    QAction *addItem(QMenu *menu, const char *name, const QString &caption, bool checkable = false);
    QAction *addRadio(QMenu *menu, QActionGroup *group, const char *name, const QString &caption, int value);
    static bool isTrackItem(const QAction *item);

    QActionGroup *m_sizeGroup, *m_aspectGroup, *m_audioGroup, *m_subtitleGroup, *m_speedGroup, *m_repeatGroup;
    QList<QAction *> m_drives;
};
