// Media coming in through the window's menus: the open dialog, the folder
// chooser, the URL prompt, optical drives and subtitle files.
#include "mainwindow/MainForm.h"

#include "i18n/ZorviLocal.h"
#include "mainwindow/OpenRules.h"
#include "mainwindow/WindowEngine.h"
#include "playlist/ZorviPlaylist.h"

#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QInputDialog>
#include <QScreen>

QStringList TMainForm::chooseFiles(int filter, const QString &folder)
{
    QFileDialog dialog(this);
    // Qt's own dialog: its filters ignore letter case, a desktop's native one may not.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    const TZorviLocal &t = texts();
    const QStringList filters = OpenRules::DialogFilters(
        {t.FilterMedia, t.FilterAll, t.FilterVideo, t.FilterAudio, t.FilterSubtitles});
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
    const QStringList names = chooseFiles(int(OpenRules::Filter::Media), QString());
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

void TMainForm::openFolder()
{
    QFileDialog dialog(this, texts().OpenFolderTitle);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    // The folder rules of the command line: a disc folder is one DVD entry,
    // any other folder its media files. A folder that gives nothing leaves the
    // list and what plays as they were (the playlist says why).
    TZorviPlaylist &playlist = m_program.Playlist;
    const int before = playlist.Count();
    if (playlist.Add(dialog.selectedFiles().constFirst()) < 0)
        return;
    playlist.DeleteFirst(before);
    PlayEntry(0);
}

void TMainForm::openUrl()
{
    QInputDialog dialog(this);
    dialog.setWindowTitle(texts().OpenUrlTitle);
    dialog.setLabelText(texts().OpenUrlPrompt);
    dialog.setTextValue(OpenRules::UrlDefault(QGuiApplication::clipboard()->text()));
    // Wide enough to read a long address whole, on any screen.
    int width = dialog.fontMetrics().averageCharWidth() * 80;
    if (const QScreen *screen = this->screen())
        width = qMin(width, screen->availableGeometry().width() * 9 / 10);
    dialog.resize(qMax(width, dialog.sizeHint().width()), dialog.sizeHint().height());
    if (dialog.exec() != QDialog::Accepted || dialog.textValue().isEmpty())
        return;
    const int index = m_program.Playlist.Add(dialog.textValue());
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
