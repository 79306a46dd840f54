#pragma once
// How a failure reaches the user. Every message box of the program goes
// through ReportError, so tests can replace it and read what was reported;
// the GUI installs a handler that shows a message box, and without one
// messages go to standard error. UserMessage is the one text of an exception,
// and RunGuarded the one guard at each Qt entry point (event handlers, event
// filters, slots, timers): Qt must never unwind through its own frames.
#include <QString>
#include <exception>
#include <functional>
#include <utility>

using ReportHandler = std::function<void(const QString &message)>;

void ReportError(const QString &message);
// Returns the previous handler.
ReportHandler SetReportHandler(ReportHandler handler);

// A ZError's own message; any other exception is a programming error:
// "Internal error: " and its what().
QString UserMessage(const std::exception &e);

// Runs fn; an exception it throws is reported once and goes no further. This
// is the one catch of std::exception: elsewhere only ZError is caught, where
// its failure is an ordinary outcome handled on the spot.
// Anything not derived from std::exception is a programming error and ends
// the program (noexcept) rather than unwinding into Qt.
template <typename Fn> void RunGuarded(Fn &&fn) noexcept
{
    try {
        std::forward<Fn>(fn)();
    } catch (const std::exception &e) {
        ReportError(UserMessage(e));
    }
}
