#pragma once
// Docking (Align), edge anchors (Anchors) and centre anchoring (AnchorCenter)
// for the skinned controls. Qt has none of these, so every container runs the
// one pass ZorviRealign() from its resize handling.
#include <QRect>
#include <QSize>

class QWidget;

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

enum TAnchorKind { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
using TAnchors = int; // set of TAnchorKind

enum TAnchorCenterKind { akcX = 1, akcY = 2 };
using TAnchorCenter = int; // set of TAnchorCenterKind

// The layout properties every skinned control and panel carries. A control keeps
// its distances to the anchored edges of its parent: the distances are measured
// when it is placed (SetBounds, SetAnchors) against the parent's size then.
class TZorviLayoutItem {
public:
    explicit TZorviLayoutItem(QWidget *self) : m_self(self) {}
    virtual ~TZorviLayoutItem() = default;

    TAlign Align() const { return m_align; }
    void SetAlign(TAlign align);
    TAnchors Anchors() const { return m_anchors; }
    void SetAnchors(TAnchors anchors);

    // Centre anchoring: setting a non-empty set drops Align and anchors the
    // centred axes to the near edge only.
    TAnchorCenter AnchorCenter() const { return m_anchorCenter; }
    void SetAnchorCenter(TAnchorCenter center);
    int ACXOffset = 0;
    int ACYOffset = 0;

    // Places the widget and measures its anchor distances against the parent's
    // current size.
    void SetBounds(int left, int top, int width, int height);
    void SetBounds(const QRect &r) { SetBounds(r.x(), r.y(), r.width(), r.height()); }

protected:
    // A hidden widget gets its resize event only when shown; containers lay out
    // their children at once through this instead (the event repeats it later).
    virtual void SizeChangedWhileHidden() {}

private:
    friend void ZorviRealign(QWidget *container);
    friend void ApplyGeometry(TZorviLayoutItem *item, const QRect &r);
    void RecordRule();
    void RealignParent();

    QWidget *m_self;
    TAlign m_align = TAlign::alNone;
    TAnchors m_anchors = akLeft | akTop;
    TAnchorCenter m_anchorCenter = 0;

    // Anchor rule: the bounds and the parent size they were measured against.
    bool m_hasRule = false;
    QRect m_ruleRect;
    QSize m_ruleParent;
    // What the last pass assigned; a different geometry means someone moved
    // the widget since, and the rule is measured again from there.
    QRect m_lastSet;
    QSize m_lastParent;
};

// Lays out the direct children of a container: centre anchoring, then docking
// (top, bottom, left, right, client; by position, ties in child order), then the
// edge anchors of undocked children. Widgets that are no layout item are left alone.
void ZorviRealign(QWidget *container);
