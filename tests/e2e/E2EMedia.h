#pragma once
// Clips made by ffmpeg for the end-to-end tests, once per build directory
// (each test runs in its own process, so they are cached and made atomically).
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace E2EMedia {

inline QString Dir()
{
    return QString::fromLocal8Bit(qgetenv("ZORVI_BUILD_DIR")) + "/e2e-media";
}

inline bool Ffmpeg(const QString &target, const QStringList &args)
{
    if (QFileInfo::exists(target))
        return true;
    QDir().mkpath(QFileInfo(target).path());
    const QString temp = target + QStringLiteral(".part%1").arg(QCoreApplication::applicationPid()) + "." +
                         QFileInfo(target).suffix();
    QProcess p;
    p.start(QStringLiteral("ffmpeg"), QStringList{"-loglevel", "error", "-y"} + args + QStringList{temp});
    if (!p.waitForFinished(120000) || p.exitCode() != 0)
        return false;
    return QFile::rename(temp, target) || QFileInfo::exists(target);
}

inline QStringList Lavfi(const QString &source)
{
    return {"-f", "lavfi", "-i", source};
}

// 10 s of test pattern with a 440 Hz tone.
inline QString Clip()
{
    const QString path = Dir() + "/clip.avi";
    Ffmpeg(path, Lavfi("testsrc=size=320x240:rate=25") + Lavfi("sine=frequency=440") +
                     QStringList{"-t", "10", "-c:v", "mpeg4", "-c:a", "mp3", "-shortest"});
    return path;
}

// 30 s with two audio streams (440 Hz and 880 Hz).
inline QString TwoAudio()
{
    const QString path = Dir() + "/two audio.avi";
    Ffmpeg(path, Lavfi("testsrc=size=320x240:rate=25") + Lavfi("sine=frequency=440") +
                     Lavfi("sine=frequency=880") +
                     QStringList{"-t", "30", "-map", "0:v", "-map", "1:a", "-map", "2:a", "-c:v", "mpeg4",
                                 "-c:a", "mp3"});
    return path;
}

inline QString AudioOnly()
{
    const QString path = Dir() + "/tone.mp3";
    Ffmpeg(path, Lavfi("sine=frequency=440") + QStringList{"-t", "5", "-c:a", "mp3"});
    return path;
}

// A clip with its subtitle file beside it; returns the subtitle's path.
inline QString Subtitle()
{
    const QString path = Dir() + "/subs/film.srt";
    if (!QFileInfo::exists(path)) {
        QDir().mkpath(Dir() + "/subs");
        QFile f(path + ".part");
        if (f.open(QIODevice::WriteOnly))
            f.write("1\n00:00:00,000 --> 00:00:30,000\nHello from the subtitle\n\n");
        f.close();
        QFile::rename(path + ".part", path);
    }
    return path;
}

// Longer than 10000 s, made cheaply: one frame every 50 s, no sound.
inline QString Long()
{
    const QString path = Dir() + "/long.avi";
    Ffmpeg(path, Lavfi("color=c=blue:s=64x64:r=1/50") + QStringList{"-t", "10100", "-c:v", "mpeg4"});
    return path;
}

// A folder of three 2 s clips.
inline QString Folder()
{
    const QString dir = Dir() + "/three";
    const char *const colours[] = {"red", "green", "yellow"};
    for (int i = 0; i < 3; ++i)
        Ffmpeg(dir + QStringLiteral("/clip%1.avi").arg(i + 1),
               Lavfi(QStringLiteral("color=c=%1:s=160x120:r=25").arg(QLatin1StringView(colours[i]))) +
                   Lavfi("sine=frequency=660") +
                   QStringList{"-t", "2", "-c:v", "mpeg4", "-c:a", "mp3", "-shortest"});
    return dir;
}

} // namespace E2EMedia
