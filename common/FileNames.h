#pragma once
// File names are bytes on Linux and need not be UTF-8. Inside the program a
// name is a QString in which every byte that is not part of valid UTF-8 is
// held as the lone surrogate U+DC80..U+DCFF, so the exact bytes come back
// (QFile::decodeName would turn them into U+FFFD and lose the file).
#include <QByteArray>
#include <QString>
#include <QUrl>
#include <filesystem>

QString DecodeFileName(const QByteArray &bytes);
QByteArray EncodeFileName(const QString &name);
// The name as the file system sees it, for lookups Qt cannot do on such names.
std::filesystem::path NativePath(const QString &name);
// For showing: each held byte becomes its Windows-1252 character, so a name
// written in an old 8-bit code page reads as it was meant.
QString ReadableFileName(const QString &name);
// True when the name holds a control character (a line break would start a
// line of its own wherever the name is echoed) or a byte that is not UTF-8.
bool IsUnsafeName(const QString &name);
// The local name a "file:" URL stands for, its percent-encoded bytes kept as
// above (QUrl::toLocalFile would turn bytes that are not UTF-8 into U+FFFD).
QString LocalFileOfUrl(const QUrl &url);
