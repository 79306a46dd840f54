// bench-libs: zorvi_settings zorvi_skinfiles
// The two ini formats with 100,000 sections, as a hostile or damaged file
// gives them: zorvi.ini loaded and saved at exit, and skin.ini run through
// the lookups of a skin load (the fixed sections read and removed, then every
// remaining section asked for its Type). Each should take well under a second.
#include "settings/SettingsStore.h"
#include "skin/SkinIni.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QByteArray ManySections(int count, const char *key)
{
    QByteArray text;
    text.reserve(count * 32);
    for (int i = 0; i < count; ++i)
        text += "[Section" + QByteArray::number(i) + "]\n" + key + "=" + QByteArray::number(i) + "\n";
    return text;
}

// The real sections come last, so a linear search passes every other one.
QByteArray HostileZorviIni(int count)
{
    return ManySections(count, "Key") + "[Options]\nSnap=0\n[LastSession]\nWidth=640\nHeight=360\n";
}

struct IniOnDisk {
    QTemporaryDir dir;
    QString path = dir.filePath("zorvi.ini");
    QByteArray bytes;
    explicit IniOnDisk(const QByteArray &content) : bytes(content) { write(); }
    void write()
    {
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
    }
};

void BM_ZorviIni_Load(benchmark::State &state)
{
    IniOnDisk file(HostileZorviIni(int(state.range(0))));
    SettingsData data;
    SettingsStore store(data);
    store.SetFileName(file.path);
    for (auto _ : state)
        store.LoadSettings();
    state.counters["width"] = data.LastSession.Width;
}
BENCHMARK(BM_ZorviIni_Load)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_ZorviIni_SaveLastSession(benchmark::State &state)
{
    IniOnDisk file(HostileZorviIni(int(state.range(0))));
    SettingsData data;
    SettingsStore store(data);
    store.SetFileName(file.path);
    for (auto _ : state) {
        state.PauseTiming();
        file.write();
        state.ResumeTiming();
        store.SaveLastSession();
    }
}
BENCHMARK(BM_ZorviIni_SaveLastSession)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);

const char *const FixedSections[] = {
    "General",   "TopPanel",  "BottomPanel", "LeftPanel",   "RightPanel", "BPlay",   "BPlayPause",
    "BPause",    "BStop",     "BNext",       "BPrev",       "BMute",      "BSeekB",  "BSeekF",
    "BPlaylist", "BStatus",   "BMainQuit",   "BFullscreen", "BMinimize",  "SeekBar", "VolBar",
    "LTime",     "LMediaURL", "LPlaylist",   "LStatus",     "Playlist"};

void BM_SkinIni_Check(benchmark::State &state)
{
    const QString text = QString::fromLatin1(ManySections(int(state.range(0)), "Type"));
    int extras = 0;
    for (auto _ : state) {
        SkinIni ini;
        ini.SetText(text);
        for (const char *name : FixedSections) {
            const QString section = QLatin1String(name);
            benchmark::DoNotOptimize(ini.ReadInteger(section, QStringLiteral("X"), 0));
            benchmark::DoNotOptimize(ini.ReadString(section, QStringLiteral("Bitmap"), {}));
            ini.EraseSection(section);
        }
        extras = 0;
        for (const QString &section : ini.SectionNames())
            extras += ini.ReadString(section, QStringLiteral("Type"), {}).isEmpty() ? 0 : 1;
    }
    state.counters["sections"] = extras;
}
BENCHMARK(BM_SkinIni_Check)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
