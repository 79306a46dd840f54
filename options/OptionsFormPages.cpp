// The pages' controls, placed by layouts. A page's name is its section of
// OptionsTexts, and a captioned control's name its key there.
#include "options/OptionsForm.h"
#include "options/RadioGroup.h"

#include "common/Report.h"
#include "i18n/Localization.h"
#include "i18n/OptionsTexts.h"
#include "platform/EngineOptions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
template <typename W, typename... Args> W *Make(QWidget *parent, const char *name, Args &&...args)
{
    auto *w = new W(std::forward<Args>(args)..., parent);
    w->setObjectName(QLatin1String(name));
    return w;
}

// An output choice: the list of outputs above the custom option text.
void OutputGroup(QGroupBox *group, QComboBox *list, QLineEdit *custom, const QStringList &items)
{
    list->addItems(items);
    custom->setEnabled(false);
    auto *layout = new QVBoxLayout(group);
    layout->addWidget(list);
    layout->addWidget(custom);
    QObject::connect(list, &QComboBox::activated, custom,
                     [list, custom] { custom->setEnabled(list->currentIndex() == 0); });
}
} // namespace

QString TOptionsForm::caption(const QWidget *page, const char *key) const
{
    return OptionsCaption(*m_parts.Local, FindOptionsText(page->objectName(), QString::fromLatin1(key)));
}

QString TOptionsForm::word(QString TZorviLocal::*field, const char *designed) const
{
    const Localization &local = *m_parts.Local;
    return local.LanguageIndex == 0 ? QString::fromLatin1(designed) : local.Texts.*field;
}

QWidget *TOptionsForm::addPage(const char *name)
{
    auto *page = new QWidget;
    page->setObjectName(QLatin1String(name));
    Pages->addTab(page, caption(page, "Caption"));
    return page;
}

void TOptionsForm::createGeneralPage()
{
    QWidget *p = GeneralTab = addPage("GeneralTab");
    LPath = Make<QLabel>(p, "LPath", caption(p, "LPath"));
    LOSD = Make<QLabel>(p, "LOSD", caption(p, "LOSD"));
    LLang = Make<QLabel>(p, "LLang", caption(p, "LLang"));
    SingleInstChkBox = Make<QCheckBox>(p, "SingleInstChkBox", caption(p, "SingleInstChkBox"));
    StartFSChkBox = Make<QCheckBox>(p, "StartFSChkBox", caption(p, "StartFSChkBox"));
    ResumeChkBox = Make<QCheckBox>(p, "ResumeChkBox", caption(p, "ResumeChkBox"));
    RestorePlaylistChkBox = Make<QCheckBox>(p, "RestorePlaylistChkBox", caption(p, "RestorePlaylistChkBox"));
    ResizeRadioGroup =
        Make<RadioGroup>(p, "ResizeRadioGroup", caption(p, "ResizeRadioGroup"),
                         QStringList{caption(p, "ResizeRadioGroup0"), caption(p, "ResizeRadioGroup1")});
    LangComboBox = Make<QComboBox>(p, "LangComboBox");
    PathEdit = Make<QLineEdit>(p, "PathEdit");
    PathButton = Make<QPushButton>(p, "PathButton", QStringLiteral("..."));
    PathButton->setFixedWidth(PathButton->fontMetrics().horizontalAdvance(QStringLiteral("...")) + 24);
    PathButton->setAutoDefault(false);
    connect(PathButton, &QPushButton::clicked, this,
            [this] { RunGuarded([this] { choosePath(PathEdit, LPath); }); });
    OSDSpinEdit = Make<QSpinBox>(p, "OSDSpinEdit");
    OSDSpinEdit->setRange(0, 3);

    auto *grid = new QGridLayout(p);
    grid->addWidget(LLang, 0, 0);
    grid->addWidget(LangComboBox, 0, 1, 1, 2);
    grid->addWidget(SingleInstChkBox, 1, 0, 1, 3);
    grid->addWidget(StartFSChkBox, 2, 0, 1, 3);
    grid->addWidget(ResumeChkBox, 3, 0, 1, 3);
    grid->addWidget(RestorePlaylistChkBox, 4, 0, 1, 3);
    grid->addWidget(LPath, 5, 0);
    grid->addWidget(PathEdit, 5, 1);
    grid->addWidget(PathButton, 5, 2);
    grid->addWidget(ResizeRadioGroup, 6, 0, 1, 3);
    auto *osd = new QHBoxLayout;
    osd->addWidget(LOSD);
    osd->addWidget(OSDSpinEdit);
    osd->addStretch(1);
    grid->addLayout(osd, 7, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(8, 1);
    setTabOrder(LangComboBox, SingleInstChkBox);
    setTabOrder(SingleInstChkBox, StartFSChkBox);
    setTabOrder(StartFSChkBox, ResumeChkBox);
    setTabOrder(ResumeChkBox, RestorePlaylistChkBox);
    setTabOrder(RestorePlaylistChkBox, PathEdit);
    setTabOrder(PathEdit, PathButton);
    setTabOrder(PathButton, ResizeRadioGroup);
    setTabOrder(ResizeRadioGroup, OSDSpinEdit);
}

void TOptionsForm::createVideoPage()
{
    QWidget *p = VideoTab = addPage("VideoTab");
    VideoOutGroupBox = Make<QGroupBox>(p, "VideoOutGroupBox", caption(p, "VideoOutGroupBox"));
    VOComboBox = Make<QComboBox>(VideoOutGroupBox, "VOComboBox");
    CustomVOEdit = Make<QLineEdit>(VideoOutGroupBox, "CustomVOEdit");
    OutputGroup(VideoOutGroupBox, VOComboBox, CustomVOEdit,
                {word(&TZorviLocal::Custom, "Custom") + QStringLiteral("..."), caption(p, "VOnull"),
                 caption(p, "VOdx"), caption(p, "VOgl2")});
    auto *layout = new QVBoxLayout(p);
    layout->addWidget(VideoOutGroupBox);
    layout->addStretch(1);
}

void TOptionsForm::createAudioPage()
{
    QWidget *p = AudioTab = addPage("AudioTab");
    MuteOnSeekChkBox = Make<QCheckBox>(p, "MuteOnSeekChkBox", caption(p, "MuteOnSeekChkBox"));
    AudioOutGroupBox = Make<QGroupBox>(p, "AudioOutGroupBox", caption(p, "AudioOutGroupBox"));
    AOComboBox = Make<QComboBox>(AudioOutGroupBox, "AOComboBox");
    CustomAOEdit = Make<QLineEdit>(AudioOutGroupBox, "CustomAOEdit");
    OutputGroup(AudioOutGroupBox, AOComboBox, CustomAOEdit,
                {word(&TZorviLocal::Custom, "Custom") + QStringLiteral("..."), caption(p, "AOnull"),
                 caption(p, "AOwin32"), caption(p, "AOdsound")});
    auto *layout = new QVBoxLayout(p);
    layout->addWidget(AudioOutGroupBox);
    layout->addWidget(MuteOnSeekChkBox);
    layout->addStretch(1);
}

void TOptionsForm::createShortcutsPage()
{
    QWidget *p = ShortcutsTab = addPage("ShortcutsTab");
    ShortcutListView = Make<QTableWidget>(p, "ShortcutListView", 0, 3);
    QTableWidget *list = ShortcutListView;
    // Column 2 holds the command text; it is never shown.
    list->setHorizontalHeaderLabels({caption(p, "Shortcut"), caption(p, "Action"), QString()});
    list->setColumnHidden(2, true);
    list->setColumnWidth(0, 160);
    list->setColumnWidth(1, 183);
    list->horizontalHeader()->setSectionsClickable(false);
    // A desktop font wider than the designed one widens the dialog: the actions take the room.
    list->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    list->verticalHeader()->hide();
    list->verticalHeader()->setDefaultSectionSize(list->fontMetrics().height() + 4);
    list->setShowGrid(true);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setTabKeyNavigation(false);
    list->setWordWrap(false);
    list->setMinimumWidth(160 + 183 + list->verticalScrollBar()->sizeHint().width() + 2 * list->frameWidth());

    BShortcut = Make<QPushButton>(p, "BShortcut", QStringLiteral("..."));
    BShortcut->setFixedWidth(173);
    BShortRemove = Make<QPushButton>(p, "BShortRemove", word(&TZorviLocal::Remove, "Remove"));
    BShortRemove->setEnabled(false);
    BShortAC = Make<QPushButton>(p, "BShortAC", QStringLiteral("Add"));
    for (QPushButton *b : {BShortcut, BShortRemove, BShortAC})
        b->setAutoDefault(false);
    CommandComboBox = Make<QComboBox>(p, "CommandComboBox");
    CommandComboBox->setMaxVisibleItems(16);
    CommandComboBox->setFixedWidth(173);
    CmdStrEdit = Make<QLineEdit>(p, "CmdStrEdit");

    connect(list, &QTableWidget::itemSelectionChanged, this,
            [this] { RunGuarded([this] { rowSelected(); }); });
    connect(BShortcut, &QPushButton::clicked, this, [this] { RunGuarded([this] { shortcutClicked(); }); });
    connect(BShortAC, &QPushButton::clicked, this, [this] { RunGuarded([this] { addOrChange(); }); });
    connect(BShortRemove, &QPushButton::clicked, this, [this] { RunGuarded([this] { removeRow(); }); });
    connect(CommandComboBox, &QComboBox::activated, this,
            [this](int item) { RunGuarded([&] { commandChosen(item); }); });
    connect(CmdStrEdit, &QLineEdit::textEdited, this,
            [this](const QString &text) { RunGuarded([&] { commandEdited(text); }); });

    auto *grid = new QGridLayout(p);
    grid->addWidget(list, 0, 0, 1, 4);
    grid->addWidget(BShortcut, 1, 0);
    grid->addWidget(BShortRemove, 1, 2);
    grid->addWidget(BShortAC, 1, 3);
    grid->addWidget(CommandComboBox, 2, 0);
    grid->addWidget(CmdStrEdit, 2, 1, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(0, 1);
}

void TOptionsForm::createAdvancedPage()
{
    QWidget *p = AdvancedTab = addPage("AdvancedTab");
    BoostChkBox = Make<QCheckBox>(p, "BoostChkBox", caption(p, "BoostChkBox"));
    CacheChkBox = Make<QCheckBox>(p, "CacheChkBox", caption(p, "CacheChkBox"));
    AddParamGroupBox = Make<QGroupBox>(p, "AddParamGroupBox", caption(p, "AddParamGroupBox"));
    CacheEdit = Make<QSpinBox>(p, "CacheEdit");
    CacheEdit->setRange(0, 8192);
    CacheEdit->setSingleStep(128);

    // The engine: which one plays, mpv's path and its hardware decoding
    // (MPlayer's path stays on the General page).
    EngineGroupBox = Make<QGroupBox>(p, "EngineGroupBox", caption(p, "EngineGroupBox"));
    QGroupBox *g = EngineGroupBox;
    LEngine = Make<QLabel>(g, "LEngine", caption(p, "LEngine"));
    EngineComboBox = Make<QComboBox>(g, "EngineComboBox");
    EngineComboBox->addItems({caption(p, "EngineAuto"), QStringLiteral("MPlayer"), QStringLiteral("mpv")});
    LEngineInUse = Make<QLabel>(g, "LEngineInUse", caption(p, "LEngineInUse"));
    EngineInUse = Make<QLabel>(g, "EngineInUse");
    LMpvPath = Make<QLabel>(g, "LMpvPath", caption(p, "LMpvPath"));
    MpvPathEdit = Make<QLineEdit>(g, "MpvPathEdit");
    MpvPathButton = Make<QPushButton>(g, "MpvPathButton", QStringLiteral("..."));
    MpvPathButton->setFixedWidth(PathButton->maximumWidth());
    MpvPathButton->setAutoDefault(false);
    connect(MpvPathButton, &QPushButton::clicked, this,
            [this] { RunGuarded([this] { choosePath(MpvPathEdit, LMpvPath); }); });
    HwDecChkBox = Make<QCheckBox>(g, "HwDecChkBox", caption(p, "HwDecChkBox"));
    auto *engine = new QGridLayout(g);
    engine->addWidget(LEngine, 0, 0);
    engine->addWidget(EngineComboBox, 0, 1, 1, 2);
    auto *inUse = new QHBoxLayout;
    inUse->addWidget(LEngineInUse);
    inUse->addWidget(EngineInUse, 1);
    engine->addLayout(inUse, 1, 1, 1, 2);
    engine->addWidget(LMpvPath, 2, 0);
    engine->addWidget(MpvPathEdit, 2, 1);
    engine->addWidget(MpvPathButton, 2, 2);
    engine->addWidget(HwDecChkBox, 3, 0, 1, 3);
    engine->setColumnStretch(1, 1);

    static const char *const checks[] = {"Param0ChkBox", "Param1ChkBox", "Param2ChkBox"};
    static const char *const edits[] = {"Param0Edit", "Param1Edit", "Param2Edit"};
    auto *params = new QGridLayout(AddParamGroupBox);
    for (int i = 0; i < 3; ++i) {
        ParamChkBox[i] = Make<QCheckBox>(AddParamGroupBox, checks[i]);
        ParamEdit[i] = Make<QLineEdit>(AddParamGroupBox, edits[i]);
        params->addWidget(ParamChkBox[i], i, 0);
        params->addWidget(ParamEdit[i], i, 1);
    }
    params->setColumnStretch(1, 1);

    auto *layout = new QVBoxLayout(p);
    auto *boost = new QHBoxLayout;
    boost->addWidget(BoostChkBox);
    // The box stays: the setting is kept for a run that has the privilege.
    auto *note = Make<QLabel>(p, "LBoostNote", caption(p, "LBoostNote"));
    note->setVisible(!CanRaisePriority());
    boost->addWidget(note);
    boost->addStretch(1);
    layout->addLayout(boost);
    auto *cache = new QHBoxLayout;
    cache->addWidget(CacheChkBox);
    cache->addWidget(CacheEdit);
    cache->addStretch(1);
    layout->addLayout(cache);
    layout->addWidget(EngineGroupBox);
    layout->addWidget(AddParamGroupBox);
    layout->addStretch(1);
    setTabOrder(BoostChkBox, CacheChkBox);
    setTabOrder(CacheChkBox, CacheEdit);
}

void TOptionsForm::createAboutPage()
{
    QWidget *p = TabAbout = addPage("TabAbout");
    // These texts are not translated.
    auto *frame = Make<QFrame>(p, "_AboutFrame");
    LAppName = Make<QLabel>(frame, "LAppName", QStringLiteral("Zorvi"));
    QFont big = LAppName->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 2.2);
    LAppName->setFont(big);
    LDescription = Make<QLabel>(frame, "LDescription", QStringLiteral("Another MPlayer user interface"));
    LVersion = Make<QLabel>(frame, "LVersion");
    LMPVersion = Make<QLabel>(frame, "LMPVersion");
    auto *inner = new QVBoxLayout(frame);
    inner->addStretch(1);
    for (QLabel *label : {LAppName, LDescription, LVersion, LMPVersion}) {
        label->setAlignment(Qt::AlignHCenter);
        inner->addWidget(label);
    }
    inner->insertSpacing(2, LVersion->fontMetrics().lineSpacing());
    inner->addStretch(1);
    auto *layout = new QVBoxLayout(p);
    layout->addWidget(frame);
}
