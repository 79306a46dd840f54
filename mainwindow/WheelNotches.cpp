#include "mainwindow/WheelNotches.h"

int WheelNotches::Add(int delta)
{
    if ((delta > 0 && m_rest < 0) || (delta < 0 && m_rest > 0))
        m_rest = 0;
    m_rest += delta;
    const int notches = m_rest / WheelNotch;
    m_rest -= notches * WheelNotch;
    return notches;
}
