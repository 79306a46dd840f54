#include "common/NumberFormat.h"

#include <charconv>
#include <cmath>

QString FormatG15(double value)
{
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
    return QString::fromLatin1(buf, int(res.ptr - buf));
}

QString FormatG(float value)
{
    return FormatG15(static_cast<double>(value));
}

namespace {
QByteArray trimmedLatin(const QString &text)
{
    return text.trimmed().toLatin1();
}
} // namespace

std::optional<long long> ParseInt(const QString &text)
{
    QByteArray b = trimmedLatin(text);
    const char *p = b.constData();
    const char *end = p + b.size();
    if (p != end && *p == '+')
        ++p;
    long long v = 0;
    auto res = std::from_chars(p, end, v, 10);
    if (res.ec != std::errc() || res.ptr != end || p == end)
        return std::nullopt;
    return v;
}

std::optional<double> ParseFloat(const QString &text)
{
    QByteArray b = trimmedLatin(text);
    const char *p = b.constData();
    const char *end = p + b.size();
    if (p != end && *p == '+')
        ++p;
    double v = 0;
    auto res = std::from_chars(p, end, v, std::chars_format::general);
    if (res.ec != std::errc() || res.ptr != end || p == end)
        return std::nullopt;
    return v;
}
