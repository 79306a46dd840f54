#include "controls/ZorviButton.h"

#include "common/Report.h"
#include "controls/ClickRepeatTimer.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr int FirstRepeatMs = 400;
constexpr int NextRepeatMs = 100;
} // namespace

TZorviButton::TZorviButton(QWidget *parent) : TZorviControl(parent)
{
    resize(20, 20);
    SetTransparent(false);
}

TZorviButton::~TZorviButton() = default;

void TZorviButton::SetBitmap(const KeyedBitmap &bitmap)
{
    m_bitmap.Assign(bitmap);
    update();
}

KeyedBitmap &TZorviButton::EditBitmap()
{
    update();
    return m_bitmap;
}

void TZorviButton::SetBitStates(int states)
{
    if (states != 1 && states != 3 && states != 6)
        return;
    m_bitStates = states;
    update();
}

void TZorviButton::SetBitCurState(int state)
{
    if (state < 0 || state > m_bitStates || state == m_bitCurState)
        return;
    m_bitCurState = state;
    update();
}

void TZorviButton::SetChecked(bool checked)
{
    if (checked == m_checked)
        return;
    m_checked = checked;
    update();
}

void TZorviButton::Click()
{
    if (OnClick)
        OnClick(this);
}

QPoint TZorviButton::CurrentCell() const
{
    if (m_bitCurState >= 1 && m_bitCurState <= 3)
        return {0, m_bitCurState - 1};
    if (m_bitCurState >= 4 && m_bitCurState <= 6)
        return {1, m_bitCurState - 4};
    int col = 0, row = 0;
    if (m_bitStates == 1 || !isEnabled())
        return {col, row};
    if (m_checked) {
        if (m_bitStates == 6)
            col = 1;
        else if (!MouseInside())
            row = 2;
    }
    if (MouseInside()) {
        row += 1;
        if (m_down)
            row += 1;
    }
    return {col, row};
}

QRect TZorviButton::CellRect() const
{
    const int cellH = m_bitStates >= 3 ? m_bitmap.Height() / 3 : m_bitmap.Height();
    const int cellW = m_bitStates == 6 ? m_bitmap.Width() / 2 : m_bitmap.Width();
    const QPoint cell = CurrentCell();
    return QRect(cell.x() * cellW, cell.y() * cellH, cellW, cellH);
}

void TZorviButton::paintEvent(QPaintEvent *)
{
    RunGuarded([&] {
        QPainter painter(this);
        if (m_bitmap.Empty()) {
            painter.fillRect(rect(), ColorToQColor(Color()));
            return;
        }
        m_bitmap.Draw(painter, rect(), CellRect());
    });
}

void TZorviButton::MouseEnter()
{
    TZorviControl::MouseEnter();
    update();
}

void TZorviButton::MouseLeave()
{
    TZorviControl::MouseLeave();
    update();
}

void TZorviButton::mousePressEvent(QMouseEvent *event)
{
    RunGuarded([&] {
        if (event->button() == Qt::LeftButton) {
            if (!m_down) {
                m_down = true;
                update();
            }
            m_clickPending = true;
            if (Repeating) {
                Click();
                // The press has clicked already; the release adds nothing.
                m_clickPending = false;
                if (!m_repeatTimer) {
                    m_repeatTimer = std::make_unique<ClickRepeatTimer>();
                    m_repeatTimer->OnTimer = [this] { RepeatTick(); };
                }
                m_repeatTimer->Start(FirstRepeatMs);
            }
        }
        TZorviControl::mousePressEvent(event);
    });
}

void TZorviButton::RepeatTick()
{
    if (!Repeating) {
        m_repeatTimer->Stop();
        return;
    }
    m_repeatTimer->SetInterval(NextRepeatMs);
    if (m_down && MouseInside())
        Click();
}

void TZorviButton::mouseMoveEvent(QMouseEvent *event)
{
    RunGuarded([&] {
        if (m_down)
            TrackPointer(event->position().toPoint());
        TZorviControl::mouseMoveEvent(event);
    });
}

void TZorviButton::mouseReleaseEvent(QMouseEvent *event)
{
    RunGuarded([&] {
        if (event->button() == Qt::LeftButton) {
            if (m_down) {
                m_down = false;
                update();
            }
            if (Repeating && m_repeatTimer)
                m_repeatTimer->Stop();
            const bool click = m_clickPending && rect().contains(event->position().toPoint());
            m_clickPending = false;
            if (click)
                Click();
        }
        TZorviControl::mouseReleaseEvent(event);
    });
}

void TZorviButton::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange)
        update();
    TZorviControl::changeEvent(event);
}
