#pragma once
// Docking (Align), edge anchors (Anchors) and centre anchoring (AnchorCenter)
// for the skinned controls. Qt has none of these, so every container runs the
// one pass ZorviRealign() from its resize handling.
#include <QFlags>
#include <QRect>
#include <QSize>

class QWidget;

enum class Align { None, Top, Bottom, Left, Right, Client };

enum class AnchorKind { Left = 1, Top = 2, Right = 4, Bottom = 8 };
Q_DECLARE_FLAGS(AnchorSet, AnchorKind)
Q_DECLARE_OPERATORS_FOR_FLAGS(AnchorSet)

enum class AnchorCenterKind { X = 1, Y = 2 };
Q_DECLARE_FLAGS(TAnchorCenter, AnchorCenterKind)
Q_DECLARE_OPERATORS_FOR_FLAGS(TAnchorCenter)

// The layout properties every skinned control and panel carries. A control keeps
// its distances to the anchored edges of its parent: the distances are measured
// when it is placed (SetBounds, SetAnchors) against the parent's size then.
class LayoutItem {
public:
    explicit LayoutItem(QWidget *self) : m_self(self) {}
    virtual ~LayoutItem() = default;

    ::Align Align() const { return m_align; }
    void SetAlign(::Align align);
    AnchorSet Anchors() const { return m_anchors; }
    void SetAnchors(AnchorSet anchors);

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
    friend void ApplyGeometry(LayoutItem *item, const QRect &r);
    void RecordRule();
    void RealignParent();

    QWidget *m_self;
    ::Align m_align = Align::None;
    AnchorSet m_anchors = AnchorKind::Left | AnchorKind::Top;
    TAnchorCenter m_anchorCenter;

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

// Realigns the container now, or, while a RealignBatch is open, once when the
// last batch closes. Placing controls (SetAlign, SetAnchors, SetAnchorCenter)
// asks through here.
void RequestRealign(QWidget *container);

// Placing thousands of controls one by one would lay out every container
// after each of them; a batch lays out each container asked for once, at its
// end. Explicit ZorviRealign calls still run at once.
class RealignBatch {
public:
    RealignBatch();
    ~RealignBatch();
    RealignBatch(const RealignBatch &) = delete;
    RealignBatch &operator=(const RealignBatch &) = delete;
};
