#include "common/Report.h"
#include "common/ZError.h"

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

QString UserMessage(const std::exception &e)
{
    if (const auto *z = dynamic_cast<const ZError *>(&e))
        return z->message();
    // Anything else is a fault of the program, not of what the user did.
    return QStringLiteral("Internal error: ") + QString::fromLocal8Bit(e.what());
}
