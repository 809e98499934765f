#pragma once
// A check of a fuzz target: says what failed on the error stream and makes the target
// answer false.

#include <cstdio>

#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);     \
            return false;                                                                          \
        }                                                                                          \
    } while (false)
