#include "common/Report.h"

#include <cstdio>

namespace {
ReportHandler &handler()
{
    static ReportHandler h;
    return h;
}
} // namespace

void ReportError(const QString &message)
{
    if (handler()) {
        handler()(message);
        return;
    }
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

ReportHandler SetReportHandler(ReportHandler h)
{
    ReportHandler old = std::move(handler());
    handler() = std::move(h);
    return old;
}
