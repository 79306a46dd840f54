#pragma once
// Base of the windowless skinned controls: a plain QWidget (no native window)
// with centre anchoring, the transparency switch and enter/leave tracking.
#include "controls/ZorviLayout.h"
#include "graphics/Colors.h"

#include <QWidget>
#include <functional>

class QMouseEvent;

using TNotifyEvent = std::function<void(QObject *sender)>;
using TMouseEvent = std::function<void(QObject *sender, QMouseEvent *event)>;

// The face colour the classic toolkit gives controls before a skin sets one.
constexpr TColor clBtnFaceDefault = 0xF0F0F0;

class TZorviControl : public QWidget, public TZorviLayoutItem {
    Q_OBJECT
public:
    explicit TZorviControl(QWidget *parent = nullptr);

    bool MouseInside() const { return m_mouseInside; }
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseMove;
    TMouseEvent OnMouseUp;

    // True when the control does not paint every pixel itself: the parent's
    // background then shows beneath it.
    bool Transparent() const { return !testAttribute(Qt::WA_OpaquePaintEvent); }
    void SetTransparent(bool value);

    TColor Color() const { return m_color; }
    void SetColor(TColor color);

protected:
    virtual void MouseEnter();
    virtual void MouseLeave();
    virtual void TransparentChanged() {}
    // Follows the pointer while a button is held (the toolkit sends no
    // enter/leave then): a control dragged off shows its normal look.
    void TrackPointer(const QPoint &pos);
    void SetMouseInside(bool inside);

    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_mouseInside = false;
    TColor m_color = clBtnFaceDefault;
};
