#include "engine/mplayer/StatusPace.h"

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
    double wait;
    if (m_lastSecond >= 0 && second == m_lastSecond + 1) {
        // The second turned since the last read, LinesInSecond frames ago (the
        // last of them half a frame ago, on average). Seconds turn a whole
        // second apart: far more exact than a line's tenths.
        // A read that comes too early costs one more wake-up, one too late
        // the lag itself: look an eighth of a frame after the predicted turn.
        // Read as output came, the last line has only just been written.
        const double sinceTurn = (read.LinesInSecond - (m_retried ? 1.0 : 0.5)) * m_frameMs;
        wait = std::max<double>(1000 - sinceTurn + m_frameMs / 8.0, m_frameMs);
        m_target = second + 1;
        m_retried = false;
    } else if (m_target >= 0 && second < m_target && !m_retried) {
        // Woken for a second that has not turned: its line is the next one
        // the engine writes, so read as soon as output comes.
        m_retried = true;
        m_lastSecond = second;
        return -1;
    } else {
        // From the line alone: it shows tenths, rounded, so the next second
        // shows from the time its position reaches 0.05 short of it. After a
        // failed retry the engine runs slower than the clock: never sooner
        // than a frame.
        const bool failed = m_target >= 0 && second < m_target;
        m_retried = false;
        m_target = second + 1;
        wait = (double(m_target) - 0.05 - read.Seconds) * 1000;
        if (failed)
            wait = std::max<double>(wait, m_frameMs);
    }
    m_lastSecond = second;
    wait = std::ceil(wait - 1e-6) + MarginMs; // tenths are not exact in binary
    // An engine that writes fast must not fill the pipe and wait for us.
    if (read.Bytes > 0) {
        const double fillMs = double(sliceBytes) * double(read.SinceMs) / double(read.Bytes);
        wait = std::min(wait, fillMs);
    }
    return wait < 1 ? -1 : int(wait);
}

void StatusPace::Reset()
{
    m_target = m_lastSecond = -1;
    m_retried = false;
}
