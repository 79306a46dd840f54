#pragma once
// Readable gtest output for Qt values (included into every test by the build);
// lists of strings print as containers of QString.
#include <QByteArray>
#include <QRect>
#include <QString>
#include <ostream>

inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QByteArray &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QRect &r, std::ostream *os)
{
    *os << "QRect(" << r.x() << ", " << r.y() << ", " << r.width() << ", " << r.height() << ")";
}
inline void PrintTo(const QPoint &p, std::ostream *os)
{
    *os << "QPoint(" << p.x() << ", " << p.y() << ")";
}
