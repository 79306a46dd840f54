// The window's side of the playlist: repeat and shuffle (menu items, named
// commands, zorvi.ini), saving it as a playlist file, and telling the user
// what a read playlist file left out.
#include "mainwindow/MainForm.h"

#include "common/FileNames.h"
#include "common/Report.h"
#include "console/LogForm.h"
#include "i18n/Localization.h"
#include "mainwindow/MainMenus.h"
#include "mainwindow/WindowEngine.h"
#include "platform/FileReplace.h"
#include "playlist/ZorviPlaylist.h"
#include "settings/SettingsData.h"

#include <QAction>
#include <QFileDialog>
#include <QMenu>
#include <algorithm>

namespace {
template <typename Fn> void onTriggered(QAction *item, QObject *context, Fn fn)
{
    QObject::connect(item, &QAction::triggered, context, [fn] { RunGuarded(fn); });
}

// The save dialog's filters, in the order of their formats.
const struct {
    const char *Filter;
    const char *Extension;
} SaveFormats[] = {
    {"M3U8 (*.m3u8)", ".m3u8"},
    {"M3U (*.m3u)", ".m3u"},
    {"PLS (*.pls)", ".pls"},
    {"XSPF (*.xspf)", ".xspf"},
};
} // namespace

void TMainForm::createPlaylistMenus()
{
    MainMenus &m = *m_menus;
    onTriggered(m.PLMSave, this, [this] { savePlaylist(); });
    for (QAction *item : {m.PLMRepeatOff, m.PLMRepeatOne, m.PLMRepeatAll})
        onTriggered(item, this, [this, item] { setRepeat(item->data().toInt()); });
    onTriggered(m.PLMShuffle, this, [this] { setShuffle(!m_program.Playlist.Shuffle()); });
    connect(m.PLPopup, &QMenu::aboutToShow, this, [this] {
        const TZorviPlaylist &playlist = m_program.Playlist;
        const int repeat = int(playlist.Repeat());
        for (QAction *item : m_menus->PLMRepeat->actions())
            item->setChecked(item->data().toInt() == repeat);
        m_menus->PLMShuffle->setChecked(playlist.Shuffle());
    });
    // The total length in the list's title follows the list.
    connect(&m_program.Playlist, &TSelectList::OnChange, this,
            [this] { RunGuarded([this] { updateListTitle(); }); });
}

void TMainForm::applyPlaylistSettings()
{
    const auto &s = m_program.Settings.LastSession;
    m_program.Playlist.SetRepeat(RepeatMode(std::clamp(s.Repeat, 0, 2)));
    m_program.Playlist.SetShuffle(s.Shuffle);
}

void TMainForm::setRepeat(int mode)
{
    auto &s = m_program.Settings.LastSession;
    s.Repeat = std::clamp(mode, 0, 2);
    m_program.Playlist.SetRepeat(RepeatMode(s.Repeat));
    updateListTitle();
}

void TMainForm::setShuffle(bool on)
{
    m_program.Settings.LastSession.Shuffle = on;
    m_program.Playlist.SetShuffle(on);
    updateListTitle();
}

void TMainForm::savePlaylist()
{
    QFileDialog dialog(this, texts().SavePlaylist);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    QStringList filters;
    for (const auto &format : SaveFormats)
        filters << QLatin1String(format.Filter);
    dialog.setNameFilters(filters);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    QString path = dialog.selectedFiles().constFirst();
    // The format follows the name's extension; a name without one gets the chosen filter's.
    if (PlaylistFile::FormatOf(path) == PlaylistFormat::None)
        path += QLatin1String(
            SaveFormats[std::max<qsizetype>(0, filters.indexOf(dialog.selectedNameFilter()))].Extension);
    SavePlaylistAs(path);
}

bool TMainForm::SavePlaylistAs(const QString &path)
{
    const QByteArray bytes = PlaylistFile::Write(m_program.Playlist.Entries(), PlaylistFile::FormatOf(path));
    if (Platform::ReplaceFileContents(path, bytes))
        return true;
    ReportError(texts().PlaylistNotSaved.arg(ReadableFileName(path)));
    return false;
}

void TMainForm::reportPlaylistProblems(const QString &file, const QList<PlaylistRead::Note> &problems)
{
    // Files named on the command line are read before the language is chosen:
    // their messages wait for it.
    if (!m_languageReady) {
        m_pendingPlaylistProblems.append({file, problems});
        return;
    }
    const TZorviLocal &t = texts();
    const QString name = ReadableFileName(file);
    QStringList lines;
    for (const PlaylistRead::Note &note : problems) {
        switch (note.Problem) {
        case PlaylistProblem::Unreadable:
            lines << t.PlaylistUnreadable.arg(name);
            break;
        case PlaylistProblem::TooLarge:
            lines << t.PlaylistTooLarge.arg(
                name, QString::number(PlaylistFile::MaxBytes / (qsizetype(1024) * 1024)));
            break;
        case PlaylistProblem::TooManyEntries:
            lines << t.PlaylistTooMany.arg(name, QString::number(PlaylistFile::MaxEntries));
            break;
        case PlaylistProblem::LineTooLong:
            lines << t.PlaylistLongLine.arg(name, QString::number(PlaylistFile::MaxLineBytes));
            break;
        case PlaylistProblem::Nested:
            lines << t.PlaylistNested.arg(name, note.Example);
            break;
        case PlaylistProblem::Scheme:
            lines << t.PlaylistScheme.arg(name, note.Example);
            break;
        case PlaylistProblem::BadXml:
            lines << t.PlaylistBadXml.arg(name, note.Example);
            break;
        }
    }
    for (const QString &line : std::as_const(lines))
        m_log->AddLine(QStringLiteral("$|") + line);
    ReportError(lines.join(u'\n'));
}

void TMainForm::reportPendingPlaylistProblems()
{
    m_languageReady = true;
    for (const auto &[file, problems] : std::exchange(m_pendingPlaylistProblems, {}))
        reportPlaylistProblems(file, problems);
}
