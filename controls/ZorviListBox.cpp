#include "controls/ZorviListBox.h"

#include "common/Report.h"
#include "controls/WindowResize.h"
#include "controls/ZorviTrackbar.h"
#include "playlist/SelectList.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>

namespace {
constexpr int BandWidth = 5;
constexpr int WheelNotch = 120;

int FloorDiv(int a, int b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}
} // namespace

TZorviListBox::TZorviListBox(QWidget *parent) : TZorviPanel(parent)
{
    resize(100, 100);
    setMouseTracking(true);
    m_scrollBar = new TZorviTrackbar(this);
    m_scrollBar->SetScrollbar(true);
    m_scrollBar->SetVertical(true);
    m_scrollBar->SetBounds(89, 3, 8, 94);
    m_scrollBar->SetAnchors(AnchorKind::Top | AnchorKind::Right | AnchorKind::Bottom);
    m_scrollBar->OnTrack = [this](TZorviTrackbar *, int &newPos, bool &update) { OnScroll(newPos, update); };
    SetList(nullptr);
    Layout();
}

// An attached list loses this listener with the box; its other listeners stay.
TZorviListBox::~TZorviListBox() = default;

void TZorviListBox::SetList(TSelectList *list)
{
    if (m_list && list == m_list)
        return;
    if (!list && m_list && m_list == m_ownList.get())
        return;
    disconnect(m_listConnection);
    m_anchorIndex = -1;
    m_topIndex = 0;
    if (list) {
        m_list = list;
    } else {
        m_ownList = std::make_unique<TSelectList>();
        m_list = m_ownList.get();
    }
    m_listConnection =
        connect(m_list, &TSelectList::OnChange, this, [this] { RunGuarded([this] { ListChanged(); }); });
    ListChanged();
}

void TZorviListBox::SetSelBitmap(const TMultiPartBitmap &bitmap)
{
    m_selBitmap = bitmap;
    m_selCacheValid = false;
    InvalidateItems();
}

TMultiPartBitmap &TZorviListBox::EditSelBitmap()
{
    m_selCacheValid = false;
    InvalidateItems();
    return m_selBitmap;
}

void TZorviListBox::SetMargins(const ListMargins &margins)
{
    m_margins.Left = std::max(0, margins.Left);
    m_margins.Top = std::max(0, margins.Top);
    m_margins.Right = std::max(0, margins.Right);
    m_margins.Bottom = std::max(0, margins.Bottom);
    const int sbw = m_scrollBar->width();
    m_scrollBar->SetBounds(width() - m_margins.Right - sbw, m_margins.Top, sbw,
                           height() - m_margins.Bottom - m_margins.Top);
    Layout();
    update();
}

void TZorviListBox::SetItemHeight(int height)
{
    if (height == m_itemHeight || height < 1)
        return;
    m_itemHeight = height;
    Layout();
    InvalidateItems();
}

void TZorviListBox::SetSeparatorHeight(int height)
{
    if (height >= 0)
        m_separatorHeight = height;
}

void TZorviListBox::SetSeparatorColor(ColorRef color)
{
    if (color == m_separatorColor)
        return;
    m_separatorColor = color;
    InvalidateItems();
}

void TZorviListBox::SetFontColor(ColorRef color)
{
    if (color == m_fontColor)
        return;
    m_fontColor = color;
    InvalidateItems();
}

void TZorviListBox::Layout()
{
    const int top = m_margins.Top;
    const int bottom = height() - m_margins.Bottom;
    m_itemArea = QRect(m_margins.Left, top, m_itemArea.width(), bottom - top);
    const int count = (bottom - top + m_separatorHeight) / (m_itemHeight + m_separatorHeight);
    m_pageCount = std::max(1, count);
    UpdateScrollBar();
    if (m_itemArea.isEmpty())
        m_itemArea = QRect();
}

void TZorviListBox::UpdateScrollBar()
{
    m_scrollBar->SetMax(m_list->Count() - m_pageCount);
    SetTop(m_scrollBar->Position());
    int right = width() - m_margins.Right;
    if (m_scrollBar->Max() < 1) {
        m_scrollBar->hide();
    } else {
        m_scrollBar->show();
        right -= m_scrollBar->width();
    }
    m_itemArea.setWidth(right - m_itemArea.left());
}

void TZorviListBox::ListChanged()
{
    UpdateScrollBar();
    const int count = m_list->Count();
    if (count == 0)
        m_anchorIndex = -1;
    else if (m_anchorIndex >= count)
        m_anchorIndex = count - 1;
    else if (m_anchorIndex == -1)
        m_anchorIndex = 0;
    InvalidateItems();
}

void TZorviListBox::OnScroll(int &newPos, bool &)
{
    m_topIndex = newPos;
    InvalidateItems();
}

void TZorviListBox::InvalidateItems()
{
    if (!m_itemArea.isEmpty())
        update(m_itemArea);
}

void TZorviListBox::SetTop(int index)
{
    if (index != m_topIndex)
        m_scrollBar->SetPositionByUser(index);
}

void TZorviListBox::CenterItem(int index)
{
    SetTop(index - m_pageCount / 2);
}

int TZorviListBox::ItemAt(int y) const
{
    if (m_list->Count() == 0)
        return -1;
    const int index = FloorDiv(y - m_itemArea.top(), m_itemHeight + m_separatorHeight) + m_topIndex;
    return index < 0 || index >= m_list->Count() ? -1 : index;
}

void TZorviListBox::Resized()
{
    m_selCacheValid = false;
    Layout();
}

void TZorviListBox::DrawSelection(QPainter &painter, const QRect &row)
{
    if (m_selBitmap.Empty() && m_selBitmap.Parts.empty())
        return;
    if (!m_selCacheValid || m_selCache.Width() != row.width() || m_selCache.Height() != row.height()) {
        QImage image(row.size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter cachePainter(&image);
        m_selBitmap.DrawParts(cachePainter, QRect(QPoint(0, 0), row.size()));
        cachePainter.end();
        m_selCache.SetImage(image);
        m_selCache.TransparentFixed = true;
        m_selCache.TransparentColor = m_selBitmap.KeyColor();
        m_selCache.Transparent = m_selBitmap.Transparent;
        m_selCacheValid = true;
    }
    m_selCache.Draw(painter, row, QRect(QPoint(0, 0), row.size()));
}

void TZorviListBox::paintEvent(QPaintEvent *event)
{
    RunGuarded([&] {
        QPainter painter(this);
        PaintBackground(painter, event->rect());
        if (m_list->Count() == 0 || m_itemArea.isEmpty())
            return;
        const QRect clip = event->rect() & m_itemArea;
        if (clip.isEmpty())
            return;
        painter.setClipRect(clip);
        int index = ItemAt(clip.top());
        if (index < 0)
            return;
        const int count = m_list->Count();
        const int clipBottom = clip.top() + clip.height();
        const QColor separator = ColorToQColor(m_separatorColor);
        const QColor text = ColorToQColor(m_fontColor);
        int y = (index - m_topIndex) * (m_itemHeight + m_separatorHeight) + m_itemArea.top();
        while (y < clipBottom) {
            const QRect row(m_itemArea.left(), y, m_itemArea.width(), m_itemHeight);
            if (m_list->IsSelected(index))
                DrawSelection(painter, row);
            painter.save();
            painter.setFont(font());
            painter.setPen(text);
            m_list->DrawItem(painter, index, row);
            painter.restore();
            y += m_itemHeight;
            if (++index >= count)
                break;
            if (m_separatorHeight > 0) {
                painter.fillRect(QRect(m_itemArea.left(), y, m_itemArea.width(), m_separatorHeight),
                                 separator);
                y += m_separatorHeight;
            }
        }
    });
}

SizingEdge TZorviListBox::BandEdge(const QPoint &pos) const
{
    switch (Align()) {
    case Align::Top:
        return pos.y() + BandWidth >= height() ? SizingEdge::Bottom : SizingEdge::None;
    case Align::Bottom:
        return pos.y() < BandWidth ? SizingEdge::Top : SizingEdge::None;
    case Align::Left:
        return pos.x() + BandWidth >= width() ? SizingEdge::Right : SizingEdge::None;
    case Align::Right:
        return pos.x() < BandWidth ? SizingEdge::Left : SizingEdge::None;
    default:
        return SizingEdge::None;
    }
}

void TZorviListBox::ResetPress()
{
    m_movedByDrag = false;
    m_pressedInItems = false;
    m_dragIndex = -1;
}

void TZorviListBox::mousePressEvent(QMouseEvent *event)
{
    RunGuarded([&] {
        const QPoint pos = event->position().toPoint();
        if (event->button() == Qt::LeftButton) {
            if (const SizingEdge edge = BandEdge(pos); edge != SizingEdge::None) {
                // The band works as a sizing border of the list box itself.
                StartWindowResize(this, edge);
                return;
            }
        }
        TZorviPanel::mousePressEvent(event);
        ResetPress();
        m_leftPressInside = event->button() == Qt::LeftButton;
        if (event->button() == Qt::MiddleButton || !m_itemArea.contains(pos))
            return;
        m_pressedInItems = true;
        const int index = ItemAt(pos.y());
        if (index < 0)
            return;

        const ListUpdate update(*m_list); // one notification for the whole press
        m_clickedWasSelected = m_list->IsSelected(index);
        if (event->button() == Qt::LeftButton) {
            if ((event->modifiers() & Qt::ShiftModifier) && m_anchorIndex >= 0) {
                for (int i = std::min(m_anchorIndex, index); i <= std::max(m_anchorIndex, index); ++i)
                    m_list->SetSelected(i, true);
            } else {
                if (!(event->modifiers() & Qt::ControlModifier) && !m_clickedWasSelected)
                    m_list->ClearSelection();
                m_list->SetSelected(index, true);
            }
            m_dragIndex = index;
        } else if (event->button() == Qt::RightButton) {
            // A right press on a selected item keeps the selection for the context menu.
            if (!m_clickedWasSelected) {
                m_list->ClearSelection();
                m_list->SetSelected(index, true);
            }
        }
        m_anchorIndex = index;
        if (index >= m_topIndex + m_pageCount)
            m_scrollBar->SetPositionByUser(m_scrollBar->Position() + 1);
    });
}

void TZorviListBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    RunGuarded([&] {
        const QPoint pos = event->position().toPoint();
        if (event->button() == Qt::LeftButton) {
            if (const SizingEdge edge = BandEdge(pos); edge != SizingEdge::None) {
                StartWindowResize(this, edge);
                return;
            }
            if (ItemAt(pos.y()) == m_anchorIndex && OnDblClick)
                OnDblClick(this);
        }
        TZorviPanel::mousePressEvent(event);
        ResetPress();
        m_leftPressInside = false;
    });
}

void TZorviListBox::mouseMoveEvent(QMouseEvent *event)
{
    RunGuarded([&] {
        const QPoint pos = event->position().toPoint();
        if (event->buttons() == Qt::NoButton) {
            if (const SizingEdge edge = BandEdge(pos); edge != SizingEdge::None)
                setCursor(CursorForSizingCode(edge));
            else
                unsetCursor();
        }
        TZorviPanel::mouseMoveEvent(event);
        if (event->buttons() != Qt::LeftButton || m_dragIndex < 0)
            return;
        setCursor(Qt::DragMoveCursor);
        const int index = ItemAt(pos.y());
        if (index < 0 || index == m_dragIndex)
            return;
        m_anchorIndex = -1;
        m_movedByDrag = true;
        m_list->MoveSelected(index - m_dragIndex);
        m_dragIndex = index;
        const int lastVisible = m_topIndex + m_pageCount - 1;
        if (index >= m_topIndex && index > lastVisible)
            SetTop(m_topIndex + index - lastVisible);
        else if (index < m_topIndex)
            SetTop(index);
    });
}

void TZorviListBox::mouseReleaseEvent(QMouseEvent *event)
{
    RunGuarded([&] {
        TZorviPanel::mouseReleaseEvent(event);
        const bool left = event->button() == Qt::LeftButton;
        if (left && m_leftPressInside && rect().contains(event->position().toPoint()) && OnClick)
            OnClick(this);
        if (left)
            m_leftPressInside = false;
        unsetCursor();
        if (!left || m_movedByDrag || !m_pressedInItems || m_anchorIndex < 0 ||
            (event->modifiers() & Qt::ShiftModifier) || !m_clickedWasSelected)
            return;
        // A plain click on one item of a selection keeps the selection while a drag
        // may follow, and reduces it to that item only now.
        const ListUpdate update(*m_list);
        if (event->modifiers() & Qt::ControlModifier) {
            m_list->SetSelected(m_anchorIndex, false);
        } else {
            m_list->ClearSelection();
            m_list->SetSelected(m_anchorIndex, true);
        }
    });
}

void TZorviListBox::wheelEvent(QWheelEvent *event)
{
    RunGuarded([&] {
        const QRect inner =
            rect().adjusted(m_margins.Left, m_margins.Top, -m_margins.Right, -m_margins.Bottom);
        if (!inner.contains(event->position().toPoint()) || event->angleDelta().y() == 0) {
            event->ignore();
            return;
        }
        const int step = m_pageCount == 1 ? 120 : m_pageCount == 2 ? 60 : 40;
        // Touchpads send parts of a notch: scroll once a whole notch has gathered.
        m_wheelRemainder += event->angleDelta().y();
        const int notches = m_wheelRemainder / WheelNotch;
        m_wheelRemainder -= notches * WheelNotch;
        if (notches != 0)
            m_scrollBar->SetPositionByUser(m_scrollBar->Position() - notches * WheelNotch / step);
        event->accept();
    });
}
