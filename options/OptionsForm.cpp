#include "options/OptionsForm.h"

#include "common/Report.h"
#include "i18n/Localization.h"
#include "i18n/OptionsTexts.h"
#include "options/OptionsEngine.h"
#include "options/RadioGroup.h"
#include "platform/Paths.h"
#include "settings/SettingsData.h"
#include "shortcuts/ShortcutCaptureForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <initializer_list>
#include <iterator>

namespace {
constexpr int kPageCount = 7;
// The engine list's entries, as [Options] Engine names them.
const QLatin1String kEngineNames[] = {QLatin1String("auto"), QLatin1String("mplayer"), QLatin1String("mpv")};

int Slot(EngineKind kind)
{
    return kind == EngineKind::Mpv ? 1 : 0;
}

void SelectOutput(QComboBox *list, QLineEdit *custom, int index, const QString &text)
{
    list->setCurrentIndex(index);
    custom->setEnabled(list->currentIndex() == 0);
    custom->setText(text);
}
} // namespace

TOptionsForm::TOptionsForm(const OptionsFormParts &parts, QWidget *parent)
    : QDialog(parent), m_parts(parts), m_programDir(Platform::ProgramDirectory())
{
    setObjectName(QStringLiteral("OptionsForm"));
    setWindowTitle(OptionsCaption(*m_parts.Local, FindOptionsText(u"Options", u"Caption")));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    Pages = new QTabWidget(this);
    // Every page's tab in sight: the dialog is as wide as the desktop font needs.
    Pages->setUsesScrollButtons(false);
    createGeneralPage();
    createVideoPage();
    createAudioPage();
    SubtitlesTab = addPage("SubtitlesTab");
    createShortcutsPage();
    createAdvancedPage();
    createAboutPage();

    LShortHelp = new QLabel(this);
    LShortHelp->setObjectName(QStringLiteral("LShortHelp"));
    LShortHelp->setWordWrap(true);
    LShortHelp->setFixedHeight(2 * LShortHelp->fontMetrics().lineSpacing() + 2);
    BSave = new QPushButton(word(&TZorviLocal::Ok, "Ok"), this);
    BSave->setObjectName(QStringLiteral("BSave"));
    BSave->setDefault(true);
    BCancel = new QPushButton(word(&TZorviLocal::Cancel, "Cancel"), this);
    BCancel->setObjectName(QStringLiteral("BCancel"));
    connect(BSave, &QPushButton::clicked, this, [this] { RunGuarded([this] { Apply(); }); });
    connect(BCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *strip = new QHBoxLayout;
    strip->addWidget(LShortHelp, 1);
    strip->addWidget(BSave, 0, Qt::AlignVCenter);
    strip->addWidget(BCancel, 0, Qt::AlignVCenter);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(Pages, 1);
    layout->addLayout(strip);

    CaptureShortcut = [this](std::uint32_t &code) {
        const TZorviLocal &texts = m_parts.Local->Texts;
        TShortcutCaptureForm capture(texts.ShortCapHelp, texts.Cancel, this);
        capture.move(x() + (width() - capture.width()) / 2, y() + (height() - capture.height()) / 2);
        if (capture.exec() != QDialog::Accepted)
            return false;
        code = capture.CapturedCode();
        return true;
    };
    ChooseEnginePath = [this](const QString &title, const QString &current) {
        // A bare name ("mplayer") is looked for where the engine would be found.
        const QString start =
            QFileInfo(current).isAbsolute() ? current : QStandardPaths::findExecutable(current);
        return QFileDialog::getOpenFileName(this, title, start);
    };

    loadSettings();
    // Connected once loaded, so a half-loaded page never moves the custom texts.
    const auto follow = [this] { RunGuarded([this] { followEngine(); }); };
    connect(EngineComboBox, &QComboBox::currentIndexChanged, this, follow);
    connect(PathEdit, &QLineEdit::textChanged, this, follow);
    connect(MpvPathEdit, &QLineEdit::textChanged, this, follow);
    // Fixed border around what the pages need, at least the designed client area.
    setFixedSize(layout->sizeHint().expandedTo(QSize(386, 318)));

    connect(Pages, &QTabWidget::currentChanged, this, [this] { RunGuarded([this] { pageChanged(); }); });
    const int last = m_parts.Settings->LastSession.LastOptionsTab;
    Pages->setCurrentIndex(last >= 0 && last < kPageCount ? last : 0);
    pageChanged();
    // Key preview: Ctrl+Tab turns the pages whichever control has the focus.
    qApp->installEventFilter(this);
}

TOptionsForm::~TOptionsForm()
{
    m_parts.Settings->LastSession.LastOptionsTab = Pages->currentIndex();
}

void TOptionsForm::loadSettings()
{
    const OptionsSettings &o = m_parts.Settings->Options;
    const Localization &local = *m_parts.Local;
    SingleInstChkBox->setChecked(o.SingleInstance);
    StartFSChkBox->setChecked(o.StartFullscreen);
    ResumeChkBox->setChecked(o.Resume);
    RestorePlaylistChkBox->setChecked(o.RestorePlaylist);
    PathEdit->setText(o.MPlayerPath);
    ResizeRadioGroup->SetItemIndex(o.ResizeOnOpen ? 0 : 1);
    OSDSpinEdit->setValue(o.OSDLevel);

    for (const TLocalsItem &language : local.Languages)
        LangComboBox->addItem(language.DisplayName);
    LangComboBox->setCurrentIndex(local.LanguageIndex);

    m_customVideo[0] = o.CustomVideoOut;
    m_customVideo[1] = o.MpvCustomVideoOut;
    m_customAudio[0] = o.CustomAudioOut;
    m_customAudio[1] = o.MpvCustomAudioOut;
    SelectOutput(VOComboBox, CustomVOEdit, o.VideoOut, m_customVideo[0]);
    SelectOutput(AOComboBox, CustomAOEdit, o.AudioOut, m_customAudio[0]);
    MuteOnSeekChkBox->setChecked(o.MuteOnPauseSeek);

    loadShortcuts();
    fillCommandList();

    BoostChkBox->setChecked(o.PriorityBoost);
    CacheChkBox->setChecked(o.Cache);
    CacheEdit->setValue(o.CacheSize);
    for (int i = 0; i < 3; ++i) {
        ParamChkBox[i]->setChecked(o.AddParams[i].Enabled);
        ParamEdit[i]->setText(o.AddParams[i].Text);
    }
    const QString engine = o.Engine.trimmed().toLower();
    m_loadedEngine = int(std::find(std::begin(kEngineNames), std::end(kEngineNames), engine) - kEngineNames);
    if (m_loadedEngine == int(std::size(kEngineNames)))
        m_loadedEngine = -1; // not a name the list has: Auto is shown, OK writes it
    EngineComboBox->setCurrentIndex(std::max(m_loadedEngine, 0));
    MpvPathEdit->setText(o.MpvPath);
    HwDecChkBox->setChecked(o.HardwareDecoding);
    followEngine();

    LVersion->setText(QStringLiteral("Version : 0.5.9"));
    const bool mpv = EngineInUseNow().Kind == EngineKind::Mpv;
    LMPVersion->setText((mpv ? QStringLiteral("mpv") : QStringLiteral("MPlayer")) +
                        QStringLiteral(" Version : ") +
                        (m_parts.Engine ? m_parts.Engine->Version() : QStringLiteral("?")));
}

ChosenEngine TOptionsForm::EngineInUseNow() const
{
    return ChooseEngine(engineChoice(), PathEdit->text().trimmed(), MpvPathEdit->text().trimmed(),
                        m_programDir);
}

QString TOptionsForm::engineChoice() const
{
    return kEngineNames[std::clamp(EngineComboBox->currentIndex(), 0, int(std::size(kEngineNames)) - 1)];
}

void TOptionsForm::followEngine()
{
    const ChosenEngine chosen = EngineInUseNow();
    const bool mpv = chosen.Kind == EngineKind::Mpv;
    // A path or switch the chosen engine never reads is greyed; Auto may read both paths.
    const int entry = EngineComboBox->currentIndex();
    for (QWidget *w : std::initializer_list<QWidget *>{PathEdit, PathButton})
        w->setEnabled(entry != 2);
    for (QWidget *w : std::initializer_list<QWidget *>{MpvPathEdit, MpvPathButton, HwDecChkBox})
        w->setEnabled(entry != 1);
    const QFileInfo program(chosen.Program);
    QString inUse = mpv ? QStringLiteral("mpv") : QStringLiteral("MPlayer");
    if (!program.isFile() || !program.isExecutable())
        inUse += QStringLiteral(" \u2014 ") + caption(AdvancedTab, "EngineMissing");
    EngineInUse->setText(inUse);

    if (chosen.Kind != m_outputsOf) {
        m_customVideo[Slot(m_outputsOf)] = CustomVOEdit->text();
        m_customAudio[Slot(m_outputsOf)] = CustomAOEdit->text();
        m_outputsOf = chosen.Kind;
        CustomVOEdit->setText(m_customVideo[Slot(m_outputsOf)]);
        CustomAOEdit->setText(m_customAudio[Slot(m_outputsOf)]);
    }
    VOComboBox->setItemText(3, caption(VideoTab, mpv ? "VOgpu" : "VOgl2"));
    // The groups name the engine whose options they show when it is not MPlayer.
    const auto title = [mpv](const QString &text) {
        return mpv ? u' ' + text.trimmed() + QStringLiteral(" (mpv) ") : text;
    };
    VideoOutGroupBox->setTitle(title(caption(VideoTab, "VideoOutGroupBox")));
    AudioOutGroupBox->setTitle(title(caption(AudioTab, "AudioOutGroupBox")));
}

void TOptionsForm::pageChanged()
{
    LShortHelp->setText(Pages->currentWidget() == ShortcutsTab ? QLatin1String(HelpLocate) : QString());
}

void TOptionsForm::turnPage(int step)
{
    Pages->setCurrentIndex((Pages->currentIndex() + step + kPageCount) % kPageCount);
}

bool TOptionsForm::eventFilter(QObject *watched, QEvent *e)
{
    if (e->type() == QEvent::KeyPress) {
        const auto *widget = qobject_cast<QWidget *>(watched);
        const auto *key = static_cast<QKeyEvent *>(e);
        const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        if (widget && widget->window() == this && tab && (key->modifiers() & Qt::ControlModifier)) {
            const bool back = key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier);
            turnPage(back ? -1 : 1);
            return true;
        }
    }
    return QDialog::eventFilter(watched, e);
}

void TOptionsForm::choosePath(QLineEdit *edit, const QLabel *label)
{
    const QString chosen = ChooseEnginePath(label->text(), edit->text().trimmed());
    if (!chosen.isEmpty())
        edit->setText(chosen);
}
