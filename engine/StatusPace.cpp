#include "engine/StatusPace.h"

#include <algorithm>
#include <cmath>

std::optional<double> StatusPace::LineSeconds(QByteArrayView line)
{
    if (line.size() < 3 || (line[0] != 'A' && line[0] != 'V') || line[1] != ':')
        return std::nullopt;
    qsizetype i = 2;
    while (i < line.size() && line[i] == ' ')
        ++i;
    const bool negative = i < line.size() && line[i] == '-';
    if (negative)
        ++i;
    double value = 0;
    bool digits = false;
    for (; i < line.size() && line[i] >= '0' && line[i] <= '9'; ++i, digits = true)
        value = value * 10 + (line[i] - '0');
    if (i < line.size() && line[i] == '.')
        for (double scale = 0.1; ++i < line.size() && line[i] >= '0' && line[i] <= '9'; scale /= 10)
            value += (line[i] - '0') * scale, digits = true;
    if (!digits)
        return std::nullopt;
    return negative ? -value : value;
}

int StatusPace::NextReadIn(const Read &read, int sliceBytes)
{
    // The lines of one read tell the frame time (each line shows only a
    // tenth of a second, so one pair of lines would not).
    if (read.Lines >= 3) {
        const double frame = (read.Seconds - read.FirstSeconds) / (read.Lines - 1);
        if (frame > 0.004 && frame < 0.2)
            m_frameMs = int(std::lround(frame * 1000));
    }
    const long long second = static_cast<long long>(std::floor(read.Seconds));
    int wait;
    if (m_target >= 0 && second < m_target && !m_retried) {
        // Woken for a second that has not turned: look once more a frame later.
        m_retried = true;
        wait = m_frameMs;
    } else {
        // The engine runs slower than predicted when the retry failed too:
        // predict afresh, but never sooner than a frame.
        const bool failed = m_target >= 0 && second < m_target;
        m_retried = false;
        m_target = second + 1;
        wait = int(std::ceil((double(m_target) - read.Seconds) * 1000)) + MarginMs;
        if (failed)
            wait = std::max(wait, m_frameMs);
    }
    // An engine that writes fast must not fill the pipe and wait for us.
    if (read.Bytes > 0) {
        const double fillMs = double(sliceBytes) * double(read.SinceMs) / double(read.Bytes);
        wait = int(std::min<double>(wait, fillMs));
    }
    return wait < 1 ? -1 : wait;
}

void StatusPace::Reset()
{
    m_target = -1;
    m_retried = false;
}
