#pragma once
// Which entry plays after or before the current one: in list order, or in a
// shuffled order the list keeps, so that no entry plays twice before every
// entry has played; repeat off, one (the entry again when it ends) or all
// (from the top again, or a new shuffled round).
#include "playlist/PlItem.h"

#include <QList>
#include <vector>

enum class RepeatMode { Off = 0, One = 1, All = 2 };

class PlayOrder {
public:
    using Items = QList<const TPlItem *>; // the list's entries in list order

    RepeatMode Repeat = RepeatMode::Off;
    bool Shuffle() const { return m_shuffle; }
    // A new round begins; the current entry (if any) counts as played in it.
    void SetShuffle(bool on, const Items &items, const TPlItem *current);

    // The entry became current: in a shuffled round it counts as played.
    void Played(const Items &items, const TPlItem *item);
    // The entry left the list (before it is freed, so no address is mistaken for another).
    void Forget(const TPlItem *item);
    void ForgetAll();

    // After `current` (nullptr: none); `ended`: its playback came to its end,
    // rather than the user asking for the next one. nullptr: nothing follows.
    const TPlItem *Next(const Items &items, const TPlItem *current, bool ended);
    const TPlItem *Previous(const Items &items, const TPlItem *current) const;

private:
    // Entries added since the last call go to random places among the unplayed.
    void sync(const Items &items);
    void newRound(const Items &items, const TPlItem *notFirst);

    bool m_shuffle = false;
    std::vector<const TPlItem *> m_order;
    size_t m_played = 0; // m_order's first m_played entries have played this round
};
