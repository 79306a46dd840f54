#include "mainwindow/MainMenus.h"

#include "common/TextHelpers.h"

#include <QActionGroup>
#include <QMenu>
#include <QWidget>

namespace {
const char *const kGroup = "group";
const char *const kTrack = "track";
constexpr int kMuteGroup = 15;
constexpr int kNameLength = 48; // "English (eng) – Commentary [ac3]" whole

QString asCaption(QString text)
{
    return text.replace(u'&', QLatin1String("&&")); // a name, not a mnemonic
}
} // namespace

MainMenus::MainMenus(QWidget *owner) : QObject(owner)
{
    MainPopup = new QMenu(owner);
    MainPopup->setObjectName(QStringLiteral("MainPopup"));
    PLPopup = new QMenu(owner);
    PLPopup->setObjectName(QStringLiteral("PLPopup"));

    MOpen = addSubmenu(MainPopup, "MOpen", QStringLiteral("Open"));
    MOpenFile = addItem(MOpen, "MOpenFile", QStringLiteral("Files..."));
    MOpenFolder = addItem(MOpen, "MOpenFolder", QStringLiteral("Folder..."));
    MOpenAdvanced = addItem(MOpen, "MOpenAdvanced", QStringLiteral("url ..."));
    MRecent = addSubmenu(MOpen, "MRecent", QStringLiteral("Recent"));
    NRecent = MRecent->addSeparator();
    NRecent->setObjectName(QStringLiteral("NRecent"));
    MRecentClear = addItem(MRecent, "MRecentClear", QStringLiteral("Clear"));
    N1 = MOpen->addSeparator();
    N1->setObjectName(QStringLiteral("N1"));
    MOpen->setDefaultAction(MOpenFile);

    MView = addSubmenu(MainPopup, "MView", QStringLiteral("View"));
    MFullscreen = addItem(MView, "MFullscreen", QStringLiteral("Fullscreen"), true);
    MCompact = addItem(MView, "MCompact", QStringLiteral("Auto-hide controls"), true);
    MWKeepAspect = addItem(MView, "MWKeepAspect", QStringLiteral("Keep aspect ratio"), true);
    MCenter = addItem(MView, "MCenter", QStringLiteral("Center"), true);
    MSize = addSubmenu(MView, "MSize", QStringLiteral("Size"));
    m_sizeGroup = new QActionGroup(MSize);
    MSizeCustom = addRadio(MSize, m_sizeGroup, "MSizeCustom", QStringLiteral("Custom"), -1);
    MSizeVideo = addRadio(MSize, m_sizeGroup, "MSizeVideo", QStringLiteral("Video"), 0);
    MSizeMini = addRadio(MSize, m_sizeGroup, "MSizeMini", QStringLiteral("Mini"), 1);
    MSize50 = addRadio(MSize, m_sizeGroup, "MSize50", QStringLiteral("50% screen"), 50);
    MSize75 = addRadio(MSize, m_sizeGroup, "MSize75", QStringLiteral("75% screen"), 75);
    MSize->setDefaultAction(MSizeVideo);
    MOnTop = addItem(MView, "MOnTop", QStringLiteral("On top"), true);
    MView->setDefaultAction(MFullscreen);

    N3 = MainPopup->addSeparator();
    N3->setObjectName(QStringLiteral("N3"));
    MPlaylist = addItem(MainPopup, "MPlaylist", QStringLiteral("Playlist"), true);
    MConsole = addItem(MainPopup, "MConsole", QStringLiteral("Console"));

    MVideo = addSubmenu(MainPopup, "MVideo", QStringLiteral("Video"));
    MAR = addSubmenu(MVideo, "MAR", QStringLiteral("Aspect ratio"));
    m_aspectGroup = new QActionGroup(MAR);
    MARNative = addRadio(MAR, m_aspectGroup, "MARNative", QStringLiteral("Native"), 0);
    MAR43 = addRadio(MAR, m_aspectGroup, "MAR43", QStringLiteral("4:3"), 1);
    MAR169 = addRadio(MAR, m_aspectGroup, "MAR169", QStringLiteral("16:9"), 2);
    MAR235 = addRadio(MAR, m_aspectGroup, "MAR235", QStringLiteral("2.35:1"), 3);
    MAR->setDefaultAction(MARNative);
    MARNative->setChecked(true);
    MPostProc = addItem(MVideo, "MPostProc", QStringLiteral("Post Processing"), true);
    MFrameDrop = addItem(MVideo, "MFrameDrop", QStringLiteral("Frame drop"), true);
    MScreenshot = addItem(MVideo, "MScreenshot", QStringLiteral("Save screenshot"));

    MAudio = addSubmenu(MainPopup, "MAudio", QStringLiteral("Audio"));
    m_audioGroup = new QActionGroup(MAudio);
    MMute = addItem(MAudio, "MMute", QStringLiteral("Mute"), true);
    MMute->setProperty(kGroup, kMuteGroup);

    MSubtitle = addSubmenu(MainPopup, "MSubtitle", QStringLiteral("Subtitles"));
    m_subtitleGroup = new QActionGroup(MSubtitle);
    MSNone = addRadio(MSubtitle, m_subtitleGroup, "MSNone", QStringLiteral("Disable"), -1);
    N4 = MSubtitle->addSeparator();
    N4->setObjectName(QStringLiteral("N4"));
    MSLoad = addItem(MSubtitle, "MSLoad", QStringLiteral("Load..."));

    MSpeed = addSubmenu(MainPopup, "MSpeed", QStringLiteral("Speed"));
    m_speedGroup = new QActionGroup(MSpeed);
    m_speedGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    // The value is the speed in hundredths.
    static const struct {
        const char *name, *caption;
        int value;
    } speeds[] = {{"MSpeed50", "0.5×", 50},    {"MSpeed75", "0.75×", 75},  {"MSpeed100", "1×", 100},
                  {"MSpeed125", "1.25×", 125}, {"MSpeed150", "1.5×", 150}, {"MSpeed200", "2×", 200}};
    for (const auto &[name, caption, value] : speeds) {
        QAction *item = addItem(MSpeed, name, QString::fromUtf8(caption), true);
        item->setData(value);
        m_speedGroup->addAction(item);
    }

    MOptions = addItem(MainPopup, "MOptions", QStringLiteral("Options..."));
    N2 = MainPopup->addSeparator();
    N2->setObjectName(QStringLiteral("N2"));
    MQuit = addItem(MainPopup, "MQuit", QStringLiteral("Quit"));

    PLMAdd = addItem(PLPopup, "PLMAdd", QStringLiteral("Add..."));
    PLMRemove = addItem(PLPopup, "PLMRemove", QStringLiteral("Remove"));
    PLMClear = addItem(PLPopup, "PLMClear", QStringLiteral("Clear"));
    PLMSave = addItem(PLPopup, "PLMSave", QStringLiteral("Save playlist..."));
    PLMRepeat = addSubmenu(PLPopup, "PLMRepeat", QStringLiteral("Repeat"));
    m_repeatGroup = new QActionGroup(PLMRepeat);
    PLMRepeatOff = addItem(PLMRepeat, "PLMRepeatOff", QStringLiteral("Off"), true);
    PLMRepeatOne = addItem(PLMRepeat, "PLMRepeatOne", QStringLiteral("One"), true);
    PLMRepeatAll = addItem(PLMRepeat, "PLMRepeatAll", QStringLiteral("All"), true);
    int mode = 0;
    for (QAction *item : {PLMRepeatOff, PLMRepeatOne, PLMRepeatAll}) {
        item->setData(mode++);
        m_repeatGroup->addAction(item);
    }
    PLMShuffle = addItem(PLPopup, "PLMShuffle", QStringLiteral("Shuffle"), true);
}

MainMenus::~MainMenus() = default;

QList<QAction *> MainMenus::SetRecentItems(const QStringList &captions, const QList<bool> &present)
{
    for (QAction *item : MRecent->actions()) {
        if (item == NRecent)
            break;
        MRecent->removeAction(item);
        item->deleteLater();
    }
    QList<QAction *> items;
    for (qsizetype i = 0; i < captions.size(); ++i) {
        auto *item = new QAction(asCaption(captions[i]), MRecent);
        item->setData(int(i));
        item->setEnabled(i < present.size() && present[i]);
        MRecent->insertAction(NRecent, item);
        items << item;
    }
    NRecent->setVisible(!captions.isEmpty());
    MRecentClear->setEnabled(!captions.isEmpty());
    return items;
}

void MainMenus::TickSpeed(float speed)
{
    const int hundredths = qRound(speed * 100);
    for (QAction *item : m_speedGroup->actions())
        item->setChecked(item->data().toInt() == hundredths);
}

QMenu *MainMenus::addSubmenu(QMenu *parent, const char *name, const QString &title)
{
    QMenu *menu = parent->addMenu(title);
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name));
    return menu;
}

QAction *MainMenus::addItem(QMenu *menu, const char *name, const QString &caption, bool checkable)
{
    QAction *item = menu->addAction(caption);
    item->setObjectName(QLatin1String(name));
    item->setCheckable(checkable);
    return item;
}

QAction *MainMenus::addRadio(QMenu *menu, QActionGroup *group, const char *name, const QString &caption,
                             int value)
{
    QAction *item = addItem(menu, name, caption, true);
    item->setData(value);
    item->setProperty(kGroup, RadioGroup);
    group->addAction(item);
    return item;
}

void MainMenus::SetSkinsMenu(QMenu *skins)
{
    if (skins)
        MainPopup->insertMenu(MPlaylist, skins);
}

QAction *MainMenus::AddDriveItem(const QString &caption, const QString &device)
{
    auto *item = new QAction(asCaption(caption), MOpen);
    item->setData(device);
    MOpen->addAction(item);
    m_drives.append(item);
    return item;
}

bool MainMenus::isTrackItem(const QAction *item)
{
    return item->property(kTrack).toBool();
}

int MainMenus::TrackItemCount(QMenu *menu) const
{
    int count = 0;
    for (const QAction *item : menu->actions()) {
        if (!isTrackItem(item))
            break;
        ++count;
    }
    return count;
}

int MainMenus::TrackItemPosition(QMenu *menu, int id) const
{
    const QList<QAction *> items = menu->actions();
    for (int i = TrackItemCount(menu) - 1; i >= 0; --i) {
        if (items[i]->data().toInt() == id)
            return i;
    }
    return -1;
}

QAction *MainMenus::AddTrackItem(QMenu *menu, int position, int id, std::function<void(int id)> chosen)
{
    auto *item = new QAction(QString::number(id) + u':', menu);
    item->setCheckable(true);
    item->setData(id);
    item->setProperty(kGroup, RadioGroup);
    item->setProperty(kTrack, true);
    (menu == MAudio ? m_audioGroup : m_subtitleGroup)->addAction(item);
    const QList<QAction *> items = menu->actions();
    menu->insertAction(position >= 0 && position < items.size() ? items[position] : nullptr, item);
    connect(item, &QAction::triggered, item, [item, chosen = std::move(chosen)] {
        if (chosen)
            chosen(item->data().toInt());
    });
    return item;
}

void MainMenus::NameTrackItem(QMenu *menu, int position, const QString &name)
{
    const QList<QAction *> items = menu->actions();
    if (position < 0 || position >= items.size())
        return;
    QString caption = items[position]->text();
    const qsizetype colon = caption.indexOf(u':');
    if (colon < 0)
        return;
    // The engine link names a track anew as it learns more of it.
    caption = caption.left(colon + 1) + u' ' + asCaption(ShortenText(name, kNameLength));
    items[position]->setText(caption);
}

void MainMenus::ClearTrackItems()
{
    for (QMenu *menu : {MAudio, MSubtitle}) {
        const QList<QAction *> items = menu->actions();
        for (int i = 0, n = TrackItemCount(menu); i < n; ++i)
            delete items[i];
    }
    MSNone->setChecked(true);
}

void MainMenus::TickMenuValue(QMenu *menu, int value)
{
    QAction *none = nullptr;
    for (QAction *item : menu->actions()) {
        if (item->property(kGroup).toInt() != RadioGroup)
            continue;
        if (item->data().toInt() == value) {
            item->setChecked(true);
            return;
        }
        if (item->data().toInt() == -1)
            none = item;
    }
    if (none)
        none->setChecked(true);
}
