#include "playlist/SelectList.h"

#include "common/ZError.h"

namespace {
[[noreturn]] void IndexError(int index)
{
    throw ZError(QStringLiteral("List index out of bounds (%1)").arg(index));
}
} // namespace

TSelectList::~TSelectList()
{
    // Removing the items while the list goes away must notify nobody.
    m_updateCount = 1;
    OnChange = nullptr;
    for (void *item : std::as_const(m_items))
        FreeItem(item);
    m_items.clear();
}

void *TSelectList::Item(int index) const
{
    if (index < 0 || index >= Count())
        IndexError(index);
    return m_items.at(index);
}

int TSelectList::Add(void *item)
{
    m_items.append(item);
    ItemsChanged();
    Changed();
    return Count() - 1;
}

void TSelectList::Insert(int index, void *item)
{
    if (index < 0 || index > Count())
        IndexError(index);
    m_items.insert(index, item);
    ItemsChanged();
    Changed();
}

void TSelectList::Delete(int index)
{
    if (index < 0 || index >= Count())
        IndexError(index);
    void *item = m_items.takeAt(index);
    FreeItem(item);
    ItemsChanged();
    Changed();
}

void TSelectList::Move(int from, int to)
{
    if (from < 0 || from >= Count())
        IndexError(from);
    if (to < 0 || to >= Count())
        IndexError(to);
    if (from == to)
        return;
    m_items.move(from, to);
    ItemsChanged();
    Changed();
}

void TSelectList::Clear()
{
    BeginUpdate();
    // Take the items out first so a notification or FreeItem never sees a
    // half-freed list.
    const QList<void *> items = std::exchange(m_items, {});
    for (void *item : items)
        FreeItem(item);
    ItemsChanged();
    EndUpdate();
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
    BeginUpdate();
    for (int i = 0; i < Count(); ++i)
        SetSelected(i, false);
    EndUpdate();
}

void TSelectList::DeleteSelected()
{
    BeginUpdate();
    for (int i = Count() - 1; i >= 0; --i)
        if (IsSelected(i))
            Delete(i);
    EndUpdate();
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
        BeginUpdate();
        // Every selected item moves by the same distance, clamped at the end.
        for (int k = i, j = qMin(i + delta, count - 1); k >= 0; --k, --j)
            if (IsSelected(k))
                Move(k, j);
        EndUpdate();
    } else {
        if (IsSelected(0))
            return;
        int i = 1;
        while (i < count && !IsSelected(i))
            ++i;
        if (i >= count)
            return;
        BeginUpdate();
        for (int k = i, j = qMax(i + delta, 0); k < count; ++k, ++j)
            if (IsSelected(k))
                Move(k, j);
        EndUpdate();
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
    if (m_updateCount == 0 && OnChange)
        OnChange(this);
}

void TSelectList::FreeItem(void *) {}
