// zorvi.ini against a full disk and hostile values: a save that cannot be
// completed leaves the old file byte for byte and says so; remembered window
// bounds never leave the screens.
#include "settings/IniFile.h"
#include "settings/SettingsStore.h"
#include "settings/WindowBounds.h"

#include <climits>
#include <sys/resource.h>

// Runs a save in a child whose files may not grow past `limit` bytes (a full
// disk: the write fails, no signal): 0 when it said "no error", 1 when it said
// "Unable to write to " + path, else 2.
static int SaveUnderLimit(rlim_t limit, const std::function<QString()> &save, const QString &path)
{
    if (const pid_t child = ::fork(); child != 0) {
        int status = 0;
        ::waitpid(child, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : 2;
    }
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit rl{limit, limit};
    const QString said = ::setrlimit(RLIMIT_FSIZE, &rl) == 0 ? save() : "no limit";
    ::_exit(said == "no error" ? 0 : said == "Unable to write to " + path ? 1 : 2);
}

TEST(SettingsHardening, FullDiskOrNoRightsKeepTheOldFileAndSaySo)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("zorvi.ini");
    const QByteArray old =
        "; kept as written\n[Options]\nSnap=0\n[Shortcuts]\n" + QByteArray("K=seek +1\n").repeated(800);
    // (options or last session, file size limit, folder and file modes, saved
    // as another user: 0666 in 0755 is written in place, 0444 in 0555 not at all)
    const std::tuple<bool, rlim_t, mode_t, mode_t, bool> rows[] = {{false, 0, 0700, 0600, false},
                                                                   {true, 4096, 0700, 0600, false},
                                                                   {false, 4096, 0755, 0666, true},
                                                                   {false, RLIM_INFINITY, 0755, 0666, true},
                                                                   {false, RLIM_INFINITY, 0555, 0444, true},
                                                                   {true, RLIM_INFINITY, 0555, 0444, true}};
    for (const auto &[options, limit, folderMode, fileMode, otherUser] : rows) {
        ::chmod(QFile::encodeName(path).constData(), 0600);
        WriteFile(path, old);
        ::chmod(QFile::encodeName(dir.path()).constData(), folderMode);
        ::chmod(QFile::encodeName(path).constData(), fileMode);
        SettingsData data;
        SettingsStore store(data);
        store.SetFileName(path);
        const std::function<QString()> save = [&, options = options] {
            return ErrorText([&] { options ? store.SaveOptions(false) : store.SaveLastSession(); });
        };
        const bool refused = limit != RLIM_INFINITY || fileMode == 0444;
        EXPECT_EQ(SaveUnderLimit(limit, otherUser ? [&] { return RunAsOtherUser(save); } : save, path),
                  refused ? 1 : 0)
            << limit << " " << fileMode;
        EXPECT_EQ(ReadFile(path) == old, refused) << limit << " " << fileMode;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"zorvi.ini"});
    }
    ::chmod(QFile::encodeName(dir.path()).constData(), 0700);
}

TEST(SettingsHardening, ASwollenLastSessionIsWrittenAfreshWindowBoundsStayOnAScreen)
{
    QTemporaryDir dir;
    SettingsData data;
    SettingsStore store(data);
    store.SetFileName(dir.filePath("zorvi.ini"));
    for (const qsizetype foreign : {qsizetype(3), SettingsStore::MaxLastSessionKeys + 1}) {
        IniFile ini = IniFile::FromBytes("[Options]\nSnap=0\n");
        for (qsizetype i = 0; i < foreign; ++i)
            ini.WriteString("LastSession", QStringLiteral("Foreign%1").arg(i), "1");
        ini.Save(store.FileName(), false);
        store.SaveLastSession();
        ini = IniFile::Load(store.FileName());
        EXPECT_EQ(ini.Value("LastSession", "Foreign0").has_value(), foreign == 3);
        EXPECT_EQ(std::pair(ini.Value("LastSession", "Width"), ini.Value("Options", "Snap")),
                  std::pair(std::optional<QString>("300"), std::optional<QString>("0")));
    }
    const QRect primary(0, 27, 1920, 1053), right(1920, 0, 1280, 1024);
    // (left, top, width, height, work areas, expected)
    const std::tuple<int, int, int, int, QList<QRect>, QRect> rows[] = {
        {100, 100, INT_MAX, 360, {primary}, QRect(0, 100, 1920, 360)},
        {INT_MAX, INT_MAX, INT_MAX, INT_MAX, {primary}, primary},
        {INT_MIN, -10, 640, 360, {primary}, QRect(0, 27, 640, 360)},
        {100, 100, 0, -5, {primary}, QRect(100, 100, 300, 200)},           // no size: the default
        {1800, 50, 800, 600, {primary, right}, QRect(1920, 50, 800, 600)}, // mostly on the second
        {2000, 50, 800, 600, {primary}, QRect(1120, 50, 800, 600)},        // its screen gone
    };
    for (const auto &[left, top, width, height, areas, expected] : rows)
        EXPECT_EQ(ClampWindowBounds(left, top, width, height, areas), expected) << left << "," << top;
}
