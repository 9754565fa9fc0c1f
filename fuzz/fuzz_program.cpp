#include "fuzz_program.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "toolkit/binding.h"

FuzzProgram::FuzzProgram() {
    std::string folder = (std::filesystem::temp_directory_path() / "gridlet-fuzz-XXXXXX").string();
    if (!mkdtemp(folder.data())) throw std::runtime_error("no temporary folder");
    folder_ = folder + "/";
    if (!startUp(state, ui, {})) throw std::runtime_error("the program did not start");
}

FuzzProgram::~FuzzProgram() {
    shutDown(state);
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

std::string FuzzProgram::writeFile(std::span<const uint8_t> contents) const {
    const std::string name = folder_ + "input";
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(contents.data()), std::streamsize(contents.size()));
    if (!out) fuzzFailure("the scratch file could not be written");
    return name;
}

void FuzzProgram::run() {
    while (ui.has_pending_input() || toolkit::has_queued_events()) {
        if (!handleNextEvent(state)) fuzzFailure("the program ended");
    }
}

void FuzzProgram::selectChar(int code) {
    ui.click_on_canvas(charsetView, toolkit::button_left, (code % 16) * 16 + 8,
                       (code / 16) * 16 + 8);
    run();
    if (state.currentChar != code) fuzzFailure("a click did not select the glyph");
}

FuzzProgram& fuzzProgram() {
    static FuzzProgram program;
    return program;
}

void fuzzFailure(const std::string& what) {
    std::fprintf(stderr, "property broken: %s\n", what.c_str());
    std::abort();
}
