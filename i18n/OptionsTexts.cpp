#include "i18n/OptionsTexts.h"

#include "i18n/Localization.h"

#include <cstring>
#include <stdexcept>

// The output lists keep their keys; their texts name what the engine uses on
// Linux for each choice (video 2 and 3: -vo xv, -vo gl; audio 2 and 3:
// -ao alsa, -ao pulse,alsa). With mpv, video 3 is --vo=gpu (VOgpu); the
// others name the same outputs.
const std::array<OptionsText, 41> OptionsTexts = {{
    {"Options", "Caption", "Options"},
    {"GeneralTab", "Caption", "General"},
    {"GeneralTab", "LPath", "MPlayer path :"},
    {"GeneralTab", "LOSD", "OSD:"},
    {"GeneralTab", "LLang", "Language:"},
    {"GeneralTab", "SingleInstChkBox", "Allow only one instance"},
    {"GeneralTab", "StartFSChkBox", "Start in fullscreen"},
    {"GeneralTab", "ResumeChkBox", "Resume long media where they stopped"},
    {"GeneralTab", "RestorePlaylistChkBox", "Bring back the last playlist at a start without media"},
    {"GeneralTab", "ResizeRadioGroup", " On video opening,  resize ... "},
    {"GeneralTab", "ResizeRadioGroup0", "according to video size"},
    {"GeneralTab", "ResizeRadioGroup1", "according to menu choice"},
    {"VideoTab", "Caption", "Video"},
    {"VideoTab", "VideoOutGroupBox", " Video Out "},
    {"VideoTab", "VOnull", "No Video (null)"},
    {"VideoTab", "VOdx", "X Video (xv)"},
    {"VideoTab", "VOgl2", "OpenGL (gl, default)"},
    {"VideoTab", "VOgpu", "GPU (gpu, default)"},
    {"AudioTab", "Caption", "Audio"},
    {"AudioTab", "MuteOnSeekChkBox", "Mute while seeking or paused"},
    {"AudioTab", "AudioOutGroupBox", " Audio out "},
    {"AudioTab", "AOnull", "No Audio (null)"},
    {"AudioTab", "AOwin32", "ALSA (alsa)"},
    {"AudioTab", "AOdsound", "PulseAudio (pulse, default)"},
    {"SubtitlesTab", "Caption", "Subtitles"},
    {"ShortcutsTab", "Caption", "Shortcuts"},
    {"ShortcutsTab", "Shortcut", "Shortcut"},
    {"ShortcutsTab", "Action", "Action"},
    {"AdvancedTab", "Caption", "Advanced"},
    {"AdvancedTab", "BoostChkBox", "Priority Boost"},
    {"AdvancedTab", "LBoostNote", "(needs a privilege this user lacks: no effect)"},
    {"AdvancedTab", "CacheChkBox", "Cache (Kb) :"},
    {"AdvancedTab", "AddParamGroupBox", " Additional parameters "},
    {"AdvancedTab", "EngineGroupBox", " Engine "},
    {"AdvancedTab", "LEngine", "Engine:"},
    {"AdvancedTab", "EngineAuto", "Automatic (MPlayer when installed, else mpv)"},
    {"AdvancedTab", "LEngineInUse", "In use:"},
    {"AdvancedTab", "EngineMissing", "not found"},
    {"AdvancedTab", "LMpvPath", "mpv path :"},
    {"AdvancedTab", "HwDecChkBox", "Hardware decoding (mpv)"},
    {"TabAbout", "Caption", "About"},
}};

const OptionsText &FindOptionsText(QStringView section, QStringView key)
{
    for (const OptionsText &row : OptionsTexts)
        if (QLatin1String(row.Section) == section && QLatin1String(row.Key) == key)
            return row;
    throw std::logic_error("no options text " + section.toString().toStdString() + "/" +
                           key.toString().toStdString());
}

QString OptionsCaption(const Localization &local, const OptionsText &row)
{
    if (local.LanguageIndex == 0)
        return QString::fromUtf8(row.English);
    return local.GetText(QLatin1String(row.Section), QLatin1String(row.Key));
}

QStringList OptionsTextLines(const std::function<QString(const OptionsText &)> &text)
{
    QStringList lines;
    const char *section = nullptr;
    for (const OptionsText &row : OptionsTexts) {
        if (!section || std::strcmp(section, row.Section) != 0) {
            if (section)
                lines << QString();
            section = row.Section;
            lines << u'[' + QLatin1String(section) + u']';
        }
        lines << QLatin1String(row.Key) + u'=' + text(row);
    }
    lines << QString();
    return lines;
}
