#include "skin/SkinControls.h"

#include "common/Report.h"
#include "controls/ZorviControls.h"
#include "playlist/SelectList.h"
#include "skin/BuiltInSkins.h"

#include <QActionGroup>
#include <QEvent>
#include <QMenu>

const char *const SkinControls::PanelNames[4] = {"TopPanel", "BottomPanel", "LeftPanel", "RightPanel"};
const char *const SkinControls::ButtonNames[ButtonCount] = {
    "BPlay",  "BPlayPause", "BPause",    "BStop",   "BNext",     "BPrev",       "BMute",
    "BSeekB", "BSeekF",     "BPlaylist", "BStatus", "BMainQuit", "BFullscreen", "BMinimize"};
const char *const SkinControls::TrackbarNames[2] = {"SeekBar", "VolBar"};
const char *const SkinControls::LabelNames[4] = {"LTime", "LMediaURL", "LPlaylist", "LStatus"};

SkinControls::SkinControls(QWidget *host) : m_host(host) {}

SkinControls::~SkinControls()
{
    FreeSkinControls();
}

void SkinControls::CreateSkinControls(TSelectList *playlist, const QStringList &skinFolders, QMenu *mainPopup,
                                      QMenu *plPopup)
{
    FreeSkinControls();
    InitBuiltInSkins();
    m_mainPopup = mainPopup;
    m_plPopup = plPopup;
    QWidget *host = m_host;
    host->installEventFilter(this);

    auto track = [this](QWidget *w) { m_created.emplace_back(w); };
    auto popupOn = [](QWidget *w, QPointer<QMenu> *menu) {
        w->setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(w, &QWidget::customContextMenuRequested, w, [w, menu](const QPoint &pos) {
            if (*menu)
                (*menu)->popup(w->mapToGlobal(pos));
        });
    };

    // Docking order follows position: the bottom panel starts below and the
    // right panel right of everything else, so they stay outermost.
    const ::Align aligns[4] = {Align::Top, Align::Bottom, Align::Left, Align::Right};
    for (int i = 0; i < 4; ++i) {
        auto *panel = new TZorviPanel(host);
        panel->setObjectName(QLatin1String(PanelNames[i]));
        if (i == 1)
            panel->move(0, 5000);
        if (i == 3)
            panel->move(5000, 0);
        panel->SetAlign(aligns[i]);
        panel->OnMouseDown = [this](QObject *sender, QMouseEvent *event) {
            if (Handlers.TitleBarMouseDown)
                Handlers.TitleBarMouseDown(sender, event);
        };
        popupOn(panel, &m_mainPopup);
        panel->show();
        m_panels[size_t(i)] = panel;
        track(panel);
    }
    TopPanel = m_panels[0];
    BottomPanel = m_panels[1];
    LeftPanel = m_panels[2];
    RightPanel = m_panels[3];

    Playlist = new TZorviListBox(host);
    Playlist->setObjectName(QStringLiteral("Playlist"));
    Playlist->move(50, 50);
    Playlist->SetAlign(Align::Left);
    Playlist->hide();
    if (playlist)
        Playlist->SetList(playlist);
    Playlist->OnDblClick = [this](QObject *sender) {
        if (Handlers.PlaylistBoxDblClick)
            Handlers.PlaylistBoxDblClick(sender);
    };
    popupOn(Playlist, &m_plPopup);
    track(Playlist);

    for (int i = 0; i < ButtonCount; ++i) {
        auto *button = new TZorviButton(BottomPanel);
        button->setObjectName(QLatin1String(ButtonNames[i]));
        button->OnClick = [this](QObject *sender) {
            if (Handlers.ButtonsClick)
                Handlers.ButtonsClick(sender);
        };
        m_buttons[size_t(i)] = button;
        track(button);
    }
    TZorviButton **named[ButtonCount] = {&BPlay,   &BPlayPause, &BPause,      &BStop,    &BNext,
                                         &BPrev,   &BMute,      &BSeekB,      &BSeekF,   &BPlaylist,
                                         &BStatus, &BMainQuit,  &BFullscreen, &BMinimize};
    for (int i = 0; i < ButtonCount; ++i)
        *named[i] = m_buttons[size_t(i)];
    BStatus->SetBitCurState(1);

    for (int i = 0; i < 2; ++i) {
        auto *bar = new TZorviTrackbar(BottomPanel);
        bar->setObjectName(QLatin1String(TrackbarNames[i]));
        m_trackbars[size_t(i)] = bar;
        track(bar);
    }
    SeekBar = m_trackbars[0];
    VolBar = m_trackbars[1];
    SeekBar->OnTrack = [this](TZorviTrackbar *sender, int &newPos, bool &update) {
        if (Handlers.SeekTracking)
            Handlers.SeekTracking(sender, newPos, update);
    };
    SeekBar->OnMouseMove = [this](QObject *sender, QMouseEvent *event) {
        if (Handlers.SeekBarMouseMove)
            Handlers.SeekBarMouseMove(sender, event);
    };
    auto seekLeave = [this](QObject *sender) {
        if (Handlers.SeekBarMouseLeave)
            Handlers.SeekBarMouseLeave(sender);
    };
    SeekBar->OnMouseLeave = seekLeave;
    VolBar->SetMax(100);
    VolBar->OnTrack = [this](TZorviTrackbar *sender, int &newPos, bool &update) {
        if (Handlers.VolTracking)
            Handlers.VolTracking(sender, newPos, update);
    };

    for (int i = 0; i < 4; ++i) {
        auto *label = new TZorviLabel(BottomPanel);
        label->setObjectName(QLatin1String(LabelNames[i]));
        m_labels[size_t(i)] = label;
        track(label);
    }
    LTime = m_labels[0];
    LMediaURL = m_labels[1];
    LPlaylist = m_labels[2];
    LStatus = m_labels[3];
    LTime->OnMouseLeave = seekLeave;

    ZorviRealign(host);
    m_skinList.Build(skinFolders);
    BuildSkinsMenu();
}

void SkinControls::BuildSkinsMenu()
{
    m_menu = std::make_unique<QMenu>();
    m_menu->setObjectName(QStringLiteral("MSkins"));
    m_menu->setTitle(QStringLiteral("Skins"));
    m_group = new QActionGroup(m_menu.get());
    m_group->setExclusive(true);
    for (int i = 0; i < m_skinList.Count(); ++i) {
        QString caption = m_skinList.At(i).Name;
        caption.replace(u'&', QLatin1String("&&")); // a name, not a mnemonic
        QAction *item = m_menu->addAction(caption);
        item->setCheckable(true);
        item->setData(i);
        m_group->addAction(item);
        connect(item, &QAction::triggered, this, [this, item] { RunGuarded([&] { MSkinsClick(item); }); });
    }
}

std::vector<TZorviControl *> SkinControls::ExtraElements() const
{
    std::vector<TZorviControl *> list;
    for (const auto &e : m_extras)
        if (e)
            list.push_back(e);
    return list;
}

void SkinControls::FreeExtraElements()
{
    for (auto &e : m_extras)
        delete e.data();
    m_extras.clear();
}

void SkinControls::FreeSkinControls()
{
    FreeExtraElements();
    // Children before their containers, so nothing is freed twice.
    for (auto it = m_created.rbegin(); it != m_created.rend(); ++it)
        delete it->data();
    m_created.clear();
    if (m_host)
        m_host->removeEventFilter(this);
    m_panels.fill(nullptr);
    m_buttons.fill(nullptr);
    m_trackbars.fill(nullptr);
    m_labels.fill(nullptr);
    TopPanel = BottomPanel = LeftPanel = RightPanel = nullptr;
    Playlist = nullptr;
    BPlay = BPlayPause = BPause = BStop = BNext = BPrev = BMute = BSeekB = BSeekF = BPlaylist = BStatus =
        BMainQuit = BFullscreen = BMinimize = nullptr;
    SeekBar = VolBar = nullptr;
    LTime = LMediaURL = LPlaylist = LStatus = nullptr;
    m_group = nullptr;
    m_menu.reset();
    m_skinList = SkinList();
    m_loadedIndex = -1;
}

bool SkinControls::eventFilter(QObject *watched, QEvent *event)
{
    // The host docks the panels and the playlist box on every resize.
    if (watched == m_host && event->type() == QEvent::Resize)
        RunGuarded([this] { ZorviRealign(m_host); });
    return QObject::eventFilter(watched, event);
}
