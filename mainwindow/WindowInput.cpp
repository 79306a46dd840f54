#include "mainwindow/WindowInput.h"

#include "common/Clock.h"
#include "common/Report.h"
#include "mainwindow/WindowPointer.h"
#include "shortcuts/ShortcutCode.h"
#include "shortcuts/VirtualKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

WindowInput::WindowInput(QWidget *window, WindowPointer *pointer, WindowInputHost host)
    : QObject(window), m_window(window), m_pointer(pointer), m_host(std::move(host))
{
    QCoreApplication::instance()->installEventFilter(this);
}

bool WindowInput::isVideo(const QObject *receiver) const
{
    for (const QPointer<QWidget> &video : m_host.video)
        if (video == receiver)
            return true;
    return false;
}

bool WindowInput::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
    case QEvent::Leave:
    case QEvent::KeyPress:
    case QEvent::Wheel:
        break;
    default:
        return false; // the rest of the application's events, without a look at their receiver
    }
    if (!m_window || !watched->isWidgetType())
        return false;
    auto *receiver = static_cast<QWidget *>(watched);
    if (receiver->window() != m_window)
        return false;
    if (m_pointer && m_pointer->Filter(watched, event)) {
        // A drag of the video took the press: its release is no click.
        if (event->type() == QEvent::MouseMove && isVideo(receiver))
            m_clicks.Consume();
        return true;
    }

    bool handled = false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
        // Each once, as it reaches the video; copies passed on to parents are not spontaneous.
        if (event->spontaneous() && isVideo(receiver))
            RunGuarded([&] { videoButton(static_cast<QMouseEvent *>(event)); });
        break;
    case QEvent::KeyPress:
        RunGuarded([&] { handled = key(receiver, static_cast<QKeyEvent *>(event)); });
        break;
    case QEvent::Wheel:
        // It reaches the window once every widget under the pointer passed it on.
        if (receiver == m_window) {
            handled = true;
            RunGuarded([&] { wheel(static_cast<QWheelEvent *>(event)); });
        }
        break;
    default:
        break;
    }
    return handled;
}

void WindowInput::videoButton(const QMouseEvent *event)
{
    const std::uint32_t modifiers = ModifierBits(event->modifiers(), event->buttons());
    std::optional<std::uint32_t> code;
    if (event->type() == QEvent::MouseButtonRelease) {
        code = m_clicks.Release(event->button(), modifiers);
    } else {
        if (QWidget *focused = m_window->focusWidget(); focused && focused != m_window)
            focused->clearFocus();
        code = m_clicks.Press(event->button(), modifiers, event->type() == QEvent::MouseButtonDblClick);
    }
    if (code && m_host.runShortcut)
        m_host.runShortcut(*code);
}

bool WindowInput::key(QWidget *receiver, const QKeyEvent *event)
{
    // The window sees a key first, where it is delivered; a control with the
    // focus gets it afterwards, except Esc, which takes the focus away.
    QWidget *focused = m_window->focusWidget();
    if (focused && focused != m_window) {
        if (receiver != focused || event->key() != Qt::Key_Escape)
            return false;
        focused->clearFocus();
        return true;
    }
    if (receiver != m_window)
        return false;

    if (event->key() == Qt::Key_Escape) {
        // A held Esc is one press: its repeats must not count as the second.
        if (event->isAutoRepeat())
            return true;
        if (m_host.escape)
            m_host.escape();
        if (m_esc.Press(Clock::NowMs()))
            m_window->close();
        return true;
    }
    const std::uint32_t vk = VirtualKeyFor(event->key(), event->nativeScanCode(), event->modifiers());
    // Shift, Ctrl and Alt only modify other keys.
    if (ShortcutCode::ModifierKeyBit(vk) != 0)
        return true;
    if (vk == 0 || !m_host.runShortcut)
        return false;
    const std::uint32_t modifiers = ModifierBits(event->modifiers(), QGuiApplication::mouseButtons());
    return m_host.runShortcut(ShortcutCode::Make(modifiers, vk));
}

void WindowInput::wheel(const QWheelEvent *event)
{
    m_clicks.Consume();
    // Some systems turn a wheel with Alt held sideways.
    const QPoint angle = event->angleDelta();
    const int notches = m_notches.Add(angle.y() != 0 ? angle.y() : angle.x());
    if (notches == 0 || !m_host.runShortcut)
        return;
    const std::uint32_t modifiers = ModifierBits(event->modifiers(), event->buttons());
    const std::uint32_t code =
        ShortcutCode::Make(modifiers, notches > 0 ? ShortcutCode::WheelUp : ShortcutCode::WheelDown);
    for (int i = 0; i < std::abs(notches); ++i)
        if (!m_host.runShortcut(code))
            return;
}
