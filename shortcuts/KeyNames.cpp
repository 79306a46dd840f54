#include "shortcuts/KeyNames.h"

#include "shortcuts/ShortcutCode.h"

#include <QHash>

namespace SC = ShortcutCode;

QString ShiftToText(std::uint32_t modifiers)
{
    QString text;
    if (modifiers & SC::Ctrl)
        text += QLatin1String("Ctrl+");
    if (modifiers & SC::Alt)
        text += QLatin1String("Alt+");
    if (modifiers & SC::Shift)
        text += QLatin1String("Shift+");
    // A double click is one of the buttons: they are not named then.
    if (modifiers & SC::DoubleClick)
        return text + QLatin1String("Double ");
    if (modifiers & SC::LeftHeld)
        text += QLatin1String("Left+");
    if (modifiers & SC::MiddleHeld)
        text += QLatin1String("Middle+");
    if (modifiers & SC::RightHeld)
        text += QLatin1String("Right+");
    return text;
}

QString VirtualKeyName(std::uint32_t vk)
{
    if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z'))
        return QString(QChar(char16_t(vk)));
    if (vk >= 0x60 && vk <= 0x69)
        return QStringLiteral("Num %1").arg(vk - 0x60);
    if (vk >= 0x70 && vk <= 0x87)
        return QStringLiteral("F%1").arg(vk - 0x6F);
    static const QHash<std::uint32_t, QString> names = {
        {0x08, QStringLiteral("Backspace")},
        {0x09, QStringLiteral("Tab")},
        {0x0C, QStringLiteral("Num 5")},
        {0x0D, QStringLiteral("Enter")},
        {0x10, QStringLiteral("Shift")},
        {0x11, QStringLiteral("Ctrl")},
        {0x12, QStringLiteral("Alt")},
        {0x13, QStringLiteral("Pause")},
        {0x14, QStringLiteral("Caps Lock")},
        {0x1B, QStringLiteral("Esc")},
        {0x20, QStringLiteral("Space")},
        {0x21, QStringLiteral("Page Up")},
        {0x22, QStringLiteral("Page Down")},
        {0x23, QStringLiteral("End")},
        {0x24, QStringLiteral("Home")},
        {0x25, QStringLiteral("Left")},
        {0x26, QStringLiteral("Up")},
        {0x27, QStringLiteral("Right")},
        {0x28, QStringLiteral("Down")},
        {0x2C, QStringLiteral("Print Screen")},
        {0x2D, QStringLiteral("Insert")},
        {0x2E, QStringLiteral("Delete")},
        {0x2F, QStringLiteral("Help")},
        {0x5B, QStringLiteral("Left Windows")},
        {0x5C, QStringLiteral("Right Windows")},
        {0x5D, QStringLiteral("Application")},
        {0x6A, QStringLiteral("Num *")},
        {0x6B, QStringLiteral("Num +")},
        {0x6D, QStringLiteral("Num -")},
        {0x6E, QStringLiteral("Num Del")},
        {0x6F, QStringLiteral("Num /")},
        {0x90, QStringLiteral("Num Lock")},
        {0x91, QStringLiteral("Scroll Lock")},
        {0xAD, QStringLiteral("Mute")},
        {0xAE, QStringLiteral("Volume Down")},
        {0xAF, QStringLiteral("Volume Up")},
        {0xB0, QStringLiteral("Next Track")},
        {0xB1, QStringLiteral("Previous Track")},
        {0xB2, QStringLiteral("Stop")},
        {0xB3, QStringLiteral("Play/Pause")},
        {0xBA, QStringLiteral(";")},
        {0xBB, QStringLiteral("=")},
        {0xBC, QStringLiteral(",")},
        {0xBD, QStringLiteral("-")},
        {0xBE, QStringLiteral(".")},
        {0xBF, QStringLiteral("/")},
        {0xC0, QStringLiteral("`")},
        {0xDB, QStringLiteral("[")},
        {0xDC, QStringLiteral("\\")},
        {0xDD, QStringLiteral("]")},
        {0xDE, QStringLiteral("'")},
        {0xE2, QStringLiteral("\\")},
    };
    return names.value(vk);
}

QString ShortcutToText(std::uint32_t code)
{
    const QString prefix = ShiftToText(SC::Modifiers(code));
    const std::uint32_t key = SC::Key(code);
    switch (key) {
    case SC::None:
        return prefix + QLatin1String("...");
    case SC::LeftClick:
        return prefix + QLatin1String("Left click");
    case SC::RightClick:
        return prefix + QLatin1String("Right click");
    case SC::MiddleClick:
        return prefix + QLatin1String("Middle click");
    case SC::WheelUp:
        return prefix + QLatin1String("Wheel up");
    case SC::WheelDown:
        return prefix + QLatin1String("Wheel down");
    default:
        break;
    }
    const QString name = VirtualKeyName(key);
    QString text = prefix + (name.isEmpty() ? QLatin1String("0x") +
                                                  QString::number(key, 16).toUpper().rightJustified(2, u'0')
                                            : name);
    // A label would take a last "&" as the mark of an accelerator.
    if (text.endsWith(u'&'))
        text += u'&';
    return text;
}
