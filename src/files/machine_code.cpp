#include "files/machine_code.h"

#include <algorithm>

void MachineCode::word(uint16_t value) {
    bytes_.push_back(uint8_t(value & 0xFF));
    bytes_.push_back(uint8_t(value >> 8));
}

void MachineCode::immediate(uint8_t code, uint8_t value) {
    bytes_.push_back(code);
    bytes_.push_back(value);
}

void MachineCode::absolute(uint8_t code, uint16_t address) {
    bytes_.push_back(code);
    word(address);
}

void MachineCode::store(uint16_t address, uint8_t value) {
    immediate(opcode::ldaImmediate, value);
    absolute(opcode::staAbsolute, address);
}

void MachineCode::copy(uint16_t from, uint16_t to, int length) {
    const int pieces = (length + 255) / 256;
    const int piece = (length + pieces - 1) / pieces;
    immediate(opcode::ldxImmediate, 0);
    const uint16_t loop = here();
    for (int i = 0; i < pieces; ++i) {
        const int offset = std::min(i * piece, length - piece);
        absolute(opcode::ldaAbsoluteX, uint16_t(from + offset));
        absolute(opcode::staAbsoluteX, uint16_t(to + offset));
    }
    bytes_.push_back(opcode::inx);
    // A whole page ends when X wraps to 0, which sets Z by itself.
    if (piece < 256) immediate(opcode::cpxImmediate, uint8_t(piece));
    immediate(opcode::bne, uint8_t(loop - (here() + 2)));
}

void MachineCode::waitForever() {
    absolute(opcode::jmpAbsolute, here());
}
