#include "platform/OpticalDrives.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace Platform {

namespace {
// Mount table fields escape blanks, tabs, newlines and backslashes as octal.
QString unescapeMountField(const QByteArray &field)
{
    QByteArray out;
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            bool ok = false;
            const int c = field.mid(i + 1, 3).toInt(&ok, 8);
            if (ok) {
                out += char(c);
                i += 3;
                continue;
            }
        }
        out += field[i];
    }
    return QFile::decodeName(out);
}
} // namespace

QString MountPointOf(const QString &device, const QString &canonical, const QByteArray &mountTable)
{
    for (const QByteArray &line : mountTable.split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 2)
            continue;
        const QString source = unescapeMountField(fields[0]);
        if (source == device || (!canonical.isEmpty() && source == canonical))
            return unescapeMountField(fields[1]);
        // A source named through a link (/dev/cdrom) is the same device.
        if (source.startsWith(u'/') && !canonical.isEmpty() &&
            QFileInfo(source).canonicalFilePath() == canonical)
            return unescapeMountField(fields[1]);
    }
    return {};
}

QList<OpticalDrive> OpticalDrives()
{
    QStringList names = QDir(QStringLiteral("/dev")).entryList({QStringLiteral("sr*")}, QDir::System);
    // sr2 before sr10.
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        return a.size() != b.size() ? a.size() < b.size() : a < b;
    });
    QFile mounts(QStringLiteral("/proc/self/mounts"));
    const QByteArray table = mounts.open(QIODevice::ReadOnly) ? mounts.readAll() : QByteArray();
    QList<OpticalDrive> drives;
    for (const QString &name : names) {
        const QString device = QStringLiteral("/dev/") + name;
        drives.append({device, MountPointOf(device, QFileInfo(device).canonicalFilePath(), table)});
    }
    return drives;
}

} // namespace Platform
