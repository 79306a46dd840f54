#pragma once
// Wheel turns counted in whole notches of 120. A touchpad sends parts of a
// notch; they gather until they make a whole one. Turning the other way
// starts the count over, so a leftover never acts against the new direction.
constexpr int WheelNotch = 120;

class WheelNotches {
public:
    // Adds a turn (positive away from the user); returns the whole notches
    // it completes, negative towards the user.
    int Add(int delta);

private:
    int m_rest = 0;
};
