#pragma once
// What reaches the user: every message given to ReportError while a capture
// lives, and the message of the exception a call throws ("no error" when it returns).
#include "common/Report.h"

#include <utility>

struct ReportCapture {
    QStringList messages;
    ReportHandler previous = SetReportHandler([this](const QString &m) { messages << m; });
    ReportCapture() = default;
    ReportCapture(const ReportCapture &) = delete; // the handler holds this object
    ~ReportCapture() { SetReportHandler(previous); }
    QStringList take() { return std::exchange(messages, {}); }
};

template <typename Fn> QString ErrorText(Fn fn)
{
    try {
        fn();
    } catch (const std::exception &e) {
        return UserMessage(e);
    }
    return QStringLiteral("no error");
}
