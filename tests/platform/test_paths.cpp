#include "platform/Display.h"
#include "platform/Paths.h"
#include "support/OtherUser.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace Platform;

TEST(Paths, SettingsBesideTheProgramOrPerUser)
{
    QTemporaryDir root;
    ::chmod(QFile::encodeName(root.path()).constData(), 0755);
    const QString config = root.filePath("config");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config));
    const QString perUser = config + "/zorvi/zorvi.ini";

    QDir(root.path()).mkpath("portable");
    QDir(root.path()).mkpath("installed");
    QDir(root.path()).mkpath("shipped");
    const QString portable = root.filePath("portable/"), installed = root.filePath("installed/"),
                  shipped = root.filePath("shipped/");
    QFile(shipped + "zorvi.ini").open(QIODevice::WriteOnly);
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
    for (const QString &d : {installed, shipped})
        ::chmod(QFile::encodeName(d).constData(), 0755);
    qunsetenv("XDG_CONFIG_HOME");
}

TEST(Display, X11IsSelectedUnlessAnotherPlatformIsNamed)
{
    const QByteArray saved = qgetenv("QT_QPA_PLATFORM");
    struct Row {
        const char *given; // nullptr: unset
        const char *expected;
    } rows[] = {{nullptr, "xcb"},
                {"", "xcb"},
                {"wayland", "xcb"},
                {"Wayland-EGL", "xcb"},
                {"xcb", "xcb"},
                {"offscreen", "offscreen"},
                {"vnc:size=800x600", "vnc:size=800x600"}};
    for (const auto &r : rows) {
        if (r.given)
            qputenv("QT_QPA_PLATFORM", r.given);
        else
            qunsetenv("QT_QPA_PLATFORM");
        SelectX11Platform();
        EXPECT_EQ(qgetenv("QT_QPA_PLATFORM"), QByteArray(r.expected)) << (r.given ? r.given : "(unset)");
    }
    qputenv("QT_QPA_PLATFORM", saved);
}
