#pragma once
// Locale-independent numbers: the engine, zorvi.ini and language files always
// use "." whatever the user's locale (Qt switches LC_NUMERIC, so printf is out).
#include <QString>
#include <optional>

// "%g" with 15 significant digits of a 32-bit float widened exactly:
// 3.5 -> "3.5", 128 -> "128", 0.1f -> "0.100000001490116", 16/9 -> "1.77777779102325".
QString FormatG(float value);
// The same for a double (no narrowing).
QString FormatG15(double value);

// Whole text (after trimming blanks) as a decimal integer / float; nullopt when
// it is not one. Accepts a leading sign; floats accept exponents.
std::optional<long long> ParseInt(const QString &text);
std::optional<double> ParseFloat(const QString &text);
