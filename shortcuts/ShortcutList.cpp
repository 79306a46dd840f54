#include "shortcuts/ShortcutList.h"

#include "common/Report.h"
#include "common/ZError.h"
#include "settings/IniFile.h"
#include "settings/SettingsStore.h"
#include "shortcuts/ShortcutCode.h"

#include <QSet>
#include <algorithm>

namespace {
const QString kSection = QStringLiteral("Shortcuts");
const QString kLevelSection = QStringLiteral("ShortcutDefaults");
const QString kLevelKey = QStringLiteral("Level");

// A table reads as a section would: quoted key=value items.
QList<std::pair<QString, QString>> tableLines(const char *table)
{
    QList<std::pair<QString, QString>> lines;
    for (QString item : QString::fromLatin1(table).split(u',')) {
        item = item.mid(1, item.size() - 2);
        const qsizetype eq = item.indexOf(u'=');
        lines.append({item.left(eq), item.mid(eq + 1)});
    }
    return lines;
}

bool isHexDigit(char16_t c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}
} // namespace

const char *const TShortcutList::DefaultTable =
    "\"480001=15\",\"D=15\",\"4D=3\",\"40009=31\",\"4=4\",\"20=4\",\"50=30\",\"2=28\",\"5D=28\","
    "\"27=10\",\"1FFE9=9\",\"10027=9\",\"40027=8\",\"80002=8\",\"25=11\",\"10025=12\",\"1FFE8=12\","
    "\"40025=13\",\"100001=13\",\"C0=29\",\"DE=29\",\"58=5\",\"53=20\",\"52=18\",\"41=19\",\"43=16\","
    "\"10004=16\",\"FFE9=1\",\"26=1\",\"FFE8=2\",\"28=2\"";

// Level 1: the keys a newcomer tries first (Ctrl+O, Ctrl+U, Ctrl+Q, F1).
// Level 2: speed (], [, Backspace), a screenshot (Ctrl+S), from the beginning (Home).
const char *const TShortcutList::AddedDefaults[] = {"\"4004F=33\",\"40055=34\",\"40051=32\",\"70=36\"",
                                                    "\"DD=39\",\"DB=40\",\"8=41\",\"40053=42\",\"24=43\""};
const int TShortcutList::DefaultsLevel = int(std::size(AddedDefaults));

const QStringList &TShortcutList::CommandNames()
{
    static const QStringList names = {
        QString(),
        QStringLiteral("volume +6"),
        QStringLiteral("volume -6"),
        QStringLiteral("mute"),
        QStringLiteral("pause"),
        QStringLiteral("stop"),
        QStringLiteral("next"),
        QStringLiteral("prev"),
        QStringLiteral("seek +600"),
        QStringLiteral("seek +30"),
        QStringLiteral("seek +10"),
        QStringLiteral("seek -10"),
        QStringLiteral("seek -30"),
        QStringLiteral("seek -600"),
        QStringLiteral("frame_step"),
        QStringLiteral("fullscreen"),
        QStringLiteral("toggle_controls"),
        QStringLiteral("ontop"),
        QStringLiteral("switch_ratio"),
        QStringLiteral("switch_audio"),
        QStringLiteral("sub_select"),
        QStringLiteral("sub_scale +0.5"),
        QStringLiteral("sub_scale -0.5"),
        QStringLiteral("sub_delay +0.100"),
        QStringLiteral("sub_delay -0.100"),
        QStringLiteral("winsize +2"),
        QStringLiteral("winsize -2"),
        QStringLiteral("wincenter"),
        QStringLiteral("popup"),
        QStringLiteral("showlog"),
        QStringLiteral("playlist"),
        QStringLiteral("options"),
        QStringLiteral("mainquit"),
        QStringLiteral("openfile"),
        QStringLiteral("openurl"),
        QStringLiteral("openfolder"),
        QStringLiteral("keys"),
        QStringLiteral("repeat"),
        QStringLiteral("shuffle"),
        QStringLiteral("speed_up"),
        QStringLiteral("speed_down"),
        QStringLiteral("speed_normal"),
        QStringLiteral("screenshot_save"),
        QStringLiteral("restart"),
    };
    return names;
}

void TShortcutList::LoadFromIni(const IniFile &ini)
{
    QList<std::pair<QString, QString>> lines;
    for (const QString &key : ini.Keys(kSection))
        lines.append({key, ini.ReadString(kSection, key, QString())});
    const bool saved = !lines.isEmpty();
    m_level = saved ? std::max(0, ini.ReadInteger(kLevelSection, kLevelKey, 0)) : 0;
    load(saved ? lines : tableLines(DefaultTable));
    for (; m_level < DefaultsLevel; ++m_level)
        addFree(AddedDefaults[m_level]);
}

void TShortcutList::addFree(const char *table)
{
    const TShortcutList added = [table] {
        TShortcutList list;
        list.load(tableLines(table));
        return list;
    }();
    for (const TmyShortcut &s : added.Items)
        if (IndexOfCode(std::uint32_t(s.Code)) < 0)
            Items.push_back(s);
}

void TShortcutList::load(const QList<std::pair<QString, QString>> &lines)
{
    Items.clear();
    m_unread.clear();
    Items.reserve(size_t(lines.size()));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const auto &[key, value] = lines[i];
        // Read as "$0" + key, so an empty key is 0 and the message names that text.
        const bool hex = std::all_of(key.begin(), key.end(), [](QChar c) { return isHexDigit(c.unicode()); });
        bool ok = false;
        const qint64 code = (u'0' + key).toLongLong(&ok, 16);
        if (!hex || !ok || code > 0xFFFFFFFFll) {
            m_unread = lines.mid(i);
            throw ZError(QStringLiteral("'$0%1' is not a valid integer value").arg(key));
        }
        TmyShortcut s;
        s.Code = std::int32_t(std::uint32_t(code));
        bool isNumber = false;
        const int command = value.toInt(&isNumber);
        if (isNumber)
            s.Command = command;
        else
            s.Custom = value.toUtf8();
        Items.push_back(s);
    }
}

void TShortcutList::SaveToIni(IniFile &ini) const
{
    ini.EraseSection(kSection);
    QSet<QString> written;
    for (const TmyShortcut &s : Items) {
        const QString key = QString::number(std::uint32_t(s.Code), 16).toUpper();
        // One line per code: a later binding of the same code replaces the value.
        ini.WriteString(kSection, key,
                        s.Command > 0 ? QString::number(s.Command) : QString::fromUtf8(s.Custom));
        written.insert(key);
    }
    for (const auto &[key, value] : m_unread)
        if (!written.contains(key.toUpper()))
            ini.WriteString(kSection, key, value);
    ini.WriteInteger(kLevelSection, kLevelKey, m_level);
}

void TShortcutList::ConnectTo(SettingsStore &store)
{
    store.ReadShortcuts = [this](const IniFile &ini) {
        try {
            LoadFromIni(ini);
        } catch (const ZError &e) {
            ReportError(e.message());
        }
    };
    store.WriteShortcuts = [this](IniFile &ini) { SaveToIni(ini); };
}

int TShortcutList::IndexOfCode(std::uint32_t code) const
{
    for (size_t i = 0; i < Items.size(); ++i) {
        if (std::uint32_t(Items[i].Code) == code)
            return int(i);
    }
    return -1;
}

QString TShortcutList::ActionAt(int index) const
{
    if (index < 0 || size_t(index) >= Items.size())
        return {};
    const TmyShortcut &s = Items[size_t(index)];
    if (s.Command == 0)
        return QString::fromUtf8(s.Custom);
    // Numbers without a named command (a hand-edited file) bind nothing.
    return s.Command > 0 && s.Command <= CommandCount ? CommandNames().at(s.Command) : QString();
}

QString TShortcutList::ActionFor(std::uint32_t modifiers, std::uint32_t key) const
{
    return ActionAt(IndexOfCode(ShortcutCode::Make(modifiers, key)));
}
