// The window's side of what is remembered and of the newer playback
// actions: the Recent menu, the Speed menu, the screenshot item, and the
// short notes shown in place of the status.
#include "mainwindow/MainForm.h"

#include "common/FileNames.h"
#include "common/Report.h"
#include "i18n/ZorviLocal.h"
#include "mainwindow/MainMenus.h"
#include "mainwindow/WindowEngine.h"
#include "playlist/ZorviPlaylist.h"
#include "settings/StateList.h"
#include "shortcuts/KeyNames.h"
#include "shortcuts/ShortcutList.h"

#include <QAction>
#include <QMenu>
#include <QTimer>
#include <filesystem>

namespace {
constexpr int kNoteMs = 6000;
constexpr int kRestartCommand = 43;

struct RecentEntry {
    QString Name;
    EntryKind Kind;
};

QList<RecentEntry> ReadRecent()
{
    QList<RecentEntry> out;
    for (const StateList::Entry &e : StateList(StateFiles::Recent(), StateFiles::MaxRecent).Entries()) {
        const int kind = e.Value.toInt();
        if (kind == int(EntryKind::File) || kind == int(EntryKind::URL) || kind == int(EntryKind::DVD))
            out.append({DecodeFileName(e.Key), EntryKind(kind)});
    }
    return out;
}
} // namespace

void TMainForm::connectRememberMenus()
{
    MainMenus &m = *m_menus;
    connect(m.MRecent, &QMenu::aboutToShow, this, [this] { RunGuarded([this] { fillRecentMenu(); }); });
    connect(m.MRecentClear, &QAction::triggered, this, [this] {
        RunGuarded([this] {
            if (!StateList(StateFiles::Recent(), StateFiles::MaxRecent).Clear())
                AddLine(QStringLiteral("The list of recent media could not be written"));
        });
    });
    connect(m.MScreenshot, &QAction::triggered, this,
            [this] { RunGuarded([this] { m_engine->ExecuteCommand(QStringLiteral("screenshot_save")); }); });
    for (QAction *item : m.MSpeed->actions())
        connect(item, &QAction::triggered, this, [this, item] {
            RunGuarded([this, item] {
                m_engine->ExecuteCommand(QStringLiteral("speed_set %1").arg(item->data().toInt() / 100.0));
            });
        });
    connect(m.MSpeed, &QMenu::aboutToShow, this, [this] { m_menus->TickSpeed(m_engine->State().Speed); });
    m_noteTimer = new QTimer(this);
    m_noteTimer->setSingleShot(true);
    connect(m_noteTimer, &QTimer::timeout, this,
            [this] { RunGuarded([this] { ShowNote(EngineNote::None, {}); }); });
}

void TMainForm::fillRecentMenu()
{
    const QList<RecentEntry> recent = ReadRecent();
    QStringList captions;
    QList<bool> present;
    for (const RecentEntry &e : recent) {
        captions << ReadableFileName(e.Name);
        std::error_code ec;
        present << (e.Kind == EntryKind::URL || std::filesystem::exists(NativePath(e.Name), ec));
    }
    for (QAction *item : m_menus->SetRecentItems(captions, present))
        connect(item, &QAction::triggered, this, [this, entry = recent.at(item->data().toInt())] {
            RunGuarded([this, &entry] {
                TZorviPlaylist &playlist = m_program.Playlist;
                if (entry.Kind == EntryKind::DVD) {
                    openDrive(entry.Name);
                    return;
                }
                playlist.Clear();
                if (playlist.Add(entry.Name) >= 0)
                    PlayEntry(0);
            });
        });
}

QString TMainForm::statusText(PlaybackStatus status) const
{
    if (!m_note.isEmpty())
        return m_note;
    QString text = texts().StatusText(int(status));
    const float speed = m_engine->State().Speed;
    if (speed != 1 && !text.isEmpty())
        text += QStringLiteral(" %1×").arg(double(speed));
    return text;
}

void TMainForm::ShowNote(EngineNote note, const QString &detail)
{
    const TZorviLocal &t = texts();
    switch (note) {
    case EngineNote::None:
        m_note.clear();
        break;
    case EngineNote::Resumed: {
        m_note = t.NoteResumed.arg(detail);
        // The first key bound to playing from the beginning, if any.
        for (const TmyShortcut &s : m_program.Shortcuts.Items)
            if (s.Command == kRestartCommand) {
                m_note += QStringLiteral(", ") + t.NoteFromStart.arg(ShortcutToText(std::uint32_t(s.Code)));
                break;
            }
        break;
    }
    case EngineNote::ScreenshotSaved:
        m_note = t.NoteScreenshot.arg(detail);
        break;
    case EngineNote::ScreenshotFailed:
        m_note = t.NoteNoScreenshot;
        break;
    }
    if (!m_note.isEmpty()) {
        AddLine(m_note);
        m_noteTimer->start(kNoteMs);
    }
    UpdateStatusDisplay(m_engine->State().Status);
    ShowMediaTitle(m_engine->State().DisplayName);
}
