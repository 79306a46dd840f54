#pragma once
// A skinned list box over any TSelectList: rows of fixed height with optional
// separators, a selection bitmap, a scroll-bar trackbar, click / shift / ctrl /
// right-press selection, drag reordering, wheel scrolling and a resize band on
// its inner edge.
#include "controls/WindowResize.h"
#include "controls/ZorviPanel.h"
#include "graphics/MultiPartBitmap.h"

#include <QRect>
#include <memory>

class TSelectList;
class TZorviTrackbar;

struct ListMargins {
    int Left = 4, Top = 4, Right = 4, Bottom = 4;
};

class TZorviListBox : public TZorviPanel {
    Q_OBJECT
public:
    explicit TZorviListBox(QWidget *parent = nullptr);
    ~TZorviListBox() override;

    TSelectList *List() const { return m_list; }
    // Attaches a list (not owned) and listens to its changes beside any other
    // listener; null goes back to an own empty list.
    void SetList(TSelectList *list);

    const TMultiPartBitmap &SelBitmap() const { return m_selBitmap; }
    void SetSelBitmap(const TMultiPartBitmap &bitmap);
    TMultiPartBitmap &EditSelBitmap();

    QRect ItemArea() const { return m_itemArea; }
    ListMargins Margins() const { return m_margins; }
    void SetMargins(const ListMargins &margins);
    int PageCount() const { return m_pageCount; }
    int TopIndex() const { return m_topIndex; }
    int AnchorIndex() const { return m_anchorIndex; }
    int DragIndex() const { return m_dragIndex; }
    TZorviTrackbar *ScrollBar() const { return m_scrollBar; }

    int ItemHeight() const { return m_itemHeight; }
    void SetItemHeight(int height); // >= 1
    int SeparatorHeight() const { return m_separatorHeight; }
    void SetSeparatorHeight(int height); // >= 0; takes effect at the next layout
    ColorRef SeparatorColor() const { return m_separatorColor; }
    void SetSeparatorColor(ColorRef color);
    // The list box font is the widget's font; its colour is the pen items are drawn with.
    ColorRef FontColor() const { return m_fontColor; }
    void SetFontColor(ColorRef color);

    void SetTop(int index);
    void CenterItem(int index);
    // Item index at a client y coordinate, or -1.
    int ItemAt(int y) const;

    NotifyEvent OnClick;
    NotifyEvent OnDblClick;

protected:
    void Resized() override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void Layout();
    void UpdateScrollBar();
    void ListChanged();
    void OnScroll(int &newPos, bool &update);
    void InvalidateItems();
    void ResetPress();
    // Sizing edge under a point of the resize band, or None.
    SizingEdge BandEdge(const QPoint &pos) const;
    void DrawSelection(QPainter &painter, const QRect &row);

    TSelectList *m_list = nullptr;
    std::unique_ptr<TSelectList> m_ownList;
    QMetaObject::Connection m_listConnection;
    TMultiPartBitmap m_selBitmap;
    KeyedBitmap m_selCache; // the selection bitmap at the row size (keyed when transparent)
    bool m_selCacheValid = false;
    TZorviTrackbar *m_scrollBar = nullptr;
    ListMargins m_margins;
    QRect m_itemArea;
    int m_pageCount = 1;
    int m_topIndex = 0;
    int m_anchorIndex = -1;
    int m_itemHeight = 32;
    int m_separatorHeight = 0;
    ColorRef m_separatorColor = clBlack;
    ColorRef m_fontColor = clBlack;
    bool m_clickedWasSelected = false;
    bool m_pressedInItems = false;
    bool m_movedByDrag = false;
    bool m_leftPressInside = false;
    int m_dragIndex = -1;
    int m_wheelRemainder = 0;
};
