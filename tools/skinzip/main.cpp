// zorvi-skinzip OUT.zip DIR: packs the files of DIR (not its sub-folders) into
// OUT.zip, "skin.ini" first and the others in byte order of their names, so
// the archive is the same on every build machine.
#include "common/ZError.h"
#include "tools/skinzip/ZipWriter.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <algorithm>
#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: zorvi-skinzip OUT.zip DIR\n");
        return 2;
    }
    try {
        const QDir dir(QString::fromLocal8Bit(argv[2]));
        QStringList names = dir.entryList(QDir::Files | QDir::Hidden, QDir::Unsorted);
        std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
            const bool aIni = a.compare(QLatin1String("skin.ini"), Qt::CaseInsensitive) == 0;
            const bool bIni = b.compare(QLatin1String("skin.ini"), Qt::CaseInsensitive) == 0;
            if (aIni != bIni)
                return aIni;
            return a.toUtf8() < b.toUtf8();
        });
        std::vector<ZipMember> members;
        for (const QString &name : names) {
            QFile f(dir.filePath(name));
            if (!f.open(QIODevice::ReadOnly))
                throw ZError(QStringLiteral("Cannot read %1").arg(f.fileName()));
            members.push_back({name.toUtf8(), f.readAll()});
        }
        QSaveFile out(QString::fromLocal8Bit(argv[1]));
        if (!out.open(QIODevice::WriteOnly))
            throw ZError(QStringLiteral("Cannot write %1").arg(out.fileName()));
        out.write(WriteZip(members));
        if (!out.commit())
            throw ZError(QStringLiteral("Cannot write %1").arg(out.fileName()));
    } catch (const ZError &e) {
        std::fprintf(stderr, "zorvi-skinzip: %s\n", qPrintable(e.message()));
        return 1;
    }
    return 0;
}
