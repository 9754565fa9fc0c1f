// A 6502 of the tests' own, to run the programs gridlet writes for the C64 and the Atari: the
// documented instructions over 64 KiB of plain memory, with no interrupts and no hardware.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

class Mos6502 {
  public:
    enum class Stop {
        waiting,       // an endless loop that changes nothing: the program's work is done
        returned,      // an RTS out of the program
        unknownOpcode, // an opcode the 6502 does not document
        tooManySteps,
    };
    struct Write {
        uint16_t address;
        uint8_t value;
    };
    struct Registers {
        uint8_t a = 0, x = 0, y = 0, s = 0xFF, p = 0x24;
        bool operator==(const Registers&) const = default;
    };

    std::array<uint8_t, 0x10000> memory{};
    std::vector<Write> writes; // every write, in order
    Registers registers;
    uint16_t pc = 0;

    // Runs as a JSR to start would, until the program stops; pc is then where it stopped.
    Stop run(uint16_t start, long maxSteps = 1'000'000);
    // The last value the program wrote to the address; -1 when it wrote none.
    int lastWrite(uint16_t address) const;

  private:
    struct Visit {
        long step = -1;
        Registers registers;
    };

    uint8_t read(uint16_t address) const { return memory[address]; }
    uint16_t readWord(uint16_t address) const;
    void write(uint16_t address, uint8_t value);
    uint8_t fetch() { return read(pc++); }
    uint16_t fetchWord();
    void push(uint8_t value);
    uint8_t pull();
    void setFlag(uint8_t flag, bool on);
    bool flag(uint8_t flag) const { return (registers.p & flag) != 0; }
    uint8_t setNZ(uint8_t value);
    void compare(uint8_t reg, uint8_t value);
    void add(uint8_t value);
    void subtract(uint8_t value);
    bool step(); // false on an unknown opcode

    long steps_ = 0;
    long lastChange_ = -1;
    std::vector<Visit> visits_ = std::vector<Visit>(0x10000);
};
