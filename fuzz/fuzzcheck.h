#pragma once

#include <cstdlib>

// A broken property ends the run at once, where libFuzzer records the input.
inline void check(bool condition)
{
    if (!condition)
        std::abort();
}
