#include "controls/WindowResize.h"

#include "controls/ZorviLayout.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace {

TWindowResizeHandler &Handler()
{
    static TWindowResizeHandler handler;
    return handler;
}

bool MovesLeft(int edge)
{
    return edge == 1 || edge == 4 || edge == 7;
}
bool MovesRight(int edge)
{
    return edge == 2 || edge == 5 || edge == 8;
}
bool MovesTop(int edge)
{
    return edge == 3 || edge == 4 || edge == 5;
}
bool MovesBottom(int edge)
{
    return edge == 6 || edge == 7 || edge == 8;
}

// Follows the pointer until the left button is released, under a mouse grab.
class TResizeLoop : public QObject {
public:
    TResizeLoop(QWidget *window, int edge)
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
        case QEvent::MouseMove: {
            auto *me = static_cast<QMouseEvent *>(event);
            const QPoint delta = me->globalPosition().toPoint() - m_pointer;
            const QSize minimum = m_window->minimumSize().expandedTo(QSize(1, 1));
            const QRect r = ResizedRect(m_start, m_edge, delta, minimum);
            if (r != m_window->geometry()) {
                m_window->setGeometry(r);
                // A docked child keeps its new size: let the parent dock it again.
                if (!m_window->isWindow() && m_window->parentWidget())
                    ZorviRealign(m_window->parentWidget());
            }
            return true;
        }
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
    void Finish()
    {
        if (m_window) {
            m_window->releaseMouse();
            m_window->removeEventFilter(this);
        }
        deleteLater();
    }

    QPointer<QWidget> m_window;
    int m_edge;
    QRect m_start;
    QPoint m_pointer;
};

} // namespace

void StartWindowResize(QWidget *window, int edge)
{
    if (!window || edge < 1 || edge > 8)
        return;
    if (Handler())
        Handler()(window, edge);
    else
        DefaultWindowResize(window, edge);
}

void SetWindowResizeHandler(TWindowResizeHandler handler)
{
    Handler() = std::move(handler);
}

void DefaultWindowResize(QWidget *window, int edge)
{
    if (window->isWindow()) {
        QWindow *handle = window->windowHandle();
        if (handle && handle->startSystemResize(EdgesForSizingCode(edge)))
            return;
    }
    new TResizeLoop(window, edge);
}

Qt::Edges EdgesForSizingCode(int edge)
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

Qt::CursorShape CursorForSizingCode(int edge)
{
    switch (edge) {
    case 1:
    case 2:
        return Qt::SizeHorCursor;
    case 3:
    case 6:
        return Qt::SizeVerCursor;
    case 5:
    case 7:
        return Qt::SizeBDiagCursor;
    default:
        return Qt::SizeFDiagCursor; // 4 and 8
    }
}

QRect ResizedRect(const QRect &start, int edge, const QPoint &delta, const QSize &minimum)
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
