#pragma once
// Text layout of one playlist row, kept apart from the painting so the rules
// can be checked without fonts.
#include <QString>

class QFontMetrics;

// index + 1, zero-padded to the digits of count (at least one), then a space.
QString EntryNumber(int index, int count);
// How many leading characters of text fit into width pixels (0 when none does).
int FittingChars(const QFontMetrics &metrics, const QString &text, int width);
// Where a title that does not fit on one line is split, given how many
// characters fit: a dot or opening bracket near the limit begins the second
// line; a blank, dash, underscore or closing bracket ends the first.
int TitleBreak(const QString &title, int fit);
