#include "platform/Display.h"
#include "platform/Paths.h"

using namespace Platform;

TEST(Paths, SettingsSkinsAndLanguagesFolders)
{
    QTemporaryDir root;
    ::chmod(QFile::encodeName(root.path()).constData(), 0755);
    const QString config = root.filePath("config");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config));
    const QString perUser = config + "/zorvi/zorvi.ini";

    const QString portable = root.filePath("portable/"), installed = root.filePath("installed/"),
                  shipped = root.filePath("shipped/");
    QDir().mkpath(portable);
    QDir().mkpath(installed);
    WriteFile(shipped + "zorvi.ini");
    ::chmod(QFile::encodeName(shipped + "zorvi.ini").constData(), 0666); // writable file, read-only folder
    for (const QString &d : {installed, shipped})
        ::chmod(QFile::encodeName(d).constData(), 0555);

    // Folder rights decide, so check as a user without root's privileges.
    const QString seen = RunAsOtherUser([&] {
        return QStringList{SettingsFilePath(portable), SettingsFilePath(installed), SettingsFilePath(shipped)}
            .join('|');
    });
    const QString expectedPortable =
        RunningAsRoot() ? perUser : portable + "zorvi.ini"; // nobody cannot write a root folder
    EXPECT_EQ(seen, QStringList({expectedPortable, perUser, shipped + "zorvi.ini"}).join('|'));
    EXPECT_EQ(SettingsFilePath(portable), portable + "zorvi.ini");
    // Not even root writes beside an installed program.
    EXPECT_EQ(SettingsFilePath(InstalledProgramDirectory()), perUser);
    for (const QString &d : {installed, shipped})
        ::chmod(QFile::encodeName(d).constData(), 0755);
    qunsetenv("XDG_CONFIG_HOME");
    qputenv("XDG_DATA_HOME", "/home/u/.local/share");
    const QString user = "/home/u/.local/share/zorvi/", shared = SharedDataDirectory();
    const struct {
        QString programDir;
        QStringList folders;
    } rows[] = {{"/opt/zorvi", {"/opt/zorvi/", user, shared}},
                {InstalledProgramDirectory(), {user, shared}},
                {shared, {shared, user}}};
    for (const auto &r : rows) {
        EXPECT_EQ(DataFolders(r.programDir), r.folders) << r.programDir.toStdString();
        EXPECT_EQ(SkinFolders(r.programDir).first(), r.folders.first() + "Skins/");
        EXPECT_EQ(LanguageFolders(r.programDir).last(), r.folders.last() + "Lang/");
    }
    EXPECT_EQ(LanguageSaveFolder(InstalledProgramDirectory()), user + "Lang/");

    QTemporaryDir root2;
    ::chmod(QFile::encodeName(root2.path()).constData(), 0555);
    const QString seen2 = RunAsOtherUser([&] { return LanguageSaveFolder(root2.path()); });
    EXPECT_EQ(seen2, user + "Lang/");
    ::chmod(QFile::encodeName(root2.path()).constData(), 0755);
    EXPECT_EQ(LanguageSaveFolder(root2.path()), root2.path() + "/Lang/");
    qunsetenv("XDG_DATA_HOME");
}

TEST(Display, X11IsSelectedUnlessAnotherPlatformIsNamed)
{
    const QByteArray saved = qgetenv("QT_QPA_PLATFORM");
    // Unset, empty, Wayland or X11 give X11 (the first five); other platforms named stay.
    const char *const given[] = {nullptr, "",          "wayland",         "Wayland-EGL",
                                 "xcb",   "offscreen", "vnc:size=800x600"};
    for (int i = 0; i < 7; ++i) {
        (void)(given[i] ? qputenv("QT_QPA_PLATFORM", given[i]) : qunsetenv("QT_QPA_PLATFORM"));
        SelectX11Platform();
        EXPECT_EQ(qgetenv("QT_QPA_PLATFORM"), QByteArray(i < 5 ? "xcb" : given[i])) << i;
    }
    qputenv("QT_QPA_PLATFORM", saved);
}
