#pragma once
// What the window's ways of opening media decide without a dialog: the open
// dialog's filters, the order of the names it returns, the URL prompt's
// default.
#include <QString>
#include <QStringList>

namespace OpenRules {
enum class Filter { All = 0, Video = 1, Audio = 2, Subtitles = 3 };

// The four filters in Qt's "Name (*.a *.b)" form. The patterns are matched
// without regard to case by the dialog the window uses.
QStringList DialogFilters();
// The chosen names in the order the dialog lists them: by file name without
// regard to case, as folder scans sort.
QStringList InDialogOrder(QStringList names);
// The clipboard text the URL prompt offers, trimmed; empty unless it is one
// line without tabs holding "//", "\\" or ":".
QString UrlDefault(const QString &clipboard);
} // namespace OpenRules
