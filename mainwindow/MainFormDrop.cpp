// Files and links dropped on the window: a drop on the video replaces the
// playlist and plays what came; a drop on the playlist (or a subtitle file
// anywhere) appends.
#include "mainwindow/MainForm.h"

#include "common/FileNames.h"
#include "common/Report.h"
#include "controls/ZorviControls.h"
#include "playlist/PlNames.h"
#include "playlist/ZorviPlaylist.h"
#include "skin/SkinControls.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace {
// Local files as paths, anything else (a browser's link) as the URL it is.
QStringList droppedNames(const QMimeData *data)
{
    QStringList names;
    for (const QUrl &url : data->urls())
        names << (url.isLocalFile() ? LocalFileOfUrl(url) : url.toString());
    if (names.isEmpty() && data->hasText()) {
        const QString text = data->text().trimmed();
        if (!text.isEmpty() && !text.contains(u'\n'))
            names << text;
    }
    return names;
}
} // namespace

void TMainForm::dragEnterEvent(QDragEnterEvent *event)
{
    if (!droppedNames(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent *event)
{
    const QStringList names = droppedNames(event->mimeData());
    if (names.isEmpty())
        return;
    event->acceptProposedAction();
    RunGuarded([&] { dropNames(names, event->position().toPoint()); });
}

void TMainForm::dropNames(const QStringList &names, const QPoint &at)
{
    TZorviPlaylist &playlist = m_program.Playlist;
    const QWidget *target = childAt(at);
    const QWidget *box = m_skin->Playlist;
    const bool onPlaylist =
        target && (target == m_skin->BPlaylist || target == box || box->isAncestorOf(target));
    const bool append = onPlaylist || ExtensionMatches(names.first(), SubtitleExtensions);
    int first = 0;
    {
        const ListUpdate update(playlist);
        if (!append)
            playlist.Clear();
        first = playlist.Count();
        for (const QString &name : names)
            playlist.Add(name);
    }
    if (!append && playlist.Count() != first)
        PlayEntry(first);
}
