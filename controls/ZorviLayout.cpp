#include "controls/ZorviLayout.h"

#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <vector>

namespace {

// Open batches and the containers they wait to realign (main thread only).
int g_batches = 0;
std::vector<QPointer<QWidget>> g_pending;

// One axis of an undocked child: position and length from its rule.
void AnchorAxis(bool nearEdge, bool farEdge, int rulePos, int ruleLen, int ruleParent, int parentNow,
                int &pos, int &len)
{
    const int delta = parentNow - ruleParent;
    pos = rulePos;
    len = ruleLen;
    if (nearEdge && farEdge) {
        len = std::max(0, ruleLen + delta);
    } else if (farEdge) {
        pos = rulePos + delta;
    } else if (!nearEdge && ruleParent > 0) {
        // Anchored to neither edge: the centre keeps its relative place.
        const qint64 centre = qint64(rulePos) * 2 + ruleLen;
        pos = int((centre * parentNow / ruleParent - ruleLen) / 2);
    }
}

struct Docked {
    QWidget *widget;
    LayoutItem *item;
    int order;
};

int DockKey(::Align align, const QRect &g)
{
    switch (align) {
    case Align::Top:
        return g.top();
    case Align::Bottom:
        return -(g.top() + g.height());
    case Align::Left:
        return g.left();
    case Align::Right:
        return -(g.left() + g.width());
    default:
        return 0;
    }
}

} // namespace

void ApplyGeometry(LayoutItem *item, const QRect &r)
{
    QWidget *w = item->m_self;
    if (w->geometry() == r)
        return;
    const bool resized = w->size() != r.size();
    w->setGeometry(r);
    if (resized && !w->isVisible())
        item->SizeChangedWhileHidden();
}

void LayoutItem::SetAlign(::Align align)
{
    if (align == m_align)
        return;
    m_align = align;
    if (align != Align::None)
        m_anchorCenter = {};
    RecordRule();
    RealignParent();
}

void LayoutItem::SetAnchors(AnchorSet anchors)
{
    m_anchors = anchors & (AnchorKind::Left | AnchorKind::Top | AnchorKind::Right | AnchorKind::Bottom);
    RecordRule();
    RealignParent();
}

void LayoutItem::SetAnchorCenter(TAnchorCenter center)
{
    m_anchorCenter = center & (AnchorCenterKind::X | AnchorCenterKind::Y);
    if (m_anchorCenter) {
        m_align = Align::None;
        if (m_anchorCenter & AnchorCenterKind::X)
            m_anchors = (m_anchors | AnchorKind::Left) & ~AnchorSet(AnchorKind::Right);
        if (m_anchorCenter & AnchorCenterKind::Y)
            m_anchors = (m_anchors | AnchorKind::Top) & ~AnchorSet(AnchorKind::Bottom);
    }
    RecordRule();
    RealignParent();
}

void LayoutItem::SetBounds(int left, int top, int width, int height)
{
    ApplyGeometry(this, QRect(left, top, std::max(0, width), std::max(0, height)));
    RecordRule();
}

void LayoutItem::RecordRule()
{
    const QWidget *parent = m_self->parentWidget();
    if (!parent)
        return;
    m_hasRule = true;
    m_ruleRect = m_self->geometry();
    m_ruleParent = parent->size();
    m_lastSet = m_ruleRect;
    m_lastParent = m_ruleParent;
}

void LayoutItem::RealignParent()
{
    if (QWidget *parent = m_self->parentWidget())
        RequestRealign(parent);
}

void RequestRealign(QWidget *container)
{
    if (g_batches == 0) {
        ZorviRealign(container);
        return;
    }
    // A handful of containers per load: a linear look-up is enough.
    if (std::find(g_pending.begin(), g_pending.end(), container) == g_pending.end())
        g_pending.emplace_back(container);
}

RealignBatch::RealignBatch()
{
    ++g_batches;
}

RealignBatch::~RealignBatch()
{
    if (--g_batches > 0)
        return;
    const std::vector<QPointer<QWidget>> pending = std::move(g_pending);
    g_pending.clear();
    for (const QPointer<QWidget> &container : pending)
        if (container)
            ZorviRealign(container);
}

void ZorviRealign(QWidget *container)
{
    const QSize ps = container->size();
    std::vector<Docked> docked;
    int order = 0;

    for (QObject *obj : container->children()) {
        auto *w = qobject_cast<QWidget *>(obj);
        if (!w || w->isWindow())
            continue;
        auto *item = dynamic_cast<LayoutItem *>(w);
        if (!item)
            continue;
        ++order;
        if (item->m_align != Align::None) {
            if (!w->isHidden())
                docked.push_back({w, item, order});
            continue;
        }

        if (!item->m_hasRule) {
            item->m_hasRule = true;
            item->m_ruleRect = w->geometry();
            item->m_ruleParent = ps;
        } else if (w->geometry() != item->m_lastSet) {
            item->m_ruleRect = w->geometry();
            item->m_ruleParent = item->m_lastParent;
        }
        const QRect &r = item->m_ruleRect;
        const AnchorSet a = item->m_anchors;
        int x, y, width, height;
        AnchorAxis(a & AnchorKind::Left, a & AnchorKind::Right, r.x(), r.width(), item->m_ruleParent.width(),
                   ps.width(), x, width);
        AnchorAxis(a & AnchorKind::Top, a & AnchorKind::Bottom, r.y(), r.height(),
                   item->m_ruleParent.height(), ps.height(), y, height);
        // Centre anchoring comes first in effect: a centred axis is anchored to
        // its near edge only, so the edge anchors leave that axis alone.
        if (item->m_anchorCenter & AnchorCenterKind::X)
            x = (ps.width() - width) / 2 + item->ACXOffset;
        if (item->m_anchorCenter & AnchorCenterKind::Y)
            y = (ps.height() - height) / 2 + item->ACYOffset;

        const QRect g(x, y, width, height);
        ApplyGeometry(item, g);
        item->m_lastSet = g;
        item->m_lastParent = ps;
    }

    QRect rest(0, 0, ps.width(), ps.height());
    for (::Align align : {Align::Top, Align::Bottom, Align::Left, Align::Right, Align::Client}) {
        std::vector<Docked> group;
        for (const Docked &d : docked)
            if (d.item->m_align == align)
                group.push_back(d);
        std::stable_sort(group.begin(), group.end(), [align](const Docked &a, const Docked &b) {
            const int ka = DockKey(align, a.widget->geometry());
            const int kb = DockKey(align, b.widget->geometry());
            return ka != kb ? ka < kb : a.order < b.order;
        });
        for (const Docked &d : group) {
            const QRect g0 = d.widget->geometry();
            QRect g;
            switch (align) {
            case Align::Top:
                g = QRect(rest.left(), rest.top(), rest.width(), g0.height());
                rest.setTop(rest.top() + g0.height());
                break;
            case Align::Bottom:
                g = QRect(rest.left(), rest.top() + rest.height() - g0.height(), rest.width(), g0.height());
                rest.setHeight(rest.height() - g0.height());
                break;
            case Align::Left:
                g = QRect(rest.left(), rest.top(), g0.width(), rest.height());
                rest.setLeft(rest.left() + g0.width());
                break;
            case Align::Right:
                g = QRect(rest.left() + rest.width() - g0.width(), rest.top(), g0.width(), rest.height());
                rest.setWidth(rest.width() - g0.width());
                break;
            default:
                g = rest;
                break;
            }
            g.setWidth(std::max(0, g.width()));
            g.setHeight(std::max(0, g.height()));
            ApplyGeometry(d.item, g);
            d.item->m_hasRule = true;
            d.item->m_ruleRect = g;
            d.item->m_ruleParent = ps;
            d.item->m_lastSet = g;
            d.item->m_lastParent = ps;
        }
    }
}
