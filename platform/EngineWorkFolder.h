#pragma once
// The engine's working folder: a private folder made fresh for this process
// (like the media aliases', mode 0700), so the pictures the engine writes
// there on request ("shotNNNN.png") are its own and nobody else's, and are
// moved out to where the user keeps pictures.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace Platform {

class EngineWorkFolder {
public:
    EngineWorkFolder() = default;
    EngineWorkFolder(const EngineWorkFolder &) = delete;
    EngineWorkFolder &operator=(const EngineWorkFolder &) = delete;
    // Removes the folder and what is left in it.
    ~EngineWorkFolder();

    // The folder, made on first use; empty when it cannot be made.
    QString Path();
    // The engine's pictures waiting there, whole (their size did not change
    // since the last call), oldest name first.
    QStringList FinishedPictures();
    // Removes every picture waiting there.
    void DropPictures();

private:
    QByteArray m_folder;
    QList<std::pair<QString, qint64>> m_sizes;
};

// $XDG_PICTURES_DIR/Zorvi/ (~/Pictures/Zorvi/ when unset) with a trailing "/".
QString ScreenshotFolder();
// Moves the file into folder as "<base>.png", "<base> (2).png" ..., never
// over a file that is there; the path it got, or empty.
QString MoveToNewName(const QString &file, const QString &folder, const QString &base);

} // namespace Platform
