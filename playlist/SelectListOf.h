#pragma once
// A selection list that owns its items, each at a fixed address for as long
// as it is in the list (moves and insertions elsewhere do not move it).
#include "playlist/SelectList.h"

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

template <typename Item> class SelectListOf : public TSelectList {
public:
    using TSelectList::TSelectList;

    int Count() const override { return int(m_items.size()); }

    // Throws the index error for an index outside the list.
    Item *Items(int index) const
    {
        CheckIndex(index, Count());
        return m_items[size_t(index)].get();
    }

    // Appends; the index of the new item.
    int AddItem(Item item)
    {
        m_items.push_back(std::make_unique<Item>(std::move(item)));
        ItemsChanged();
        Changed();
        return Count() - 1;
    }

    // Inserts before index (Count() appends); throws the index error beyond that.
    void InsertItem(int index, Item item)
    {
        CheckIndex(index, Count() + 1);
        m_items.insert(m_items.begin() + index, std::make_unique<Item>(std::move(item)));
        ItemsChanged();
        Changed();
    }

    // Removes the first `count` items (all of them when there are fewer) at
    // once, with one notification.
    void DeleteFirst(int count)
    {
        m_items.erase(m_items.begin(), m_items.begin() + std::clamp(count, 0, Count()));
        ItemsChanged();
        Changed();
    }

protected:
    void RemoveItem(int index) override { m_items.erase(m_items.begin() + index); }

    void MoveItem(int from, int to) override
    {
        const auto first = m_items.begin();
        if (from < to)
            std::rotate(first + from, first + from + 1, first + to + 1);
        else
            std::rotate(first + to, first + from, first + from + 1);
    }

    void RemoveAll() override
    {
        // Taken out first, so nothing freed is reachable through the list.
        const auto items = std::exchange(m_items, {});
    }

private:
    std::vector<std::unique_ptr<Item>> m_items;
};
