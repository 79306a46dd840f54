#include "shortcuts/BoundActions.h"

#include "shortcuts/KeyNames.h"
#include "shortcuts/ShortcutCode.h"
#include "shortcuts/ShortcutList.h"

#include <QHash>
#include <QSet>
#include <algorithm>

namespace SC = ShortcutCode;

bool IsMouseCode(std::uint32_t code)
{
    constexpr std::uint32_t held = SC::LeftHeld | SC::RightHeld | SC::MiddleHeld | SC::DoubleClick;
    const std::uint32_t key = SC::Key(code);
    return (SC::Modifiers(code) & held) != 0 || key == SC::LeftClick || key == SC::RightClick ||
           key == SC::MiddleClick || key == SC::WheelUp || key == SC::WheelDown;
}

namespace {
int NamedIndex(const QString &command)
{
    const qsizetype index = TShortcutList::CommandNames().indexOf(command);
    return index >= 1 && index <= TShortcutList::CommandCount ? int(index) : -1;
}
} // namespace

QString CommandDescription(const QString &command, const QStringList &cmdTexts)
{
    const int index = NamedIndex(command);
    if (index > 0 && index < cmdTexts.size())
        return cmdTexts[index];
    return cmdTexts.value(0).trimmed() + u' ' + command;
}

std::vector<BoundAction> BoundActions(const TShortcutList &list, const QStringList &cmdTexts)
{
    std::vector<BoundAction> actions;
    QHash<QString, size_t> actionAt;
    QSet<std::uint32_t> seen;
    for (int i = 0; i < int(list.Items.size()); ++i) {
        const auto code = std::uint32_t(list.Items[size_t(i)].Code);
        const QString command = list.ActionAt(i);
        if (command.isEmpty() || seen.contains(code))
            continue;
        seen.insert(code);
        const auto at = actionAt.constFind(command);
        const size_t index = at != actionAt.cend() ? *at : actions.size();
        if (index == actions.size()) {
            actionAt.insert(command, index);
            actions.push_back({command, CommandDescription(command, cmdTexts), {}, {}});
        }
        (IsMouseCode(code) ? actions[index].Mouse : actions[index].Keys) << ShortcutToText(code);
    }
    std::stable_sort(actions.begin(), actions.end(), [](const BoundAction &a, const BoundAction &b) {
        return QString::compare(a.Description, b.Description, Qt::CaseInsensitive) < 0;
    });
    return actions;
}

QString KeyFor(const TShortcutList &list, const QString &command)
{
    QSet<std::uint32_t> seen; // the first binding of a code is the one that acts
    for (int i = 0; i < int(list.Items.size()); ++i) {
        const auto code = std::uint32_t(list.Items[size_t(i)].Code);
        if (seen.contains(code))
            continue;
        seen.insert(code);
        if (!IsMouseCode(code) && list.ActionAt(i) == command)
            return ShortcutToText(code);
    }
    return {};
}

QString CommandTip(const TShortcutList &list, const QStringList &cmdTexts, const QString &command)
{
    const QString name = command.simplified();
    if (NamedIndex(name) < 0)
        return {};
    const QString key = KeyFor(list, name);
    const QString text = CommandDescription(name, cmdTexts);
    return key.isEmpty() ? text : text + QLatin1String(" (") + key + u')';
}
