// The whole skin load on any bytes. The input is read as a zip archive; its
// members are written into a fresh skin folder (names that would leave it are
// left out, the loader must confine the rest) and that folder is loaded into
// one skin control set, then the same bytes are loaded as an archive skin.
// A load may fail with a message; it may not crash, hang or leave the limits.
#include "common/Report.h"
#include "playlist/ZorviPlaylist.h"
#include "skin/SkinBudget.h"
#include "skin/SkinControls.h"
#include "skin/ZipFile.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>
#include <cstdint>
#include <cstdlib>

namespace {

struct Host {
    QWidget window;
    TZorviPlaylist playlist;
    SkinControls skin{&window};
    Host()
    {
        window.setAttribute(Qt::WA_DontShowOnScreen);
        window.resize(400, 300);
        skin.CreateSkinControls(&playlist, {});
        window.show();
    }
};

Host *host = nullptr;

void Load(const SkinEntry &entry)
{
    RunGuarded([&] { host->skin.LoadSkinEntry(entry, -1); });
    QImage image(host->window.size(), QImage::Format_ARGB32_Premultiplied);
    host->window.render(&image);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    SetReportHandler([](const QString &) {});
    host = new Host;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QTemporaryDir tmp;
    const QString folder = tmp.path() + QStringLiteral("/skin/");
    QDir().mkpath(folder);
    TZipFile zip;
    zip.LoadFromData(bytes);
    for (int i = 0; i < zip.Count(); ++i) {
        const QString name = QDir::cleanPath(TZipFile::NameText(zip.Files[std::size_t(i)].FileName));
        if (name.isEmpty() || name.startsWith(u'/') || name.startsWith(QLatin1String("..")) || name == u'.')
            continue;
        QByteArray content;
        try {
            content = zip.GetData(i);
        } catch (const ZError &) {
            continue;
        }
        QDir().mkpath(QFileInfo(folder + name).path());
        QFile file(folder + name);
        if (file.open(QIODevice::WriteOnly))
            file.write(content);
    }
    Load({QStringLiteral("Fuzz"), SkinKind::Folder, folder});
    const QString archive = tmp.path() + QStringLiteral("/Fuzz.zip");
    QFile file(archive);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()) {
        file.close();
        Load({QStringLiteral("Fuzz"), SkinKind::Archive, archive});
    }
    if (host->skin.ExtraElements().size() > size_t(SkinBudget::MaxSections))
        std::abort();
    return 0;
}
