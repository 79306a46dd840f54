// The whole skin load on any bytes, read as a zip archive: its members are
// written into a fresh skin folder (names that would leave it are left out;
// the loader must confine the rest), that folder is loaded and drawn, then the
// same bytes are loaded as an archive skin. A load may fail with a message; it
// may not crash, hang or pass the limits.
#include "../FuzzTarget.h"
#include "common/Report.h"
#include "playlist/ZorviPlaylist.h"
#include "skin/SkinBudget.h"
#include "skin/SkinControls.h"
#include "skin/ZipFile.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>

static QWidget *window = nullptr;
static SkinControls *skin = nullptr;

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    SetReportHandler([](const QString &) {});
    window = new QWidget;
    window->resize(400, 300);
    skin = new SkinControls(window);
    skin->CreateSkinControls(new TZorviPlaylist, {});
    window->show();
    return 0;
}

ZORVI_FUZZ_TARGET(bytes)
{
    QTemporaryDir tmp;
    const QString folder = tmp.path() + QStringLiteral("/skin/"),
                  archive = tmp.path() + QStringLiteral("/s.zip");
    TZipFile zip;
    zip.LoadFromData(bytes);
    for (int i = 0; i < zip.Count(); ++i) {
        const QString name = QDir::cleanPath(TZipFile::NameText(zip.Files[std::size_t(i)].FileName));
        if (name.isEmpty() || name.startsWith(u'/') || name.startsWith(QLatin1String("..")) || name == u'.')
            continue;
        QDir().mkpath(QFileInfo(folder + name).path());
        QFile file(folder + name);
        RunGuarded([&] {
            if (file.open(QIODevice::WriteOnly))
                file.write(zip.GetData(i));
        });
    }
    QFile file(archive);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    file.close();
    for (const SkinEntry &entry : {SkinEntry{QStringLiteral("F"), SkinKind::Folder, folder},
                                   SkinEntry{QStringLiteral("A"), SkinKind::Archive, archive}}) {
        RunGuarded([&] { skin->LoadSkinEntry(entry, -1); });
        QImage image(window->size(), QImage::Format_ARGB32_Premultiplied);
        window->render(&image);
        if (skin->ExtraElements().size() > size_t(SkinBudget::MaxSections))
            std::abort();
    }
    return 0;
}
