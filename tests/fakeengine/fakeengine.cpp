// A stand-in for MPlayer in tests: plays back the script in ZORVI_FAKE_SCRIPT,
// answers the bare "seek" probe and "quit" as the engine does, and appends an
// "ARG <argument>" line per argument to the file ZORVI_FAKE_RECORD.
// Script, one step a line ("\r", "\n", "\0", "\\" escapes in texts):
//   say TEXT                print TEXT and a line feed
//   raw TEXT                print TEXT as it is
//   play SECONDS INTERVAL   print a status line ending in CR every INTERVAL ms
//                           for SECONDS, then "Exiting... (End of file)"
//   flood BYTES TEXT        print TEXT over and over, BYTES in all (0: forever)
//   exit N                  end with code N
//   hang                    stop doing anything, forever
// After the last step the program waits for "quit".
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <thread>

namespace {
std::string input;

void Out(const std::string &text)
{
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0)
        std::exit(3);
}

std::string Unescape(const std::string &text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\\' && i + 1 < text.size()) {
            c = text[++i];
            c = c == 'r' ? '\r' : c == 'n' ? '\n' : c == '0' ? '\0' : c;
        }
        out += c;
    }
    return out;
}

void HandleCommand(const std::string &line)
{
    const std::string command = line.rfind("pausing_keep ", 0) == 0 ? line.substr(13) : line;
    if (command == "seek")
        Out("Command seek requires at least 1 arguments, we found only 0 so far.\n");
    if (command == "quit") {
        Out("\nExiting... (Quit)\n");
        std::exit(0);
    }
}

// Reads and handles commands for `ms` milliseconds (forever when negative).
void ReadCommands(int ms)
{
    using namespace std::chrono;
    const auto until = steady_clock::now() + milliseconds(ms);
    for (;;) {
        const auto left = duration_cast<milliseconds>(until - steady_clock::now()).count();
        pollfd pfd{0, POLLIN, 0};
        char buf[4096];
        const ssize_t n =
            ::poll(&pfd, 1, ms < 0 ? -1 : int(left > 0 ? left : 0)) > 0 ? ::read(0, buf, sizeof buf) : 0;
        if (n <= 0 && (pfd.revents & POLLHUP)) { // no more input: only time passes
            if (ms < 0)
                for (;;)
                    ::pause();
            std::this_thread::sleep_until(until);
            return;
        }
        input.append(buf, size_t(n > 0 ? n : 0));
        for (size_t nl; (nl = input.find('\n')) != std::string::npos; input.erase(0, nl + 1))
            HandleCommand(input.substr(0, nl));
        if (ms >= 0 && steady_clock::now() >= until)
            return;
    }
}
} // namespace

int main(int argc, char **argv)
{
    if (const char *path = std::getenv("ZORVI_FAKE_RECORD"))
        if (FILE *record = std::fopen(path, "a")) {
            for (int i = 1; i < argc; ++i)
                std::fprintf(record, "ARG %s\n", argv[i]);
            std::fclose(record);
        }
    const char *script = std::getenv("ZORVI_FAKE_SCRIPT");
    std::istringstream steps(script ? script : "");
    for (std::string step; std::getline(steps, step);) {
        const size_t space = step.find(' ');
        const std::string verb = step.substr(0, space);
        const std::string arg = space == std::string::npos ? std::string() : step.substr(space + 1);
        double seconds = 0;
        int interval = 100;
        if (verb == "say")
            Out(Unescape(arg) + "\n");
        else if (verb == "raw")
            Out(Unescape(arg));
        else if (verb == "play" && std::sscanf(arg.c_str(), "%lf %d", &seconds, &interval) >= 1) {
            char line[120];
            for (double at = 0; at < seconds; at += interval / 1000.0) {
                ReadCommands(interval);
                std::snprintf(line, sizeof line,
                              "A:%6.1f V:%6.1f A-V:  0.000 ct:  0.000   0/  0 ??%% ??%% 0 0 \r", at, at);
                Out(line);
            }
            Out("\nExiting... (End of file)\n");
        } else if (verb == "flood") {
            const unsigned long long total = std::strtoull(arg.c_str(), nullptr, 10);
            std::string block, text = Unescape(arg.substr(arg.find(' ') + 1));
            while (block.size() < 65536)
                block += text;
            for (unsigned long long left = total; total == 0 || left > 0;
                 left -= std::min<unsigned long long>(left, block.size()))
                Out(total == 0 ? block
                               : block.substr(0, size_t(std::min<unsigned long long>(left, block.size()))));
        } else if (verb == "exit")
            return std::atoi(arg.c_str());
        else if (verb == "hang")
            for (;;)
                ::pause();
    }
    ReadCommands(-1);
    return 0;
}
