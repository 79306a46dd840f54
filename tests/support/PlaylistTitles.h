#pragma once
// The titles of a playlist's entries, in order.
#include "playlist/ZorviPlaylist.h"

inline QStringList Titles(const TZorviPlaylist &list)
{
    QStringList titles;
    for (int i = 0; i < list.Count(); ++i)
        titles << list.Items(i)->Title;
    return titles;
}
