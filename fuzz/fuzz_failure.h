// How a fuzz target reports a broken property.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

// Stops the run, so that libFuzzer keeps the input that broke the property.
[[noreturn]] inline void fuzzFailure(const std::string& what) {
    std::fprintf(stderr, "property broken: %s\n", what.c_str());
    std::abort();
}
