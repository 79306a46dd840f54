// Media coming in through the window's menus: the open dialog, the URL
// prompt, optical drives and subtitle files.
#include "mainwindow/MainForm.h"

#include "mainwindow/OpenRules.h"
#include "mainwindow/WindowEngine.h"
#include "playlist/ZorviPlaylist.h"

#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QInputDialog>

QStringList TMainForm::chooseFiles(int filter, const QString &folder)
{
    QFileDialog dialog(this);
    // Qt's own dialog: its filters ignore letter case, a desktop's native one may not.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    const QStringList filters = OpenRules::DialogFilters();
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.at(filter));
    if (!folder.isEmpty())
        dialog.setDirectory(folder);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return OpenRules::InDialogOrder(dialog.selectedFiles());
}

void TMainForm::openFiles(bool replace)
{
    const QStringList names = chooseFiles(int(OpenRules::Filter::Video), QString());
    if (names.isEmpty())
        return;
    TZorviPlaylist &playlist = m_program.Playlist;
    {
        const ListUpdate update(playlist);
        if (replace)
            playlist.Clear();
        for (const QString &name : names)
            playlist.Add(name);
    }
    if (replace)
        PlayEntry(0);
}

void TMainForm::openUrl()
{
    const QString offered = OpenRules::UrlDefault(QGuiApplication::clipboard()->text());
    bool ok = false;
    const QString url =
        QInputDialog::getText(this, QStringLiteral("Open URL ..."), QStringLiteral("Enter the url :"),
                              QLineEdit::Normal, offered, &ok);
    if (!ok || url.isEmpty())
        return;
    const int index = m_program.Playlist.Add(url);
    if (index >= 0)
        PlayEntry(index);
}

void TMainForm::openDrive(const QString &device)
{
    TZorviPlaylist &playlist = m_program.Playlist;
    playlist.Clear();
    const int index = playlist.AddItem(TZorviPlaylist::MakeItem(device, EntryKind::DVD));
    PlayEntry(index);
}

void TMainForm::loadSubtitles()
{
    QString folder;
    if (m_engine->State().OpenMode == EntryKind::File) {
        QString path = QString::fromUtf8(m_engine->State().MediaURL);
        if (path.size() > 1 && path.startsWith(u'"') && path.endsWith(u'"'))
            path = path.mid(1, path.size() - 2);
        folder = QFileInfo(path).absolutePath();
    }
    const QStringList names = chooseFiles(int(OpenRules::Filter::Subtitles), folder);
    for (const QString &name : names)
        m_engine->LoadSubtitle(name);
}
