#pragma once
// Base of the windowless skinned controls: a plain QWidget (no native window)
// with centre anchoring, the transparency switch and enter/leave tracking.
#include "controls/ZorviLayout.h"
#include "graphics/Colors.h"

#include <QWidget>
#include <functional>

class QMouseEvent;

using NotifyEvent = std::function<void(QObject *sender)>;
using MouseEvent = std::function<void(QObject *sender, QMouseEvent *event)>;

// The face colour the classic toolkit gives controls before a skin sets one.
constexpr ColorRef clBtnFaceDefault = 0xF0F0F0;

class TZorviControl : public QWidget, public LayoutItem {
    Q_OBJECT
public:
    explicit TZorviControl(QWidget *parent = nullptr);

    bool MouseInside() const { return m_mouseInside; }
    NotifyEvent OnMouseEnter;
    NotifyEvent OnMouseLeave;
    MouseEvent OnMouseDown;
    MouseEvent OnMouseMove;
    MouseEvent OnMouseUp;

    // True when the control does not paint every pixel itself: the parent's
    // background then shows beneath it.
    bool Transparent() const { return !testAttribute(Qt::WA_OpaquePaintEvent); }
    void SetTransparent(bool value);

    ColorRef Color() const { return m_color; }
    void SetColor(ColorRef color);

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
    ColorRef m_color = clBtnFaceDefault;
};
