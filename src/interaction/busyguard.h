#pragma once

#include "interaction/windowinput.h"

// Keeps the main window from taking input for as long as it lives. Guards
// nest: an operation that calls another keeps the window disabled until
// the outermost one ends, and no way out of an operation can leave it so.
class BusyGuard
{
public:
    explicit BusyGuard(WindowInput &input)
        : m_input(input)
    {
        m_input.hold();
    }
    ~BusyGuard() { m_input.release(); }

    BusyGuard(const BusyGuard &) = delete;
    BusyGuard &operator=(const BusyGuard &) = delete;

private:
    WindowInput &m_input;
};
