#pragma once
// What the window's ways of opening media decide without a dialog: the open
// dialog's filters, the order of the names it returns, the URL prompt's
// default.
#include <QString>
#include <QStringList>

namespace OpenRules {
enum class Filter { Media = 0, All = 1, Video = 2, Audio = 3, Subtitles = 4 };

// The filters in Qt's "Name (*.a *.b)" form, named by `names` in the order of
// Filter: every video and sound file of the one media list first, then all
// files, video, sound and subtitles. The patterns are matched without regard
// to case by the dialog the window uses.
QStringList DialogFilters(const QStringList &names);
// The chosen names in the order the dialog lists them: by file name without
// regard to case, as folder scans sort.
QStringList InDialogOrder(QStringList names);
// The clipboard text the URL prompt offers, trimmed; empty unless it is one
// line without tabs holding "//", "\\" or ":".
QString UrlDefault(const QString &clipboard);
} // namespace OpenRules
