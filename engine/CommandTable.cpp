#include "engine/CommandTable.h"

#include "common/NumberFormat.h"

#include <cmath>

CommandArgs CommandArgs::Parse(const QString &text)
{
    CommandArgs args;
    const qsizetype first = text.indexOf(u' ');
    if (first < 0)
        return args;
    const qsizetype second = text.indexOf(u' ', first + 1);
    const QString value = second < 0 ? text.mid(first + 1) : text.mid(first + 1, second - first - 1);
    if (const auto v = ParseFloat(value); v && std::isfinite(*v)) {
        args.Value = float(*v);
        args.HasValue = true;
    }
    if (second >= 0) {
        const auto flag = ParseInt(text.mid(second + 1));
        args.Absolute = flag && *flag > 0;
    }
    return args;
}

int CommandArgs::Rounded() const
{
    // nearbyint rounds ties to even in the default rounding mode.
    return int(std::nearbyint(Value));
}

void CommandTable::Register(const QString &name, Action action)
{
    m_rows.emplace(name, std::move(action));
}

bool CommandTable::Run(const QString &text) const
{
    const auto row = m_rows.constFind(text.section(u' ', 0, 0));
    if (row == m_rows.cend())
        return false;
    const Action action = *row; // the action may register rows
    action(CommandArgs::Parse(text));
    return true;
}
