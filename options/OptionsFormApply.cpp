// OK: the controls go into the settings in a fixed order, which decides
// what needs the engine restarted; then the save, the restart and the close.
#include "options/OptionsForm.h"

#include "common/Clock.h"
#include "common/Report.h"
#include "common/ZError.h"
#include "i18n/Localization.h"
#include "options/OptionsEngine.h"
#include "options/RadioGroup.h"
#include "settings/SettingsData.h"
#include "settings/SettingsStore.h"
#include "shortcuts/ShortcutList.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableWidget>

namespace {
// How long the stopped engine is given before its end is handled and it starts again.
constexpr int kRestartPauseMs = 50;

// Takes the output list's choice and both engines' custom texts ([0]
// MPlayer's, [1] mpv's); true when the engine in use gets another option.
bool TakeOutput(const QComboBox *list, const QString (&custom)[2], EngineKind inUse, int &out,
                QString &mplayerCustom, QString &mpvCustom)
{
    const int index = list->currentIndex();
    QString &used = inUse == EngineKind::Mpv ? mpvCustom : mplayerCustom;
    const bool changed = index != out || custom[inUse == EngineKind::Mpv ? 1 : 0] != used;
    out = index;
    mplayerCustom = custom[0];
    mpvCustom = custom[1];
    return changed;
}
} // namespace

bool TOptionsForm::applyControls()
{
    OptionsSettings &o = m_parts.Settings->Options;
    Localization &local = *m_parts.Local;
    bool restart = false;
    const ChosenEngine before = ChooseEngine(o.Engine, o.MPlayerPath, o.MpvPath, m_programDir);

    o.SingleInstance = SingleInstChkBox->isChecked();
    o.StartFullscreen = StartFSChkBox->isChecked();
    o.Resume = ResumeChkBox->isChecked();
    o.RestorePlaylist = RestorePlaylistChkBox->isChecked();
    o.MPlayerPath = PathEdit->text().trimmed();
    o.ResizeOnOpen = ResizeRadioGroup->ItemIndex() == 0;
    if (OSDSpinEdit->value() != o.OSDLevel) {
        o.OSDLevel = OSDSpinEdit->value();
        if (m_parts.Engine)
            m_parts.Engine->PostCommand("osd " + QByteArray::number(o.OSDLevel));
    }
    if (LangComboBox->currentIndex() != local.LanguageIndex)
        local.SwitchLanguage(LangComboBox->currentIndex());
    const int shown = m_outputsOf == EngineKind::Mpv ? 1 : 0;
    m_customVideo[shown] = CustomVOEdit->text();
    m_customAudio[shown] = CustomAOEdit->text();
    restart |=
        TakeOutput(VOComboBox, m_customVideo, m_outputsOf, o.VideoOut, o.CustomVideoOut, o.MpvCustomVideoOut);
    restart |=
        TakeOutput(AOComboBox, m_customAudio, m_outputsOf, o.AudioOut, o.CustomAudioOut, o.MpvCustomAudioOut);
    o.MuteOnPauseSeek = MuteOnSeekChkBox->isChecked();

    if (m_shortcutsModified) {
        TmyShortcutArray &items = m_parts.Shortcuts->Items;
        items.resize(std::size_t(ShortcutListView->rowCount()));
        for (int i = 0; i < ShortcutListView->rowCount(); ++i) {
            const Row r = rowAt(i);
            items[std::size_t(i)] = {std::int32_t(r.Code), r.Index, r.Command.toUtf8()};
        }
    }

    if (BoostChkBox->isChecked() != o.PriorityBoost) {
        o.PriorityBoost = BoostChkBox->isChecked();
        restart = true;
    }
    if (CacheChkBox->isChecked() != o.Cache) {
        o.Cache = CacheChkBox->isChecked();
        restart = true;
    }
    if (CacheEdit->value() != o.CacheSize) {
        o.CacheSize = CacheEdit->value();
        restart |= o.Cache;
    }
    for (int i = 0; i < 3; ++i) {
        TAddParams &slot = o.AddParams[std::size_t(i)];
        const bool enabled = ParamChkBox[i]->isChecked();
        const QString text = ParamEdit[i]->text().trimmed();
        if (enabled != slot.Enabled || text != slot.Text) {
            slot = {enabled, text};
            restart = true;
        }
    }

    // Another engine or executable: the version is read anew and playback
    // moves to it. An entry the settings did not name (a hand-edited value)
    // is written as shown; an untouched one keeps the value, so a run's
    // --engine stays out of the file.
    if (EngineComboBox->currentIndex() != m_loadedEngine)
        o.Engine = engineChoice();
    o.MpvPath = MpvPathEdit->text().trimmed();
    const ChosenEngine after = ChooseEngine(o.Engine, o.MPlayerPath, o.MpvPath, m_programDir);
    if (after.Kind != before.Kind || after.Program != before.Program) {
        if (m_parts.Engine)
            m_parts.Engine->DetectVersion();
        restart = true;
    }
    if (HwDecChkBox->isChecked() != o.HardwareDecoding) {
        o.HardwareDecoding = HwDecChkBox->isChecked();
        restart |= after.Kind == EngineKind::Mpv;
    }
    return restart;
}

void TOptionsForm::Apply()
{
    m_restartDue |= applyControls();
    try {
        m_parts.Store->SaveOptions(m_shortcutsModified);
    } catch (const ZError &e) {
        // What was applied stays in effect; the user may try again or cancel.
        ReportError(e.message());
        return;
    }
    OptionsEngine *engine = m_parts.Engine;
    if (m_restartDue && engine && engine->IsRunning()) {
        engine->Stop();
        // The old run's end is handled in this one pass; a second OK cannot come in.
        Clock::SleepMs(kRestartPauseMs);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        engine->StartAgain();
    }
    m_restartDue = false;
    accept();
}
