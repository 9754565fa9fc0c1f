// The tests' own 6502, held to what the processor does, since the machine programs' tests trust
// it.
#include <gtest/gtest.h>

#include <vector>

#include "mos6502.h"

namespace {

struct Outcome {
    Mos6502::Stop stop;
    uint8_t a, p;
};

// Runs the code from $0200 with $20..$21 pointing at $0300 and $0300..$0301 holding 5 and 6.
Outcome runCode(const std::vector<uint8_t>& code) {
    Mos6502 cpu;
    std::copy(code.begin(), code.end(), cpu.memory.begin() + 0x0200);
    cpu.memory[0x20] = 0x00;
    cpu.memory[0x21] = 0x03;
    cpu.memory[0x0300] = 5;
    cpu.memory[0x0301] = 6;
    const Mos6502::Stop stop = cpu.run(0x0200, 10'000);
    return {stop, cpu.registers.a, cpu.registers.p};
}

TEST(Mos6502, RunsInstructionsAsTheProcessorDoes) {
    using Stop = Mos6502::Stop;
    const struct {
        const char* what;
        std::vector<uint8_t> code;
        Stop stop;
        uint8_t a;
        uint8_t flags, flagMask; // the bits of P (N V - B D I Z C) that the case looks at
    } cases[] = {
        {"carry and overflow",
         {0x18, 0xA9, 0x7F, 0x69, 0x01, 0x60},
         Stop::returned,
         0x80,
         0xC0,
         0xC3},
        {"subtract borrows",
         {0x38, 0xA9, 0x00, 0xE9, 0x01, 0x60},
         Stop::returned,
         0xFF,
         0x80,
         0xC3},
        {"decimal add",
         {0xF8, 0x18, 0xA9, 0x19, 0x69, 0x28, 0x60},
         Stop::returned,
         0x47,
         0x00,
         0x01},
        {"(zp),Y and compare",
         {0xA0, 0x01, 0xB1, 0x20, 0xC9, 0x06, 0x60},
         Stop::returned,
         6,
         0x03,
         0x03},
        {"a counted loop ends",
         {0xA2, 0x05, 0xCA, 0xD0, 0xFD, 0x8A, 0x60},
         Stop::returned,
         0,
         0x02,
         0x82},
        {"JSR and RTS",
         {0x20, 0x05, 0x02, 0x60, 0x00, 0xA9, 0x42, 0x60},
         Stop::returned,
         0x42,
         0,
         0},
        {"rotate through carry", {0x38, 0xA9, 0x80, 0x2A, 0x60}, Stop::returned, 0x01, 0x01, 0x83},
        {"JMP to itself waits", {0xA9, 0x07, 0x4C, 0x02, 0x02}, Stop::waiting, 0x07, 0, 0},
        {"storing the same byte waits",
         {0xA9, 0x00, 0x85, 0x10, 0x4C, 0x00, 0x02},
         Stop::waiting,
         0,
         0,
         0},
        {"counting up in memory runs on",
         {0xE6, 0x10, 0x4C, 0x00, 0x02},
         Stop::tooManySteps,
         0,
         0,
         0},
        {"no such opcode", {0xA9, 0x01, 0x02}, Stop::unknownOpcode, 0x01, 0, 0},
    };
    for (const auto& c : cases) {
        const Outcome outcome = runCode(c.code);
        EXPECT_EQ(outcome.stop, c.stop) << c.what;
        EXPECT_EQ(outcome.a, c.a) << c.what;
        EXPECT_EQ(outcome.p & c.flagMask, c.flags) << c.what;
    }
}

} // namespace
