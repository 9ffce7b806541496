// The body of a benchmark program: a figure for the wrong work is worse than none, so any
// failure of its setup or its checks stops it with the reason and a non-zero exit.
#pragma once

#include <cstdio>
#include <exception>

namespace bench {

inline int Run(const char* name, void (*body)()) {
    try {
        body();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", name, e.what());
        return 1;
    }
    return 0;
}

}  // namespace bench
