#include "settings/SettingsStore.h"

#include "common/Report.h"
#include "common/ZError.h"
#include "settings/IniFile.h"

#include <QDir>
#include <QFileInfo>
#include <stdexcept>
#include <utility>

namespace {
const QString kOptions = QStringLiteral("Options");
const QString kLastSession = QStringLiteral("LastSession");

template <typename T>
SettingRow makeRow(const QString &section, const char *key, T *holder, const T &def, SettingFlags flags = {})
{
    return SettingRow{section, QString::fromLatin1(key), SettingValue(def), SettingHolder(holder), flags};
}
} // namespace

SettingsStore::SettingsStore(SettingsData &data)
{
    const SettingsData d0{};
    auto &o = data.Options;
    auto &l = data.LastSession;
    const auto &O = d0.Options;
    const auto &L = d0.LastSession;
    const QString &S = kOptions;
    // Reading order; the writers follow it too (see writeSection for the one exception).
    m_rows = {
        makeRow(S, "Verbose", &o.Verbose, O.Verbose,
                SettingFlag::NeverWritten | SettingFlag::DefaultIsCurrent),
        makeRow(S, "SingleInstance", &o.SingleInstance, O.SingleInstance),
        makeRow(S, "StartFullscreen", &o.StartFullscreen, O.StartFullscreen),
        makeRow(S, "ResizeOnOpen", &o.ResizeOnOpen, O.ResizeOnOpen),
        makeRow(S, "Snap", &o.Snap, O.Snap),
        makeRow(S, "MPlayerPath", &o.MPlayerPath, O.MPlayerPath),
    };
    for (int i = 0; i < 3; ++i) {
        const QByteArray key = "AddParams" + QByteArray::number(i);
        m_rows.push_back(makeRow(S, key.constData(), &o.AddParams[i].Enabled, O.AddParams[i].Enabled));
        m_rows.push_back(makeRow(S, (key + "str").constData(), &o.AddParams[i].Text, O.AddParams[i].Text));
    }
    const std::vector<SettingRow> rest = {
        makeRow(S, "AudioOut", &o.AudioOut, O.AudioOut),
        makeRow(S, "CustomAudioOut", &o.CustomAudioOut, O.CustomAudioOut),
        makeRow(S, "MuteOnPauseSeek", &o.MuteOnPauseSeek, O.MuteOnPauseSeek),
        makeRow(S, "VideoOut", &o.VideoOut, O.VideoOut),
        makeRow(S, "CustomVideoOut", &o.CustomVideoOut, O.CustomVideoOut),
        makeRow(S, "CustomPostProc", &o.CustomPostProc, O.CustomPostProc),
        makeRow(S, "PriorityBoost", &o.PriorityBoost, O.PriorityBoost),
        makeRow(S, "Cache", &o.Cache, O.Cache),
        makeRow(S, "CacheSize", &o.CacheSize, O.CacheSize),
        makeRow(S, "OSDLevel", &o.OSDLevel, O.OSDLevel),
        makeRow(S, "Local", &o.Local, O.Local),
        makeRow(S, "Resume", &o.Resume, O.Resume),
        makeRow(S, "ResumeMinLength", &o.ResumeMinLength, O.ResumeMinLength),
        makeRow(S, "RestorePlaylist", &o.RestorePlaylist, O.RestorePlaylist),
        makeRow(S, "Engine", &o.Engine, O.Engine),
        makeRow(S, "MpvPath", &o.MpvPath, O.MpvPath),
        makeRow(S, "HardwareDecoding", &o.HardwareDecoding, O.HardwareDecoding),
        makeRow(S, "MpvCustomVideoOut", &o.MpvCustomVideoOut, O.MpvCustomVideoOut),
        makeRow(S, "MpvCustomAudioOut", &o.MpvCustomAudioOut, O.MpvCustomAudioOut),

        makeRow(kLastSession, "Compact", &l.Compact, L.Compact),
        makeRow(kLastSession, "HideFSControls", &l.HideFSControls, L.HideFSControls),
        makeRow(kLastSession, "OnTop", &l.OnTop, L.OnTop),
        makeRow(kLastSession, "WindowSize", &l.WindowSize, L.WindowSize),
        makeRow(kLastSession, "WindowKeepAspect", &l.WindowKeepAspect, L.WindowKeepAspect),
        makeRow(kLastSession, "WinRatio", &l.WinRatio, L.WinRatio, SettingFlag::Positive),
        makeRow(kLastSession, "WinCenter", &l.WinCenter, L.WinCenter),
        makeRow(kLastSession, "Left", &l.Left, L.Left),
        makeRow(kLastSession, "Top", &l.Top, L.Top),
        makeRow(kLastSession, "Height", &l.Height, L.Height),
        makeRow(kLastSession, "Width", &l.Width, L.Width),
        makeRow(kLastSession, "Skin", &l.Skin, L.Skin),
        makeRow(kLastSession, "Volume", &l.Volume, L.Volume),
        makeRow(kLastSession, "Mute", &l.Mute, L.Mute),
        makeRow(kLastSession, "FrameDrop", &l.FrameDrop, L.FrameDrop),
        makeRow(kLastSession, "PostProc", &l.PostProc, L.PostProc),
        makeRow(kLastSession, "SubScale", &l.SubScale, L.SubScale),
        makeRow(kLastSession, "LastOptionsTab", &l.LastOptionsTab, L.LastOptionsTab),
        makeRow(kLastSession, "Repeat", &l.Repeat, L.Repeat),
        makeRow(kLastSession, "Shuffle", &l.Shuffle, L.Shuffle),
    };
    m_rows.insert(m_rows.end(), rest.begin(), rest.end());
}

SettingRow &SettingsStore::row(const QString &key)
{
    for (auto &r : m_rows)
        if (r.Key.compare(key, Qt::CaseInsensitive) == 0)
            return r;
    throw std::logic_error("unknown settings key " + key.toStdString());
}

namespace {
template <typename T> void bindHolder(SettingRow &r, T *holder)
{
    if (!holder || !std::holds_alternative<T *>(r.Holder))
        throw std::logic_error("settings key " + r.Key.toStdString() + " bound to a holder of another type");
    r.Holder = holder;
}
} // namespace

void SettingsStore::Bind(const QString &key, bool *holder)
{
    bindHolder(row(key), holder);
}
void SettingsStore::Bind(const QString &key, int *holder)
{
    bindHolder(row(key), holder);
}
void SettingsStore::Bind(const QString &key, float *holder)
{
    bindHolder(row(key), holder);
}
void SettingsStore::Bind(const QString &key, QString *holder)
{
    bindHolder(row(key), holder);
}

void SettingsStore::SetRunValue(const QString &key, const QString &value)
{
    SettingRow &r = row(key);
    auto *const *holder = std::get_if<QString *>(&r.Holder);
    if (!holder)
        throw std::logic_error("settings key " + key.toStdString() + " is not a text");
    m_runValues.push_back({r.Key, value, **holder});
    **holder = value;
}

const QString &SettingsStore::written(const SettingRow &r, const QString &held) const
{
    for (const RunValue &v : m_runValues)
        if (v.Key == r.Key && held == v.Run)
            return v.Stored;
    return held;
}

void SettingsStore::readSection(const IniFile &ini, const QString &section)
{
    for (auto &r : m_rows) {
        if (r.Section != section)
            continue;
        const bool current = r.Flags.testFlag(SettingFlag::DefaultIsCurrent);
        std::visit(
            [&](auto *holder) {
                using T = std::remove_pointer_t<decltype(holder)>;
                const T def = current ? *holder : std::get<T>(r.Default);
                if constexpr (std::is_same_v<T, bool>)
                    *holder = ini.ReadBool(section, r.Key, def);
                else if constexpr (std::is_same_v<T, int>)
                    *holder = ini.ReadInteger(section, r.Key, def);
                else if constexpr (std::is_same_v<T, float>) {
                    const float v = ini.ReadFloat(section, r.Key, def);
                    *holder = r.Flags.testFlag(SettingFlag::Positive) && !(v > 0) ? def : v;
                } else
                    *holder = ini.ReadString(section, r.Key, def);
            },
            r.Holder);
    }
}

void SettingsStore::writeSection(IniFile &ini, const QString &section) const
{
    std::vector<const SettingRow *> order;
    for (const auto &r : m_rows)
        if (r.Section == section && !r.Flags.testFlag(SettingFlag::NeverWritten))
            order.push_back(&r);
    // The window size is read height first but written width first.
    for (size_t i = 0; i + 1 < order.size(); ++i)
        if (order[i]->Key == QLatin1String("Height") && order[i + 1]->Key == QLatin1String("Width"))
            std::swap(order[i], order[i + 1]);

    for (const SettingRow *r : order) {
        std::visit(
            [&](auto *holder) {
                using T = std::remove_pointer_t<decltype(holder)>;
                if constexpr (std::is_same_v<T, bool>)
                    ini.WriteBool(section, r->Key, *holder);
                else if constexpr (std::is_same_v<T, int>)
                    ini.WriteInteger(section, r->Key, *holder);
                else if constexpr (std::is_same_v<T, float>)
                    ini.WriteFloat(section, r->Key, *holder);
                else
                    ini.WriteString(section, r->Key, written(*r, *holder));
            },
            r->Holder);
    }
}

void SettingsStore::LoadSettings()
{
    IniFile ini;
    try {
        ini = IniFile::Load(m_fileName);
    } catch (const ZError &e) {
        // Every value takes its default; the user hears why, before a save
        // fails on the same file.
        ReportError(e.message());
    }
    readSection(ini, kOptions);
    readSection(ini, kLastSession);
    for (RunValue &v : m_runValues) {
        QString *holder = std::get<QString *>(row(v.Key).Holder);
        v.Stored = std::exchange(*holder, v.Run);
    }
    if (ReadShortcuts)
        ReadShortcuts(ini);
}

IniFile SettingsStore::loadForWriting() const
{
    try {
        return IniFile::Load(m_fileName);
    } catch (const ZError &) {
        // Writing without the old contents would lose the other sections.
        throw ZError(QStringLiteral("Unable to write to ") + m_fileName);
    }
}

void SettingsStore::save(const IniFile &ini, bool keepComments)
{
    const QString dir = QFileInfo(m_fileName).absolutePath();
    if (!QFileInfo::exists(dir))
        QDir().mkpath(dir); // the per-user folder on first use; failure shows as a write error
    ini.Save(m_fileName, keepComments);
    m_saveFailed = false;
}

void SettingsStore::SaveOptions(bool shortcutsModified)
{
    m_saveFailed = true; // until the file is written
    IniFile ini = loadForWriting();
    writeSection(ini, kOptions);
    if (shortcutsModified && WriteShortcuts)
        WriteShortcuts(ini);
    save(ini, false);
}

void SettingsStore::SaveLastSession()
{
    m_saveFailed = true; // until the file is written
    IniFile ini = loadForWriting();
    // The section is the program's own: one swollen past any use (keys of a
    // damaged or hostile file) is written afresh, so it cannot slow every exit.
    if (ini.Keys(kLastSession).size() > MaxLastSessionKeys)
        ini.EraseSection(kLastSession);
    writeSection(ini, kLastSession);
    save(ini, true);
}
