#include "playlist/MediaTypes.h"

#include "playlist/PlNames.h"

#include <QSet>

namespace MediaTypeLists {
extern const char *const Video, *const Audio, *const Mime;
} // namespace MediaTypeLists

namespace {
QStringList split(const char *list)
{
    return QString::fromLatin1(list).split(u',', Qt::SkipEmptyParts);
}
} // namespace

namespace MediaTypes {

const QStringList &Extensions(MediaKind kind)
{
    static const QStringList video = split(MediaTypeLists::Video);
    static const QStringList audio = split(MediaTypeLists::Audio);
    return kind == MediaKind::Video ? video : audio;
}

const QStringList &MimeTypes()
{
    static const QStringList types = split(MediaTypeLists::Mime);
    return types;
}

bool IsMediaFile(const QString &path)
{
    static const QSet<QString> known = [] {
        QSet<QString> set;
        for (const QStringList *list : {&Extensions(MediaKind::Video), &Extensions(MediaKind::Audio)})
            for (const QString &extension : *list)
                set.insert(extension);
        return set;
    }();
    return known.contains(FileExtension(path).mid(1).toLower());
}

} // namespace MediaTypes
