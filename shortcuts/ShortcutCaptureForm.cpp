#include "shortcuts/ShortcutCaptureForm.h"

#include "common/Clock.h"
#include "common/Report.h"
#include "shortcuts/KeyNames.h"
#include "shortcuts/ShortcutCode.h"
#include "shortcuts/VirtualKeys.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace SC = ShortcutCode;

namespace {
constexpr std::uint32_t kKeyboardModifiers = SC::Shift | SC::Alt | SC::Ctrl;
} // namespace

TShortcutCaptureForm::TShortcutCaptureForm(const QString &help, const QString &cancel, QWidget *parent)
    : QDialog(parent), LHelp(new QLabel(help, this)), LShortcut(new QLabel(QStringLiteral("..."), this)),
      BCancel(new QPushButton(cancel, this)), m_clickTimer(new QTimer(this))
{
    setObjectName(QStringLiteral("TShortcutCaptureForm"));
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    LHelp->setObjectName(QStringLiteral("LHelp"));
    LShortcut->setObjectName(QStringLiteral("LShortcut"));
    BCancel->setObjectName(QStringLiteral("BCancel"));

    LHelp->setWordWrap(true);
    LHelp->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    LHelp->setFixedWidth(257);
    LHelp->setMinimumHeight(std::max(69, LHelp->heightForWidth(257)));
    LShortcut->setAlignment(Qt::AlignCenter);
    LShortcut->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    LShortcut->setMinimumSize(252, 58);
    LShortcut->setCursor(Qt::PointingHandCursor);
    // Every key belongs to the capture: nothing takes the focus, no button is
    // pressed by Enter, and Tab never moves on.
    BCancel->setFocusPolicy(Qt::NoFocus);
    BCancel->setAutoDefault(false);
    connect(BCancel, &QPushButton::clicked, this, &QDialog::reject);
    setFocusPolicy(Qt::StrongFocus);
    for (QLabel *label : {LHelp, LShortcut})
        label->installEventFilter(this);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 8);
    layout->addWidget(LHelp, 0, Qt::AlignHCenter);
    layout->addWidget(LShortcut, 1);
    layout->addWidget(BCancel, 0, Qt::AlignHCenter);
    setFixedSize(layout->sizeHint().expandedTo(QSize(264, 171)));

    m_clickTimer->setSingleShot(true);
    connect(m_clickTimer, &QTimer::timeout, this, [this] { RunGuarded([this] { PollClick(); }); });
}

void TShortcutCaptureForm::Capture(std::uint32_t modifiers, std::uint32_t key)
{
    m_clickPending = false;
    m_clickDue = 0;
    m_clickTimer->stop();
    m_capturedCode = SC::Make(modifiers, key);
    accept();
}

bool TShortcutCaptureForm::event(QEvent *e)
{
    switch (e->type()) {
    case QEvent::ShortcutOverride: // no shortcut of the program may take a key from us
        e->accept();
        return true;
    case QEvent::KeyPress:
        RunGuarded([&] { keyPressed(static_cast<QKeyEvent *>(e)); });
        return true;
    case QEvent::KeyRelease:
        RunGuarded([&] { keyReleased(static_cast<QKeyEvent *>(e)); });
        return true;
    case QEvent::Wheel:
        wheelTurned(static_cast<QWheelEvent *>(e));
        return true;
    default:
        return QDialog::event(e);
    }
}

bool TShortcutCaptureForm::eventFilter(QObject *watched, QEvent *e)
{
    const QEvent::Type type = e->type();
    if (type == QEvent::Wheel) { // the labels' wheel is the dialog's
        wheelTurned(static_cast<QWheelEvent *>(e));
        return true;
    }
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick &&
        type != QEvent::MouseButtonRelease)
        return QDialog::eventFilter(watched, e);
    const auto *m = static_cast<QMouseEvent *>(e);
    RunGuarded([&] {
        if (type == QEvent::MouseButtonRelease)
            buttonReleased(m);
        else
            buttonPressed(m, type == QEvent::MouseButtonDblClick);
    });
    return true;
}

void TShortcutCaptureForm::wheelTurned(const QWheelEvent *e)
{
    const int delta = e->angleDelta().y();
    if (delta != 0)
        Capture(ModifierBits(e->modifiers(), e->buttons()), delta < 0 ? SC::WheelDown : SC::WheelUp);
}

void TShortcutCaptureForm::keyPressed(const QKeyEvent *e)
{
    if (e->key() == Qt::Key_Escape) {
        reject();
        return;
    }
    const std::uint32_t vk = VirtualKeyFor(e->key(), e->nativeScanCode(), e->modifiers());
    // Some systems report a modifier key's own press without its bit: add it.
    const std::uint32_t ownBit = SC::ModifierKeyBit(vk);
    const std::uint32_t modifiers = ModifierBits(e->modifiers(), QGuiApplication::mouseButtons()) | ownBit;
    if (ownBit != 0)
        showHeld(m_heldButtons | modifiers);
    else if (vk != 0)
        Capture(modifiers, vk);
}

void TShortcutCaptureForm::keyReleased(const QKeyEvent *e)
{
    if (e->isAutoRepeat())
        return;
    const std::uint32_t vk = VirtualKeyFor(e->key(), e->nativeScanCode(), e->modifiers());
    const std::uint32_t modifiers =
        ModifierBits(e->modifiers(), QGuiApplication::mouseButtons()) & ~SC::ModifierKeyBit(vk);
    showHeld(m_heldButtons | modifiers);
}

void TShortcutCaptureForm::buttonPressed(const QMouseEvent *e, bool doubleClick)
{
    const std::uint32_t code = SC::MouseKey(e->button());
    if (code == SC::None)
        return;
    const std::uint32_t modifiers =
        ModifierBits(e->modifiers(), e->buttons()) | (doubleClick ? SC::DoubleClick : 0);
    m_heldButtons = modifiers & ~kKeyboardModifiers;
    showHeld(modifiers);
    if (doubleClick)
        Capture(modifiers, code);
    else
        m_clickPending = true;
}

void TShortcutCaptureForm::buttonReleased(const QMouseEvent *e)
{
    const std::uint32_t code = SC::MouseKey(e->button());
    if (!m_clickPending || code == SC::None)
        return;
    // The released button has left the state; any other one still held stays.
    m_releaseModifiers = ModifierBits(e->modifiers(), e->buttons());
    m_releaseKey = code;
    m_clickDue = Clock::NowMs() + DoubleClickWaitMs;
    m_clickTimer->start(DoubleClickWaitMs);
}

void TShortcutCaptureForm::PollClick()
{
    if (!m_clickPending || m_clickDue == 0)
        return;
    const std::uint64_t now = Clock::NowMs();
    if (now < m_clickDue)
        m_clickTimer->start(int(m_clickDue - now));
    else
        Capture(m_releaseModifiers, m_releaseKey);
}

void TShortcutCaptureForm::showHeld(std::uint32_t modifiers)
{
    LShortcut->setText(ShiftToText(modifiers));
}
