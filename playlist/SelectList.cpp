#include "playlist/SelectList.h"

#include "common/ZError.h"

TSelectList::TSelectList(QObject *parent) : QObject(parent) {}

// The items of a descendant are gone before this runs; none of it notifies.
TSelectList::~TSelectList() = default;

int TSelectList::Count() const
{
    return 0;
}

void TSelectList::CheckIndex(int index, int limit)
{
    if (index < 0 || index >= limit)
        throw ZError(QStringLiteral("List index out of bounds (%1)").arg(index));
}

void TSelectList::Delete(int index)
{
    CheckIndex(index, Count());
    RemoveItem(index);
    ItemsChanged();
    Changed();
}

void TSelectList::Move(int from, int to)
{
    CheckIndex(from, Count());
    CheckIndex(to, Count());
    if (from == to)
        return;
    MoveItem(from, to);
    ItemsChanged();
    Changed();
}

void TSelectList::Clear()
{
    const ListUpdate update(*this);
    RemoveAll();
    ItemsChanged();
}

bool TSelectList::IsSelected(int) const
{
    return false;
}

void TSelectList::SetSelected(int, bool) {}

void TSelectList::ClearSelection()
{
    if (Count() == 0)
        return;
    const ListUpdate update(*this);
    for (int i = 0; i < Count(); ++i)
        SetSelected(i, false);
}

void TSelectList::DeleteSelected()
{
    const ListUpdate update(*this);
    for (int i = Count() - 1; i >= 0; --i)
        if (IsSelected(i))
            Delete(i);
}

void TSelectList::MoveSelected(int delta)
{
    const int count = Count();
    if (delta == 0 || count < 2)
        return;
    if (delta > 0) {
        if (IsSelected(count - 1))
            return;
        int i = count - 2;
        while (i >= 0 && !IsSelected(i))
            --i;
        if (i < 0)
            return;
        const ListUpdate update(*this);
        // Every selected item moves by the same distance, clamped at the end.
        for (int k = i, j = qMin(i + delta, count - 1); k >= 0; --k, --j)
            if (IsSelected(k))
                Move(k, j);
    } else {
        if (IsSelected(0))
            return;
        int i = 1;
        while (i < count && !IsSelected(i))
            ++i;
        if (i >= count)
            return;
        const ListUpdate update(*this);
        for (int k = i, j = qMax(i + delta, 0); k < count; ++k, ++j)
            if (IsSelected(k))
                Move(k, j);
    }
}

void TSelectList::DrawItem(QPainter &, int, const QRect &) {}

void TSelectList::EndUpdate()
{
    if (m_updateCount > 0)
        --m_updateCount;
    Changed();
}

void TSelectList::Changed()
{
    if (m_updateCount == 0)
        emit OnChange(this);
}

// The base list is empty: CheckIndex has already refused every index.
void TSelectList::RemoveItem(int) {}
void TSelectList::MoveItem(int, int) {}
void TSelectList::RemoveAll() {}
