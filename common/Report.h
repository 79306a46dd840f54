#pragma once
// Every message box of the program goes through ReportError, so tests can
// replace it and read what was reported. The GUI installs a handler that shows
// a message box; without one, messages go to standard error.
#include <QString>
#include <functional>

using ReportHandler = std::function<void(const QString &message)>;

void ReportError(const QString &message);
// Returns the previous handler.
ReportHandler SetReportHandler(ReportHandler handler);
