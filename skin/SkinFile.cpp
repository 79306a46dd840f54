#include "skin/SkinFile.h"

#include "skin/SkinList.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

ZError Outside(const QString &name)
{
    return ZError(QStringLiteral("\"%1\" lies outside the skin").arg(name));
}

} // namespace

QString ConfinedSkinFile(const QString &folder, const QString &name)
{
    QString rel = name;
    rel.replace(u'\\', u'/');
    if (rel.startsWith(u'/') || rel.split(u'/').contains(QLatin1String("..")))
        throw Outside(name);
    QString path = ResolveSkinFile(folder, rel);
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return path;
    // Symbolic links anywhere on the way are followed before comparing.
    const QString root = QFileInfo(folder).canonicalFilePath();
    const QString real = info.canonicalFilePath();
    if (root.isEmpty() || real.isEmpty() || !real.startsWith(root + u'/'))
        throw Outside(name);
    return path;
}

QByteArray ReadSkinFile(const QString &path, const QString &name, qint64 maxBytes)
{
    const QFileInfo info(path);
    // A device, a pipe or a folder would be read without end or not at all.
    if (info.exists() && !info.isFile())
        throw ZError(QStringLiteral("\"%1\" is not a file").arg(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ZError(QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString()));
    auto tooLarge = [&] {
        return ESkinTooLarge(
            QStringLiteral("Skin too large: \"%1\" holds more than the %2 bytes it may have.")
                .arg(name)
                .arg(maxBytes));
    };
    if (info.size() > maxBytes)
        throw tooLarge();
    // A file of size 0 can still give bytes without end (/proc): read in
    // slices and stop past the limit.
    QByteArray bytes;
    constexpr qint64 Slice = qint64(64) * 1024;
    while (true) {
        const QByteArray part = file.read(std::min(Slice, maxBytes + 1 - bytes.size()));
        if (part.isEmpty())
            break;
        bytes += part;
        if (bytes.size() > maxBytes)
            throw tooLarge();
    }
    return bytes;
}
