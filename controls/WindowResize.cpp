#include "controls/WindowResize.h"

#include "common/Report.h"
#include "controls/ZorviLayout.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace {

WindowResizeHandler &Handler()
{
    static WindowResizeHandler handler;
    return handler;
}

// Follows the pointer until the left button is released, under a mouse grab.
class ResizeLoop : public QObject {
public:
    ResizeLoop(QWidget *window, SizingEdge edge)
        : m_window(window), m_edge(edge), m_start(window->geometry()), m_pointer(QCursor::pos())
    {
        window->installEventFilter(this);
        window->grabMouse(CursorForSizingCode(edge));
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_window)
            return false;
        switch (event->type()) {
        case QEvent::MouseMove:
            RunGuarded([&] { Follow(static_cast<QMouseEvent *>(event)->globalPosition().toPoint()); });
            return true;
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
                Finish();
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            return true;
        default:
            return false;
        }
    }

private:
    void Follow(const QPoint &pointer)
    {
        const QPoint delta = pointer - m_pointer;
        const QSize minimum = m_window->minimumSize().expandedTo(QSize(1, 1));
        const QRect r = ResizedRect(m_start, m_edge, delta, minimum);
        if (r != m_window->geometry()) {
            m_window->setGeometry(r);
            // A docked child keeps its new size: let the parent dock it again.
            if (!m_window->isWindow() && m_window->parentWidget())
                ZorviRealign(m_window->parentWidget());
        }
    }

    void Finish()
    {
        if (m_window) {
            m_window->releaseMouse();
            m_window->removeEventFilter(this);
        }
        deleteLater();
    }

    QPointer<QWidget> m_window;
    SizingEdge m_edge;
    QRect m_start;
    QPoint m_pointer;
};

} // namespace

SizingEdge SizingEdgeFromNumber(int number)
{
    return number >= 1 && number <= 8 ? SizingEdge(number) : SizingEdge::None;
}

void StartWindowResize(QWidget *window, SizingEdge edge)
{
    if (!window || edge == SizingEdge::None)
        return;
    if (Handler())
        Handler()(window, edge);
    else
        DefaultWindowResize(window, edge);
}

void SetWindowResizeHandler(WindowResizeHandler handler)
{
    Handler() = std::move(handler);
}

void DefaultWindowResize(QWidget *window, SizingEdge edge)
{
    if (window->isWindow()) {
        QWindow *handle = window->windowHandle();
        if (handle && handle->startSystemResize(EdgesForSizingCode(edge)))
            return;
    }
    new ResizeLoop(window, edge);
}

Qt::Edges EdgesForSizingCode(SizingEdge edge)
{
    Qt::Edges edges;
    if (MovesLeft(edge))
        edges |= Qt::LeftEdge;
    if (MovesRight(edge))
        edges |= Qt::RightEdge;
    if (MovesTop(edge))
        edges |= Qt::TopEdge;
    if (MovesBottom(edge))
        edges |= Qt::BottomEdge;
    return edges;
}

Qt::CursorShape CursorForSizingCode(SizingEdge edge)
{
    switch (edge) {
    case SizingEdge::Left:
    case SizingEdge::Right:
        return Qt::SizeHorCursor;
    case SizingEdge::Top:
    case SizingEdge::Bottom:
        return Qt::SizeVerCursor;
    case SizingEdge::TopRight:
    case SizingEdge::BottomLeft:
        return Qt::SizeBDiagCursor;
    default:
        return Qt::SizeFDiagCursor; // top-left and bottom-right
    }
}

QRect ResizedRect(const QRect &start, SizingEdge edge, const QPoint &delta, const QSize &minimum)
{
    int left = start.left(), top = start.top();
    int right = start.left() + start.width(), bottom = start.top() + start.height();
    if (MovesLeft(edge))
        left = std::min(left + delta.x(), right - minimum.width());
    if (MovesRight(edge))
        right = std::max(right + delta.x(), left + minimum.width());
    if (MovesTop(edge))
        top = std::min(top + delta.y(), bottom - minimum.height());
    if (MovesBottom(edge))
        bottom = std::max(bottom + delta.y(), top + minimum.height());
    return QRect(left, top, right - left, bottom - top);
}
