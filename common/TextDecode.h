#pragma once
// Text files written on other systems (zorvi.ini, skin.ini, language files,
// archive member names) carry no reliable encoding: a byte-order mark wins;
// without one the bytes are UTF-8 when they are valid UTF-8, else Windows-1252.
#include <QByteArray>
#include <QString>

QString DecodeTextFile(const QByteArray &bytes);
// The Windows-1252 character of one byte.
QChar Cp1252Char(unsigned char byte);
