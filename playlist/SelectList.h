#pragma once
// An ordered list with a selection protocol that descendants fill in, block
// moves of the selected items and a change notification that can be
// suspended. The items themselves live in a typed descendant (SelectListOf);
// this base is the list the list box drives, and on its own an empty one.
// No widgets here: the list is drawn through a QPainter handed in by the list box.
#include <QObject>
#include <QRect>

class QPainter;

class TSelectList : public QObject {
    Q_OBJECT
public:
    explicit TSelectList(QObject *parent = nullptr);
    ~TSelectList() override;

    virtual int Count() const;

    // Throw ZError("List index out of bounds (n)") for an index outside the
    // list. Each removal and move notifies; Clear notifies once for the whole list.
    void Delete(int index);
    void Move(int from, int to);
    void Clear();

    virtual bool IsSelected(int index) const;
    // May notify (Changed): callers bracket multi-item changes with
    // BeginUpdate/EndUpdate so that they end in one notification.
    virtual void SetSelected(int index, bool value);
    virtual void ClearSelection();
    virtual void DeleteSelected();
    virtual void MoveSelected(int delta);
    // Draws item `index` inside `rect`; the painter carries the list box's font.
    virtual void DrawItem(QPainter &canvas, int index, const QRect &rect);

    void BeginUpdate() { ++m_updateCount; }
    void EndUpdate(); // notifies when the outermost bracket closes
    // Notifies every listener unless an update bracket is open.
    void Changed();
    int UpdateCount() const { return m_updateCount; }

signals:
    // Any number of listeners; a listener that is destroyed drops out by itself.
    void OnChange(TSelectList *sender);

protected:
    // Throws the index error unless 0 <= index < limit.
    static void CheckIndex(int index, int limit);
    // Called after every insertion, removal and move, before the notification.
    virtual void ItemsChanged() {}

    // Storage of a descendant; the base list has no items.
    virtual void RemoveItem(int index);
    virtual void MoveItem(int from, int to);
    virtual void RemoveAll();

private:
    int m_updateCount = 0;
};

// BeginUpdate for the lifetime of a scope: the bracket closes (and notifies)
// also when the scope is left by an exception.
class ListUpdate {
public:
    explicit ListUpdate(TSelectList &list) : m_list(list) { m_list.BeginUpdate(); }
    ~ListUpdate() { m_list.EndUpdate(); }
    ListUpdate(const ListUpdate &) = delete;
    ListUpdate &operator=(const ListUpdate &) = delete;

private:
    TSelectList &m_list;
};
