#pragma once
// The toolkit's text-to-integer conversion, as skin texts rely on it: leading
// blanks, an optional sign, then decimal digits or "$" / "0x" hexadecimal, and
// nothing after. Hexadecimal takes all 32 bits ("$FFFFFFFF" is -1).
#include "common/ZError.h"

#include <QString>
#include <cstdint>
#include <optional>

// A text that is not a number; the message is the toolkit's own.
class ConvertError : public ZError {
public:
    using ZError::ZError;
};

std::optional<std::int32_t> TextToInt(const QString &text);
// Throws ConvertError "'<text>' is not a valid integer value".
std::int32_t TextToIntOrThrow(const QString &text);
QString NotAnIntegerMessage(const QString &text);
