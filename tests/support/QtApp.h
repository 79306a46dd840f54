#pragma once
// The application object for tests that need an event loop, and a way to run a
// blocking call on another thread while this one keeps handling events.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <chrono>
#include <future>

template <typename App = QCoreApplication> App *EnsureApp()
{
    if (!QCoreApplication::instance()) {
        static int argc = 1;
        static char name[] = "zorvi-tests";
        static char *argv[] = {name, nullptr};
        new App(argc, argv);
    }
    return static_cast<App *>(QCoreApplication::instance());
}

// Runs fn on a thread and handles events here until it returns (or timeoutMs passes).
template <typename Fn> auto RunWhileHandlingEvents(Fn fn, int timeoutMs = 30000)
{
    auto future = std::async(std::launch::async, std::move(fn));
    QElapsedTimer t;
    t.start();
    while (future.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready &&
           t.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return future.get();
}
