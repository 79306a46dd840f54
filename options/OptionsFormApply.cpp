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

// Takes the output list's choice and its custom text; true when either changed.
bool TakeOutput(const QComboBox *list, const QLineEdit *custom, int &out, QString &customOut)
{
    const int index = list->currentIndex();
    if (index == out && custom->text() == customOut)
        return false;
    out = index;
    customOut = custom->text();
    return true;
}
} // namespace

bool TOptionsForm::applyControls()
{
    OptionsSettings &o = m_parts.Settings->Options;
    Localization &local = *m_parts.Local;
    bool restart = false;

    o.SingleInstance = SingleInstChkBox->isChecked();
    o.StartFullscreen = StartFSChkBox->isChecked();
    o.Resume = ResumeChkBox->isChecked();
    o.RestorePlaylist = RestorePlaylistChkBox->isChecked();
    const QString path = PathEdit->text().trimmed();
    if (path != o.MPlayerPath) {
        o.MPlayerPath = path;
        if (m_parts.Engine)
            m_parts.Engine->DetectVersion();
        restart = true;
    }
    o.ResizeOnOpen = ResizeRadioGroup->ItemIndex() == 0;
    if (OSDSpinEdit->value() != o.OSDLevel) {
        o.OSDLevel = OSDSpinEdit->value();
        if (m_parts.Engine)
            m_parts.Engine->PostCommand("osd " + QByteArray::number(o.OSDLevel));
    }
    if (LangComboBox->currentIndex() != local.LanguageIndex)
        local.SwitchLanguage(LangComboBox->currentIndex());
    restart |= TakeOutput(VOComboBox, CustomVOEdit, o.VideoOut, o.CustomVideoOut);
    restart |= TakeOutput(AOComboBox, CustomAOEdit, o.AudioOut, o.CustomAudioOut);
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
