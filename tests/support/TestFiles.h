#pragma once
// Files the tests write and read back.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

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
