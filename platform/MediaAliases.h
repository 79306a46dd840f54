#pragma once
// Private aliases through which the engine opens media whose names it must
// not see: symbolic links with plain names in a folder only this user can
// enter, made fresh for this process ($XDG_RUNTIME_DIR when it is ours, else
// the temporary folder). The engine echoes the name it opens, so a name with
// a line break could otherwise forge lines of engine output, and bytes that
// are not UTF-8 would not survive the argument list.
#include <QByteArray>
#include <QList>
#include <QString>

namespace Platform {

class MediaAliases {
public:
    MediaAliases() = default;
    MediaAliases(const MediaAliases &) = delete;
    MediaAliases &operator=(const MediaAliases &) = delete;
    // Removes the links and the folder.
    ~MediaAliases();

    // A new link to target (the exact bytes of a path), named by a number and
    // the extension of target when that is plain; empty with error set when it
    // cannot be made.
    QString Link(const QByteArray &target, QString &error);
    // Removes the links made so far (the folder stays for the next ones).
    void Clear();

private:
    bool MakeFolder(QString &error);

    QByteArray m_folder;
    QList<QByteArray> m_links;
    int m_next = 0;
};

} // namespace Platform
