#include "mainwindow/EscPresses.h"

bool EscPresses::Press(std::uint64_t now)
{
    if (m_last && now - *m_last < EscCloseInterval)
        return true;
    m_last = now;
    return false;
}
