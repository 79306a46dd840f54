#include "graphics/Colors.h"

#include "graphics/Convert.h"

#include <array>
#include <utility>

namespace {
constexpr std::array<std::pair<const char *, ColorRef>, 20> ColorNames{{
    {"clBlack", clBlack},
    {"clMaroon", clMaroon},
    {"clGreen", clGreen},
    {"clOlive", clOlive},
    {"clNavy", clNavy},
    {"clPurple", clPurple},
    {"clTeal", clTeal},
    {"clGray", clGray},
    {"clSilver", clSilver},
    {"clRed", clRed},
    {"clLime", clLime},
    {"clYellow", clYellow},
    {"clBlue", clBlue},
    {"clFuchsia", clFuchsia},
    {"clAqua", clAqua},
    {"clWhite", clWhite},
    {"clMoneyGreen", clMoneyGreen},
    {"clSkyBlue", clSkyBlue},
    {"clCream", clCream},
    {"clMedGray", clMedGray},
}};
} // namespace

std::optional<ColorRef> StringToColor(const QString &text)
{
    for (const auto &[name, color] : ColorNames)
        if (text.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return color;
    return TextToInt(text);
}

ColorRef StringToColorOrThrow(const QString &text)
{
    if (auto c = StringToColor(text))
        return *c;
    throw ConvertError(NotAnIntegerMessage(text));
}

QColor ColorToQColor(ColorRef color)
{
    const auto c = std::uint32_t(color);
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

ColorRef QColorToColor(const QColor &color)
{
    const QRgb rgb = color.rgb();
    return ColorRef(qRed(rgb) | (qGreen(rgb) << 8) | (qBlue(rgb) << 16));
}
