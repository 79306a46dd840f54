#pragma once
// An ordered list of items with a selection protocol that descendants fill in,
// block moves of the selected items and a change notification that can be
// suspended. The playlist descends from it; the list box shows any of them.
// No widgets here: the list is drawn through a QPainter handed in by the list box.
#include <QList>
#include <QRect>
#include <functional>

class QPainter;

class TSelectList {
public:
    TSelectList() = default;
    TSelectList(const TSelectList &) = delete;
    TSelectList &operator=(const TSelectList &) = delete;
    virtual ~TSelectList();

    int Count() const { return int(m_items.size()); }
    // Throws ZError("List index out of bounds (n)") for an index outside the list,
    // as do Insert, Delete and Move.
    void *Item(int index) const;

    // Base list operations; each insertion, removal and move notifies (Changed).
    int Add(void *item);
    void Insert(int index, void *item);
    void Delete(int index);
    void Move(int from, int to);
    void Clear(); // one notification for the whole clear

    virtual bool IsSelected(int index) const;
    // Multi-item changes are bracketed by BeginUpdate/EndUpdate so that a
    // descendant's SetSelected, which may notify, produces one notification.
    virtual void SetSelected(int index, bool value);
    virtual void ClearSelection();
    virtual void DeleteSelected();
    virtual void MoveSelected(int delta);
    // Draws item `index` inside `rect`; the painter carries the list box's font.
    virtual void DrawItem(QPainter &canvas, int index, const QRect &rect);

    void BeginUpdate() { ++m_updateCount; }
    void EndUpdate(); // notifies when the outermost bracket closes
    void Changed();
    int UpdateCount() const { return m_updateCount; }

    std::function<void(TSelectList *sender)> OnChange;

protected:
    // Called when an item leaves the list (deleted or cleared); frees it.
    virtual void FreeItem(void *item);
    // Called after every insertion, removal and move (before Changed).
    virtual void ItemsChanged() {}

private:
    QList<void *> m_items;
    int m_updateCount = 0;
};
