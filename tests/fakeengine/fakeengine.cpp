// A stand-in for MPlayer in tests. It plays back a script of output lines,
// answers the bare "seek" probe the way the engine does, records every line it
// receives (with the milliseconds since its start) and exits with a chosen code
// or hangs.
//
// Environment:
//   ZORVI_FAKE_SCRIPT       script text
//   ZORVI_FAKE_RECORD       file that receives "ARG <argument>" lines and
//                           "<ms> <command>" lines
// Script, one step a line ("\r", "\n", "\0", "\\" escapes in texts):
//   say TEXT                print TEXT and a line feed
//   raw TEXT                print TEXT as it is
//   play SECONDS INTERVAL   print status lines ending in CR every INTERVAL ms while
//                           the position runs to SECONDS (seek and pause honoured), then
//                           "Exiting... (End of file)"
//   noprobe                 stop answering the probe
//   seekdelay MS            a seek keeps the engine busy for MS (as decoding does)
//   exit N                  end with code N
//   hang                    stop doing anything, forever
// After the last step the program waits for "quit".
#include <poll.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

namespace {
using Clock = std::chrono::steady_clock;
const Clock::time_point startTime = Clock::now();

long long NowMs()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - startTime).count();
}

FILE *record = nullptr;
bool answerProbe = true;
bool stdinOpen = true;
std::string inputBuffer;
bool paused = false;
double position = 0;
bool seekRequested = false;
int seekDelay = 0;

void Out(const std::string &text)
{
    ssize_t off = 0;
    while (off < ssize_t(text.size())) {
        ssize_t n = ::write(1, text.data() + off, text.size() - off);
        if (n <= 0)
            std::exit(3);
        off += n;
    }
}

std::string Unescape(const std::string &text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            char c = text[++i];
            out += c == 'r' ? '\r' : c == 'n' ? '\n' : c == '0' ? '\0' : c;
        } else {
            out += text[i];
        }
    }
    return out;
}

void HandleCommand(std::string line)
{
    if (record) {
        std::fprintf(record, "%lld %s\n", NowMs(), line.c_str());
        std::fflush(record);
    }
    const std::string keep = "pausing_keep ";
    const bool keepPause = line.rfind(keep, 0) == 0;
    if (keepPause)
        line = line.substr(keep.size());
    else if (paused && line != "pause")
        paused = false; // the engine leaves its pause on any other command
    if (line == "seek") {
        if (answerProbe)
            Out("Command seek requires at least 1 arguments, we found only 0 so far.\n");
    } else if (line.rfind("seek ", 0) == 0) {
        double value = 0;
        int type = 0;
        std::sscanf(line.c_str() + 5, "%lf %d", &value, &type);
        position = type == 2 ? value : position + value;
        if (position < 0)
            position = 0;
        seekRequested = true;
        if (seekDelay > 0)
            ::usleep(useconds_t(seekDelay) * 1000);
    } else if (line == "pause") {
        paused = !paused;
        if (paused)
            Out("\n  =====  PAUSE  =====\r\n");
    } else if (line == "quit") {
        Out("\nExiting... (Quit)\n");
        std::exit(0);
    }
}

// Reads commands for at most `ms` milliseconds (forever when negative).
void ReadCommands(int ms)
{
    const long long until = NowMs() + ms;
    for (;;) {
        int wait = ms < 0 ? -1 : int(until - NowMs());
        if (ms >= 0 && wait < 0)
            wait = 0;
        if (!stdinOpen) {
            if (ms < 0)
                for (;;)
                    ::pause();
            ::usleep(useconds_t(wait) * 1000);
            return;
        }
        pollfd pfd{0, POLLIN, 0};
        const int r = ::poll(&pfd, 1, wait);
        if (r > 0) {
            char buf[4096];
            const ssize_t n = ::read(0, buf, sizeof buf);
            if (n <= 0) {
                stdinOpen = false;
                continue;
            }
            inputBuffer.append(buf, size_t(n));
            size_t nl;
            while ((nl = inputBuffer.find('\n')) != std::string::npos) {
                std::string line = inputBuffer.substr(0, nl);
                inputBuffer.erase(0, nl + 1);
                HandleCommand(line);
            }
        }
        if (ms >= 0 && NowMs() >= until)
            return;
    }
}

void Play(double seconds, int interval)
{
    position = 0;
    long long last = NowMs();
    while (position < seconds) {
        ReadCommands(interval);
        const long long now = NowMs();
        if (!paused && !seekRequested)
            position += double(now - last) / 1000.0;
        seekRequested = false;
        last = now;
        if (paused)
            continue;
        char line[160];
        std::snprintf(line, sizeof line,
                      "A:%6.1f V:%6.1f A-V:  0.000 ct:  0.000   0/  0 ??%% ??%% ??,?%% 0 0 \r", position,
                      position);
        Out(line);
    }
    Out("\nExiting... (End of file)\n");
}

} // namespace

int main(int argc, char **argv)
{
    if (const char *path = std::getenv("ZORVI_FAKE_RECORD")) {
        record = std::fopen(path, "a");
        for (int i = 1; record && i < argc; ++i)
            std::fprintf(record, "ARG %s\n", argv[i]);
        if (record)
            std::fflush(record);
    }
    const char *env = std::getenv("ZORVI_FAKE_SCRIPT");
    std::istringstream script(env ? env : "");
    std::string step;
    while (std::getline(script, step)) {
        const size_t space = step.find(' ');
        const std::string verb = step.substr(0, space);
        const std::string arg = space == std::string::npos ? std::string() : step.substr(space + 1);
        if (verb == "say")
            Out(Unescape(arg) + "\n");
        else if (verb == "raw")
            Out(Unescape(arg));
        else if (verb == "play") {
            double seconds = 0;
            int interval = 100;
            std::sscanf(arg.c_str(), "%lf %d", &seconds, &interval);
            Play(seconds, interval);
        } else if (verb == "noprobe")
            answerProbe = false;
        else if (verb == "seekdelay")
            seekDelay = std::atoi(arg.c_str());
        else if (verb == "exit")
            return std::atoi(arg.c_str());
        else if (verb == "hang")
            for (;;)
                ::pause();
    }
    ReadCommands(-1);
    return 0;
}
