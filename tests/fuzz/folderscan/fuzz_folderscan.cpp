// The folder scan on a tree the bytes describe: folders, media and other
// files, and links to folders and files anywhere in the tree (loops and webs
// included). The scan must end within its budget, list only media files of
// the tree, and read each real folder once.
#include "playlist/FolderScan.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>
#include <sys/stat.h>

namespace {
constexpr int MaxFolders = 48;
constexpr qsizetype Budget = 400;
const char *const Names[] = {"a.avi", "B.mkv", ".h.avi", "c.txt", "d.VOB", "e", "f.mpg", "G.avi"};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QTemporaryDir tmp;
    if (!tmp.isValid())
        return 0;
    const QString root = tmp.path() + QStringLiteral("/r");
    QDir().mkpath(root);
    QStringList folders{root};
    // Three bytes an operation: what, where, and a name or target.
    for (size_t i = 0; i + 2 < size && i < 3 * 256; i += 3) {
        const QString &at = folders.at(data[i + 1] % folders.size());
        const uint8_t arg = data[i + 2];
        const QString name = QString::number(i / 3);
        switch (data[i] % 4) {
        case 0:
            if (folders.size() < MaxFolders && QDir().mkdir(at + u'/' + name + (arg & 1 ? "" : ".avi")))
                folders << at + u'/' + name + (arg & 1 ? "" : ".avi");
            break;
        case 1: {
            QFile f(at + u'/' + QLatin1String(Names[arg % 8]));
            (void)f.open(QIODevice::WriteOnly);
            break;
        }
        case 2: // a link to a folder, its name looking like media or not
            (void)QFile::link(folders.at(arg % folders.size()),
                              at + u'/' + name + (arg & 0x80 ? ".avi" : ""));
            break;
        default: // a link to a file, or one that leads nowhere
            (void)QFile::link(at + u'/' + QLatin1String(Names[arg % 8]),
                              at + QStringLiteral("/l") + name + QStringLiteral(".mkv"));
            break;
        }
    }
    const FolderScanResult found = FolderScan::Run(root, std::atomic<bool>{false}, Budget);
    // Only visible media files of the tree, within the budget, and each real
    // folder read once: one real folder and name never come back.
    QSet<QString> seen;
    for (const QString &path : found.Files) {
        const QFileInfo file(path);
        struct stat folder {};
        if (found.Files.size() > Budget || !path.startsWith(root + u'/') ||
            file.fileName().startsWith(u'.') || !file.isFile() ||
            ::stat(QFile::encodeName(file.path()).constData(), &folder) != 0)
            std::abort();
        const QString key = QStringLiteral("%1:%2/").arg(folder.st_dev).arg(folder.st_ino) + file.fileName();
        if (seen.contains(key))
            std::abort();
        seen.insert(key);
    }
    return 0;
}
