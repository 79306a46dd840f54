#include "playlist/PlayOrder.h"

#include <QRandomGenerator>
#include <QSet>
#include <algorithm>

namespace {
size_t RandomBelow(size_t bound)
{
    return size_t(QRandomGenerator::global()->bounded(quint64(bound)));
}
} // namespace

void PlayOrder::SetShuffle(bool on, const Items &items, const TPlItem *current)
{
    m_shuffle = on;
    m_order.clear();
    m_played = 0;
    if (!on)
        return;
    newRound(items, nullptr);
    Played(items, current);
}

void PlayOrder::newRound(const Items &items, const TPlItem *notFirst)
{
    m_order.assign(items.cbegin(), items.cend());
    std::shuffle(m_order.begin(), m_order.end(), *QRandomGenerator::global());
    // The entry that just ended does not open the next round.
    if (m_order.size() > 1 && m_order.front() == notFirst)
        std::swap(m_order.front(), m_order[1 + RandomBelow(m_order.size() - 1)]);
    m_played = 0;
}

void PlayOrder::sync(const Items &items)
{
    if (qsizetype(m_order.size()) == items.size())
        return; // removals are forgotten as they happen: equal sizes mean nothing new
    const QSet<const TPlItem *> known(m_order.cbegin(), m_order.cend());
    for (const TPlItem *item : items)
        if (!known.contains(item))
            m_order.insert(m_order.begin() + qsizetype(m_played + RandomBelow(m_order.size() - m_played + 1)),
                           item);
}

void PlayOrder::Played(const Items &items, const TPlItem *item)
{
    if (!m_shuffle || !item)
        return;
    sync(items);
    const auto at = std::find(m_order.begin(), m_order.end(), item);
    if (at == m_order.end() || size_t(at - m_order.begin()) < m_played)
        return;
    std::rotate(m_order.begin() + qsizetype(m_played), at, at + 1);
    ++m_played;
}

void PlayOrder::Forget(const TPlItem *item)
{
    const auto at = std::find(m_order.begin(), m_order.end(), item);
    if (at == m_order.end())
        return;
    if (size_t(at - m_order.begin()) < m_played)
        --m_played;
    m_order.erase(at);
}

void PlayOrder::ForgetAll()
{
    m_order.clear();
    m_played = 0;
}

const TPlItem *PlayOrder::Next(const Items &items, const TPlItem *current, bool ended)
{
    if (items.isEmpty())
        return nullptr;
    if (ended && current && Repeat == RepeatMode::One)
        return current;
    if (!m_shuffle) {
        const qsizetype index = current ? items.indexOf(current) : -1;
        if (index + 1 < items.size())
            return items[index + 1];
        return Repeat == RepeatMode::All ? items.front() : nullptr;
    }
    sync(items);
    Played(items, current);
    if (m_played < m_order.size())
        return m_order[m_played];
    if (Repeat != RepeatMode::All)
        return nullptr;
    newRound(items, current);
    return m_order.front();
}

const TPlItem *PlayOrder::Previous(const Items &items, const TPlItem *current) const
{
    if (items.isEmpty() || !current)
        return nullptr;
    if (!m_shuffle) {
        const qsizetype index = items.indexOf(current);
        if (index > 0)
            return items[index - 1];
        return Repeat == RepeatMode::All ? items.back() : nullptr;
    }
    const auto at = std::find(m_order.begin(), m_order.end(), current);
    return at != m_order.end() && at != m_order.begin() ? *(at - 1) : nullptr;
}
