#pragma once

#include <cstdio>
#include <cstdlib>

// A property every input must keep: a failure prints what broke and aborts, which
// libFuzzer reports as a crash and saves the input of.
#define FUZZ_PROPERTY(condition)                                                            \
  do {                                                                                      \
    if (!(condition)) {                                                                     \
      std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                         \
    }                                                                                       \
  } while (false)
