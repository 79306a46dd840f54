// The eyes and ears of scripts/compare-peers.sh (built by it: c++ -O2 screenwatch.cpp -lX11).
//
//  screenwatch watch X Y W H MS [first]
//      Polls the screen's region about every millisecond for MS ms and prints
//      "<ns> <code>" whenever what it shows changes (ns: CLOCK_REALTIME), and
//      once at the start. The code is the test clip's second modulo 6 that
//      the region shows (red, green and blue are each 64 or 224, for the bits
//      0, 1 and 2 of the code + 1, so never grey), or -1 for anything else. With "first" it
//      ends at the first code >= 0. $SCREENWATCH_FRAMES names a folder that
//      gets every new picture of the region as <ns>.ppm.
//  mplayer ARG ... (screenwatch called through a link named mplayer)
//      Runs $SCREENWATCH_ENGINE (default /usr/bin/mplayer) with the arguments,
//      its output passed on at once, and appends to $SCREENWATCH_LOG
//      "<ns> vo" (the video output's "VO: [" line), "<ns> turn <second>" (a
//      status line whose whole second differs from the one before) and
//      "<ns> jump" (a status line 5 s or more from the one before), each
//      stamped once the line has been passed on.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cerrno>
#include <cmath>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

namespace {

long long NowNs()
{
    timespec t{};
    clock_gettime(CLOCK_REALTIME, &t);
    return t.tv_sec * 1000000000LL + t.tv_nsec;
}

// One channel's bit: 64 is 0, 224 is 1, anything far from both is no clip colour.
int Bit(double value)
{
    if (std::fabs(value - 64) < 40)
        return 0;
    if (std::fabs(value - 224) < 40)
        return 1;
    return -1;
}

int Watch(int argc, char **argv)
{
    if (argc < 7)
        return 2;
    const int x = std::atoi(argv[2]), y = std::atoi(argv[3]);
    const int w = std::atoi(argv[4]), h = std::atoi(argv[5]);
    const long long until = NowNs() + std::atoll(argv[6]) * 1000000LL;
    const bool first = argc > 7 && std::strcmp(argv[7], "first") == 0;
    const char *frames = std::getenv("SCREENWATCH_FRAMES");
    Display *display = XOpenDisplay(nullptr);
    if (!display || w <= 0 || h <= 0)
        return 2;
    const Window root = DefaultRootWindow(display);
    std::uint64_t last = 0;
    bool seen = false;
    while (NowNs() < until) {
        XImage *image = XGetImage(display, root, x, y, unsigned(w), unsigned(h), AllPlanes, ZPixmap);
        const long long at = NowNs();
        if (!image)
            return 1;
        std::uint64_t hash = 1469598103934665603ULL;
        double sum[3] = {0, 0, 0};
        for (int row = 0; row < h; ++row)
            for (int col = 0; col < w; ++col) {
                const unsigned long pixel = XGetPixel(image, col, row);
                hash = (hash ^ (pixel & 0xFFFFFF)) * 1099511628211ULL;
                for (int c = 0; c < 3; ++c)
                    sum[c] += double((pixel >> (16 - 8 * c)) & 0xFF);
            }
        if (!seen || hash != last) {
            int code = 0;
            for (int c = 0; c < 3 && code >= 0; ++c) {
                const int bit = Bit(sum[c] / (w * h));
                code = bit < 0 ? -1 : code | bit << c;
            }
            code = code >= 1 && code <= 6 ? code - 1 : -1;
            std::printf("%lld %d\n", at, code);
            std::fflush(stdout);
            if (frames) {
                const std::string name = std::string(frames) + "/" + std::to_string(at) + ".ppm";
                if (FILE *out = std::fopen(name.c_str(), "wb")) {
                    std::fprintf(out, "P6\n%d %d\n255\n", w, h);
                    for (int row = 0; row < h; ++row)
                        for (int col = 0; col < w; ++col) {
                            const unsigned long p = XGetPixel(image, col, row);
                            const unsigned char rgb[3] = {static_cast<unsigned char>(p >> 16),
                                                          static_cast<unsigned char>(p >> 8),
                                                          static_cast<unsigned char>(p)};
                            std::fwrite(rgb, 1, 3, out);
                        }
                    std::fclose(out);
                }
            }
            if (first && code >= 0) {
                XDestroyImage(image);
                return 0;
            }
            seen = true;
            last = hash;
        }
        XDestroyImage(image);
        usleep(1000);
    }
    return first ? 1 : 0;
}

pid_t g_child = 0;
void PassOn(int signal)
{
    if (g_child > 0)
        kill(g_child, signal);
}

int Relay(char **argv)
{
    const char *engine = std::getenv("SCREENWATCH_ENGINE");
    const char *logName = std::getenv("SCREENWATCH_LOG");
    FILE *log = std::fopen(logName ? logName : "/dev/null", "a");
    int out[2];
    if (!log || pipe(out) != 0)
        return 2;
    g_child = fork();
    if (g_child == 0) {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        dup2(out[1], 1);
        close(out[0]);
        close(out[1]);
        argv[0] = const_cast<char *>(engine ? engine : "/usr/bin/mplayer");
        execv(argv[0], argv);
        _exit(127);
    }
    close(out[1]);
    std::signal(SIGTERM, PassOn);
    std::signal(SIGINT, PassOn);
    std::signal(SIGPIPE, SIG_IGN);
    std::string line;
    double lastPosition = NAN;
    long long lastSecond = -1000;
    char buffer[65536];
    for (;;) {
        const ssize_t n = read(out[0], buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        for (ssize_t done = 0; done < n;) {
            const ssize_t w = write(1, buffer + done, size_t(n - done));
            if (w <= 0)
                break;
            done += w;
        }
        const long long at = NowNs();
        for (ssize_t i = 0; i < n; ++i) {
            const char c = buffer[i];
            if (c != '\n' && c != '\r') {
                if (line.size() < 4096)
                    line += c;
                continue;
            }
            if (line.rfind("VO: [", 0) == 0)
                std::fprintf(log, "%lld vo\n", at);
            if (line.rfind("A:", 0) == 0 || line.rfind("V:", 0) == 0) {
                const double position = std::strtod(line.c_str() + 2, nullptr);
                const long long second = std::llround(std::floor(position));
                if (second != lastSecond && lastSecond != -1000)
                    std::fprintf(log, "%lld turn %lld\n", at, second);
                if (!std::isnan(lastPosition) && std::fabs(position - lastPosition) >= 5)
                    std::fprintf(log, "%lld jump\n", at);
                lastSecond = second;
                lastPosition = position;
            }
            std::fflush(log);
            line.clear();
        }
    }
    int status = 0;
    waitpid(g_child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc > 1 && std::strcmp(argv[1], "watch") == 0)
        return Watch(argc, argv);
    const char *slash = std::strrchr(argv[0], '/');
    if (std::strcmp(slash ? slash + 1 : argv[0], "mplayer") == 0)
        return Relay(argv);
    std::fprintf(stderr, "usage: screenwatch watch X Y W H MS [first], or called as mplayer\n");
    return 2;
}
