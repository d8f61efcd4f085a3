#pragma once

// What the fuzz targets share: a property that fails names itself before the
// fuzzer keeps the input.

#include <cstdio>
#include <cstdlib>

#define check(condition)                                                          \
    do {                                                                          \
        if (!(condition)) {                                                       \
            std::fprintf(stderr, "%s:%d: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                         \
        }                                                                         \
    } while (false)
