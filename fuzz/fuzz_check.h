#pragma once

#include <cstdio>
#include <cstdlib>

// A broken invariant in a fuzz body: say which, then abort so that both
// libFuzzer and the replay test see a crash with the input that caused it.
#define TESSARA_FUZZ_CHECK(condition)                                                   \
    do {                                                                                \
        if (!(condition)) {                                                             \
            std::fprintf(stderr, "%s:%d: fuzz invariant failed: %s\n", __FILE__,        \
                         __LINE__, #condition);                                          \
            std::abort();                                                               \
        }                                                                               \
    } while (false)

// An invariant broken by reaching this place at all.
#define TESSARA_FUZZ_FAIL(what)                                                         \
    do {                                                                                \
        std::fprintf(stderr, "%s:%d: fuzz invariant failed: %s\n", __FILE__, __LINE__, \
                     what);                                                             \
        std::abort();                                                                   \
    } while (false)
