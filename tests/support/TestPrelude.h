#pragma once
// Included into every test by the build (Qt core only, so that tests without
// widgets stay lean): the test framework, what most tests use (files, folders,
// processes, the application object, waiting on the event loop), and readable
// gtest output for Qt values (lists of strings print as containers of QString).
#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <ostream>
#include <vector>

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

// Writes bytes to path, making its folders first; an empty file when none are given.
inline void WriteFile(const QString &path, const QByteArray &bytes = {})
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    f.write(bytes);
}

inline QByteArray ReadFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// The application object, made once for tests that need an event loop.
template <typename App = QCoreApplication> App *EnsureApp()
{
    if (!QCoreApplication::instance()) {
        static int argc = 1;
        static char name[] = "zorvi-tests";
        static char *argv[] = {name, nullptr};
        new App(argc, argv);
    }
    return static_cast<App *>(QCoreApplication::instance());
}

// Handles events, and runs `tick` (the window's timer), until `done` holds or `ms` have passed.
inline bool WaitFor(const std::function<bool()> &done, int ms = 5000, const std::function<void()> &tick = {})
{
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        if (tick)
            tick();
        QThread::msleep(2);
    }
    return true;
}
