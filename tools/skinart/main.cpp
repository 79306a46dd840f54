// zorvi-skinart: draws the pictures of a built-in skin.
//   zorvi-skinart bitmaps NAME SKIN.INI OUTDIR   writes OUTDIR/skin.ini and every BMP
//   zorvi-skinart sheet NAME SKIN.INI OUT.png    mock windows and all sheets, to look at
// NAME is "Default" or "ZE6 ZO". Both modes first check skin.ini against the
// pictures and fail on any mismatch, so a wrong size never reaches a build.
#include "tools/skinart/Bmp.h"
#include "tools/skinart/MiniSkin.h"
#include "tools/skinart/Preview.h"
#include "tools/skinart/Skins.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QSaveFile>
#include <cstdio>

namespace {

bool WriteFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write(bytes);
    return f.commit();
}

int Fail(const QString &message)
{
    std::fprintf(stderr, "zorvi-skinart: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char **argv)
{
    // Text is only drawn by the preview, but fonts need a platform; never a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 5 || (args[1] != "bitmaps" && args[1] != "sheet")) {
        std::fprintf(stderr, "usage: zorvi-skinart bitmaps|sheet NAME SKIN.INI OUT\n");
        return 2;
    }
    const QString &name = args[2];
    SkinImages images;
    if (name == "Default")
        images = DrawDefaultSkin();
    else if (name == "ZE6 ZO")
        images = DrawZe6ZoSkin();
    else
        return Fail("unknown skin " + name);

    QFile iniFile(args[3]);
    if (!iniFile.open(QIODevice::ReadOnly))
        return Fail("cannot read " + args[3]);
    const QByteArray iniBytes = iniFile.readAll();
    const QString iniText = QString::fromUtf8(iniBytes);
    const QStringList problems = CheckSkin(iniText, images);
    for (const QString &problem : problems)
        std::fprintf(stderr, "%s: %s\n", qPrintable(name), qPrintable(problem));
    if (!problems.isEmpty())
        return Fail(QStringLiteral("%1 problem(s) in %2").arg(problems.size()).arg(args[3]));

    if (args[1] == "sheet")
        return RenderSheet(iniText, images).save(args[4]) ? 0 : Fail("cannot write " + args[4]);

    QDir out(args[4]);
    if (!QDir().mkpath(out.path()))
        return Fail("cannot create " + out.path());
    for (const QString &old : out.entryList(QDir::Files))
        out.remove(old); // a picture dropped from the skin must not stay in the archive
    if (!WriteFile(out.filePath("skin.ini"), iniBytes))
        return Fail("cannot write skin.ini");
    for (auto it = images.begin(); it != images.end(); ++it) {
        if (!WriteFile(out.filePath(it.key()), EncodeBmp(it.value())))
            return Fail("cannot write " + it.key());
    }
    return 0;
}
