// 6502 machine code laid down from its load address, as the programs that show the work on the
// C64 and the Atari need it: a handful of instructions and a copy loop.
#pragma once

#include <cstdint>
#include <vector>

namespace opcode {
constexpr uint8_t ldaImmediate = 0xA9;
constexpr uint8_t ldaAbsolute = 0xAD;
constexpr uint8_t ldaAbsoluteX = 0xBD;
constexpr uint8_t staAbsolute = 0x8D;
constexpr uint8_t staAbsoluteX = 0x9D;
constexpr uint8_t oraImmediate = 0x09;
constexpr uint8_t ldxImmediate = 0xA2;
constexpr uint8_t cpxImmediate = 0xE0;
constexpr uint8_t inx = 0xE8;
constexpr uint8_t bne = 0xD0;
constexpr uint8_t jmpAbsolute = 0x4C;
} // namespace opcode

class MachineCode {
  public:
    explicit MachineCode(uint16_t origin) : origin_(origin) {}

    uint16_t here() const { return uint16_t(origin_ + bytes_.size()); }
    const std::vector<uint8_t>& bytes() const { return bytes_; }

    void immediate(uint8_t code, uint8_t value);
    void absolute(uint8_t code, uint16_t address);
    // LDA #value, STA address.
    void store(uint16_t address, uint8_t value);
    // Copies length bytes (1 to 16 * 256) with X as the index, in as few equal pieces of at most
    // a page as it takes; the last piece may copy a few bytes again. The areas must not overlap.
    void copy(uint16_t from, uint16_t to, int length);
    // JMP to itself: the program's work is done and it waits.
    void waitForever();

  private:
    void word(uint16_t value);

    uint16_t origin_;
    std::vector<uint8_t> bytes_;
};
