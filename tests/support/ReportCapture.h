#pragma once
// Every message given to ReportError while the object lives.
#include "common/Report.h"

#include <QStringList>
#include <utility>

struct ReportCapture {
    QStringList messages;
    ReportHandler previous = SetReportHandler([this](const QString &m) { messages << m; });
    ReportCapture() = default;
    ReportCapture(const ReportCapture &) = delete; // the handler holds this object
    ~ReportCapture() { SetReportHandler(previous); }
    QStringList take() { return std::exchange(messages, {}); }
};
