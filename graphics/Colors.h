#pragma once
// Colours are kept as the skin files write them: 00BBGGRR integers, with the
// classic "cl" constant names.
#include <QColor>
#include <QString>
#include <cstdint>
#include <optional>

using ColorRef = std::int32_t;

constexpr ColorRef clBlack = 0x000000, clMaroon = 0x000080, clGreen = 0x008000, clOlive = 0x008080,
                   clNavy = 0x800000, clPurple = 0x800080, clTeal = 0x808000, clGray = 0x808080,
                   clSilver = 0xC0C0C0, clRed = 0x0000FF, clLime = 0x00FF00, clYellow = 0x00FFFF,
                   clBlue = 0xFF0000, clFuchsia = 0xFF00FF, clAqua = 0xFFFF00, clWhite = 0xFFFFFF,
                   clMoneyGreen = 0xC0DCC0, clSkyBlue = 0xF0CAA6, clCream = 0xF0FBFF, clMedGray = 0xA4A0A0;

// A constant name (any letter case), "$" + hexadecimal 00BBGGRR, "0x" + hex, or
// a decimal number; nullopt when the text is none of these.
std::optional<ColorRef> StringToColor(const QString &text);
// Throws ConvertError (a ZError, graphics/Convert.h) with the toolkit's message
// ("'%s' is not a valid integer value") when the text is not a colour.
ColorRef StringToColorOrThrow(const QString &text);

// Only the low 24 bits carry the colour; the high byte is ignored.
QColor ColorToQColor(ColorRef color);
ColorRef QColorToColor(const QColor &color);
