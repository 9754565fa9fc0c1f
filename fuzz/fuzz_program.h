// The whole program on the headless binding for the file fuzzers: started once per fuzzing
// process and handed one file per input, dropped or chosen in the "Open..." requester.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "app/program.h"
#include "toolkit/headless/headless_binding.h"

class FuzzProgram {
  public:
    FuzzProgram();
    ~FuzzProgram();
    FuzzProgram(const FuzzProgram&) = delete;
    FuzzProgram& operator=(const FuzzProgram&) = delete;

    AppState state;
    toolkit::HeadlessBinding ui;

    // Writes the bytes as the one scratch file and returns its full name.
    std::string writeFile(std::span<const uint8_t> contents) const;
    // Handles the scripted input and every event it raises.
    void run();
    // Makes the glyph the current char with a click on the charset view.
    void selectChar(int code);

  private:
    std::string folder_;
};

// The one program of the process.
FuzzProgram& fuzzProgram();

// Reports a broken property and stops the run, so that libFuzzer keeps the input.
[[noreturn]] void fuzzFailure(const std::string& what);
