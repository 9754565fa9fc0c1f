#include "mos6502.h"

#include <cstddef>

namespace {

enum class Mode : uint8_t {
    implied,
    accumulator,
    immediate,
    zeroPage,
    zeroPageX,
    zeroPageY,
    absolute,
    absoluteX,
    absoluteY,
    indirect,
    indexedIndirect, // (zp,X)
    indirectIndexed, // (zp),Y
    relative,
};

enum class Op : uint8_t {
    unknown,
    ADC,
    AND,
    ASL,
    BCC,
    BCS,
    BEQ,
    BIT,
    BMI,
    BNE,
    BPL,
    BRK,
    BVC,
    BVS,
    CLC,
    CLD,
    CLI,
    CLV,
    CMP,
    CPX,
    CPY,
    DEC,
    DEX,
    DEY,
    EOR,
    INC,
    INX,
    INY,
    JMP,
    JSR,
    LDA,
    LDX,
    LDY,
    LSR,
    NOP,
    ORA,
    PHA,
    PHP,
    PLA,
    PLP,
    ROL,
    ROR,
    RTI,
    RTS,
    SBC,
    SEC,
    SED,
    SEI,
    STA,
    STX,
    STY,
    TAX,
    TAY,
    TSX,
    TXA,
    TXS,
    TYA,
};

struct Instruction {
    Op op = Op::unknown;
    Mode mode = Mode::implied;
};

constexpr uint8_t carry = 0x01, zero = 0x02, interruptOff = 0x04, decimal = 0x08, breakBit = 0x10,
                  unused = 0x20, overflow = 0x40, negative = 0x80;

// The opcodes the eight-way instructions take in the order indexedIndirect, zeroPage,
// immediate, absolute, indirectIndexed, zeroPageX, absoluteY, absoluteX; 0 where there is none.
struct Group {
    Op op;
    std::array<uint8_t, 8> opcodes;
};
constexpr Mode groupModes[8] = {Mode::indexedIndirect, Mode::zeroPage,        Mode::immediate,
                                Mode::absolute,        Mode::indirectIndexed, Mode::zeroPageX,
                                Mode::absoluteY,       Mode::absoluteX};
constexpr Group groups[] = {
    {Op::ORA, {0x01, 0x05, 0x09, 0x0D, 0x11, 0x15, 0x19, 0x1D}},
    {Op::AND, {0x21, 0x25, 0x29, 0x2D, 0x31, 0x35, 0x39, 0x3D}},
    {Op::EOR, {0x41, 0x45, 0x49, 0x4D, 0x51, 0x55, 0x59, 0x5D}},
    {Op::ADC, {0x61, 0x65, 0x69, 0x6D, 0x71, 0x75, 0x79, 0x7D}},
    {Op::STA, {0x81, 0x85, 0x00, 0x8D, 0x91, 0x95, 0x99, 0x9D}},
    {Op::LDA, {0xA1, 0xA5, 0xA9, 0xAD, 0xB1, 0xB5, 0xB9, 0xBD}},
    {Op::CMP, {0xC1, 0xC5, 0xC9, 0xCD, 0xD1, 0xD5, 0xD9, 0xDD}},
    {Op::SBC, {0xE1, 0xE5, 0xE9, 0xED, 0xF1, 0xF5, 0xF9, 0xFD}},
};

struct Single {
    uint8_t opcode;
    Op op;
    Mode mode;
};
constexpr Single singles[] = {
    // Shifts and increments: accumulator or memory.
    {0x0A, Op::ASL, Mode::accumulator},
    {0x06, Op::ASL, Mode::zeroPage},
    {0x16, Op::ASL, Mode::zeroPageX},
    {0x0E, Op::ASL, Mode::absolute},
    {0x1E, Op::ASL, Mode::absoluteX},
    {0x2A, Op::ROL, Mode::accumulator},
    {0x26, Op::ROL, Mode::zeroPage},
    {0x36, Op::ROL, Mode::zeroPageX},
    {0x2E, Op::ROL, Mode::absolute},
    {0x3E, Op::ROL, Mode::absoluteX},
    {0x4A, Op::LSR, Mode::accumulator},
    {0x46, Op::LSR, Mode::zeroPage},
    {0x56, Op::LSR, Mode::zeroPageX},
    {0x4E, Op::LSR, Mode::absolute},
    {0x5E, Op::LSR, Mode::absoluteX},
    {0x6A, Op::ROR, Mode::accumulator},
    {0x66, Op::ROR, Mode::zeroPage},
    {0x76, Op::ROR, Mode::zeroPageX},
    {0x6E, Op::ROR, Mode::absolute},
    {0x7E, Op::ROR, Mode::absoluteX},
    {0xC6, Op::DEC, Mode::zeroPage},
    {0xD6, Op::DEC, Mode::zeroPageX},
    {0xCE, Op::DEC, Mode::absolute},
    {0xDE, Op::DEC, Mode::absoluteX},
    {0xE6, Op::INC, Mode::zeroPage},
    {0xF6, Op::INC, Mode::zeroPageX},
    {0xEE, Op::INC, Mode::absolute},
    {0xFE, Op::INC, Mode::absoluteX},
    // The index registers.
    {0xA2, Op::LDX, Mode::immediate},
    {0xA6, Op::LDX, Mode::zeroPage},
    {0xB6, Op::LDX, Mode::zeroPageY},
    {0xAE, Op::LDX, Mode::absolute},
    {0xBE, Op::LDX, Mode::absoluteY},
    {0xA0, Op::LDY, Mode::immediate},
    {0xA4, Op::LDY, Mode::zeroPage},
    {0xB4, Op::LDY, Mode::zeroPageX},
    {0xAC, Op::LDY, Mode::absolute},
    {0xBC, Op::LDY, Mode::absoluteX},
    {0x86, Op::STX, Mode::zeroPage},
    {0x96, Op::STX, Mode::zeroPageY},
    {0x8E, Op::STX, Mode::absolute},
    {0x84, Op::STY, Mode::zeroPage},
    {0x94, Op::STY, Mode::zeroPageX},
    {0x8C, Op::STY, Mode::absolute},
    {0xE0, Op::CPX, Mode::immediate},
    {0xE4, Op::CPX, Mode::zeroPage},
    {0xEC, Op::CPX, Mode::absolute},
    {0xC0, Op::CPY, Mode::immediate},
    {0xC4, Op::CPY, Mode::zeroPage},
    {0xCC, Op::CPY, Mode::absolute},
    {0x24, Op::BIT, Mode::zeroPage},
    {0x2C, Op::BIT, Mode::absolute},
    // Jumps and branches.
    {0x4C, Op::JMP, Mode::absolute},
    {0x6C, Op::JMP, Mode::indirect},
    {0x20, Op::JSR, Mode::absolute},
    {0x60, Op::RTS, Mode::implied},
    {0x40, Op::RTI, Mode::implied},
    {0x00, Op::BRK, Mode::implied},
    {0x10, Op::BPL, Mode::relative},
    {0x30, Op::BMI, Mode::relative},
    {0x50, Op::BVC, Mode::relative},
    {0x70, Op::BVS, Mode::relative},
    {0x90, Op::BCC, Mode::relative},
    {0xB0, Op::BCS, Mode::relative},
    {0xD0, Op::BNE, Mode::relative},
    {0xF0, Op::BEQ, Mode::relative},
    // One byte each.
    {0x08, Op::PHP, Mode::implied},
    {0x28, Op::PLP, Mode::implied},
    {0x48, Op::PHA, Mode::implied},
    {0x68, Op::PLA, Mode::implied},
    {0x18, Op::CLC, Mode::implied},
    {0x38, Op::SEC, Mode::implied},
    {0x58, Op::CLI, Mode::implied},
    {0x78, Op::SEI, Mode::implied},
    {0xB8, Op::CLV, Mode::implied},
    {0xD8, Op::CLD, Mode::implied},
    {0xF8, Op::SED, Mode::implied},
    {0xAA, Op::TAX, Mode::implied},
    {0x8A, Op::TXA, Mode::implied},
    {0xA8, Op::TAY, Mode::implied},
    {0x98, Op::TYA, Mode::implied},
    {0xBA, Op::TSX, Mode::implied},
    {0x9A, Op::TXS, Mode::implied},
    {0xE8, Op::INX, Mode::implied},
    {0xCA, Op::DEX, Mode::implied},
    {0xC8, Op::INY, Mode::implied},
    {0x88, Op::DEY, Mode::implied},
    {0xEA, Op::NOP, Mode::implied},
};

constexpr std::array<Instruction, 256> instructionTable() {
    std::array<Instruction, 256> table{};
    for (const Group& group : groups)
        for (size_t i = 0; i < 8; ++i)
            if (group.opcodes[i] != 0) table[group.opcodes[i]] = {group.op, groupModes[i]};
    for (const Single& single : singles) table[single.opcode] = {single.op, single.mode};
    return table;
}
constexpr std::array<Instruction, 256> instructions = instructionTable();

// The return address of the JSR that run() stands for.
constexpr uint16_t caller = 0xFFF0;

} // namespace

uint16_t Mos6502::readWord(uint16_t address) const {
    return uint16_t(read(address) | read(uint16_t(address + 1)) << 8);
}

uint16_t Mos6502::fetchWord() {
    const uint16_t word = readWord(pc);
    pc = uint16_t(pc + 2);
    return word;
}

void Mos6502::write(uint16_t address, uint8_t value) {
    writes.push_back({address, value});
    if (memory[address] != value) lastChange_ = steps_;
    memory[address] = value;
}

void Mos6502::push(uint8_t value) {
    write(uint16_t(0x100 + registers.s), value);
    --registers.s;
}

uint8_t Mos6502::pull() {
    ++registers.s;
    return read(uint16_t(0x100 + registers.s));
}

void Mos6502::setFlag(uint8_t bit, bool on) {
    registers.p = uint8_t(on ? registers.p | bit : registers.p & ~bit);
}

uint8_t Mos6502::setNZ(uint8_t value) {
    setFlag(zero, value == 0);
    setFlag(negative, (value & 0x80) != 0);
    return value;
}

void Mos6502::compare(uint8_t reg, uint8_t value) {
    setFlag(carry, reg >= value);
    setNZ(uint8_t(reg - value));
}

// N, V and Z follow the binary sum in decimal mode too, as on the NMOS 6502.
void Mos6502::add(uint8_t value) {
    const int a = registers.a, c = flag(carry) ? 1 : 0;
    const int sum = a + value + c;
    setFlag(overflow, (~(a ^ value) & (a ^ sum) & 0x80) != 0);
    setNZ(uint8_t(sum));
    if (!flag(decimal)) {
        setFlag(carry, sum > 0xFF);
        registers.a = uint8_t(sum);
        return;
    }
    int low = (a & 0x0F) + (value & 0x0F) + c;
    int high = (a >> 4) + (value >> 4);
    if (low > 9) low += 6, ++high;
    if (high > 9) high += 6;
    setFlag(carry, high > 15);
    registers.a = uint8_t((high << 4) | (low & 0x0F));
}

void Mos6502::subtract(uint8_t value) {
    const int a = registers.a, borrow = flag(carry) ? 0 : 1;
    const int difference = a - value - borrow;
    setFlag(overflow, ((a ^ value) & (a ^ difference) & 0x80) != 0);
    setNZ(uint8_t(difference));
    setFlag(carry, difference >= 0);
    if (!flag(decimal)) {
        registers.a = uint8_t(difference);
        return;
    }
    int low = (a & 0x0F) - (value & 0x0F) - borrow;
    int high = (a >> 4) - (value >> 4);
    if (low < 0) low -= 6, --high;
    if (high < 0) high -= 6;
    registers.a = uint8_t((high << 4) | (low & 0x0F));
}

bool Mos6502::step() {
    const Instruction instruction = instructions[fetch()];
    Registers& r = registers;
    uint16_t address = 0;
    switch (instruction.mode) {
    case Mode::implied:
    case Mode::accumulator:
        break;
    case Mode::immediate:
    case Mode::relative:
        address = pc++;
        break;
    case Mode::zeroPage:
        address = fetch();
        break;
    case Mode::zeroPageX:
        address = uint8_t(fetch() + r.x);
        break;
    case Mode::zeroPageY:
        address = uint8_t(fetch() + r.y);
        break;
    case Mode::absolute:
        address = fetchWord();
        break;
    case Mode::absoluteX:
        address = uint16_t(fetchWord() + r.x);
        break;
    case Mode::absoluteY:
        address = uint16_t(fetchWord() + r.y);
        break;
    case Mode::indirect: {
        // The NMOS 6502 reads the high byte from the same page.
        const uint16_t pointer = fetchWord();
        const auto next = uint16_t((pointer & 0xFF00) | ((pointer + 1) & 0xFF));
        address = uint16_t(read(pointer) | read(next) << 8);
        break;
    }
    case Mode::indexedIndirect: {
        const auto pointer = uint8_t(fetch() + r.x);
        address = uint16_t(read(pointer) | read(uint8_t(pointer + 1)) << 8);
        break;
    }
    case Mode::indirectIndexed: {
        const uint8_t pointer = fetch();
        address = uint16_t((read(pointer) | read(uint8_t(pointer + 1)) << 8) + r.y);
        break;
    }
    }
    const bool onA = instruction.mode == Mode::accumulator;
    const auto operand = [&] { return onA ? r.a : read(address); };
    const auto modify = [&](uint8_t value) {
        if (onA)
            r.a = value;
        else
            write(address, value);
    };
    const auto branch = [&](bool taken) {
        if (taken) pc = uint16_t(pc + int8_t(read(address)));
    };

    switch (instruction.op) {
    case Op::unknown:
        return false;
    case Op::ADC:
        add(operand());
        break;
    case Op::SBC:
        subtract(operand());
        break;
    case Op::AND:
        r.a = setNZ(r.a & operand());
        break;
    case Op::ORA:
        r.a = setNZ(r.a | operand());
        break;
    case Op::EOR:
        r.a = setNZ(r.a ^ operand());
        break;
    case Op::ASL: {
        const uint8_t value = operand();
        setFlag(carry, (value & 0x80) != 0);
        modify(setNZ(uint8_t(value << 1)));
        break;
    }
    case Op::LSR: {
        const uint8_t value = operand();
        setFlag(carry, (value & 0x01) != 0);
        modify(setNZ(uint8_t(value >> 1)));
        break;
    }
    case Op::ROL: {
        const uint8_t value = operand();
        const int in = flag(carry) ? 1 : 0;
        setFlag(carry, (value & 0x80) != 0);
        modify(setNZ(uint8_t(value << 1 | in)));
        break;
    }
    case Op::ROR: {
        const uint8_t value = operand();
        const int in = flag(carry) ? 0x80 : 0;
        setFlag(carry, (value & 0x01) != 0);
        modify(setNZ(uint8_t(value >> 1 | in)));
        break;
    }
    case Op::INC:
        modify(setNZ(uint8_t(operand() + 1)));
        break;
    case Op::DEC:
        modify(setNZ(uint8_t(operand() - 1)));
        break;
    case Op::BIT: {
        const uint8_t value = operand();
        setFlag(zero, (r.a & value) == 0);
        setFlag(negative, (value & 0x80) != 0);
        setFlag(overflow, (value & 0x40) != 0);
        break;
    }
    case Op::CMP:
        compare(r.a, operand());
        break;
    case Op::CPX:
        compare(r.x, operand());
        break;
    case Op::CPY:
        compare(r.y, operand());
        break;
    case Op::LDA:
        r.a = setNZ(operand());
        break;
    case Op::LDX:
        r.x = setNZ(operand());
        break;
    case Op::LDY:
        r.y = setNZ(operand());
        break;
    case Op::STA:
        write(address, r.a);
        break;
    case Op::STX:
        write(address, r.x);
        break;
    case Op::STY:
        write(address, r.y);
        break;
    case Op::BPL:
        branch(!flag(negative));
        break;
    case Op::BMI:
        branch(flag(negative));
        break;
    case Op::BVC:
        branch(!flag(overflow));
        break;
    case Op::BVS:
        branch(flag(overflow));
        break;
    case Op::BCC:
        branch(!flag(carry));
        break;
    case Op::BCS:
        branch(flag(carry));
        break;
    case Op::BNE:
        branch(!flag(zero));
        break;
    case Op::BEQ:
        branch(flag(zero));
        break;
    case Op::JMP:
        pc = address;
        break;
    case Op::JSR: {
        const auto back = uint16_t(pc - 1);
        push(uint8_t(back >> 8));
        push(uint8_t(back & 0xFF));
        pc = address;
        break;
    }
    case Op::RTS: {
        const uint8_t low = pull();
        pc = uint16_t((low | pull() << 8) + 1);
        break;
    }
    case Op::BRK: {
        const auto back = uint16_t(pc + 1);
        push(uint8_t(back >> 8));
        push(uint8_t(back & 0xFF));
        push(uint8_t(r.p | breakBit | unused));
        setFlag(interruptOff, true);
        pc = readWord(0xFFFE);
        break;
    }
    case Op::RTI: {
        r.p = uint8_t((pull() & ~breakBit) | unused);
        const uint8_t low = pull();
        pc = uint16_t(low | pull() << 8);
        break;
    }
    case Op::PHA:
        push(r.a);
        break;
    case Op::PHP:
        push(uint8_t(r.p | breakBit | unused));
        break;
    case Op::PLA:
        r.a = setNZ(pull());
        break;
    case Op::PLP:
        r.p = uint8_t((pull() & ~breakBit) | unused);
        break;
    case Op::CLC:
        setFlag(carry, false);
        break;
    case Op::SEC:
        setFlag(carry, true);
        break;
    case Op::CLI:
        setFlag(interruptOff, false);
        break;
    case Op::SEI:
        setFlag(interruptOff, true);
        break;
    case Op::CLV:
        setFlag(overflow, false);
        break;
    case Op::CLD:
        setFlag(decimal, false);
        break;
    case Op::SED:
        setFlag(decimal, true);
        break;
    case Op::TAX:
        r.x = setNZ(r.a);
        break;
    case Op::TXA:
        r.a = setNZ(r.x);
        break;
    case Op::TAY:
        r.y = setNZ(r.a);
        break;
    case Op::TYA:
        r.a = setNZ(r.y);
        break;
    case Op::TSX:
        r.x = setNZ(r.s);
        break;
    case Op::TXS:
        r.s = r.x;
        break;
    case Op::INX:
        r.x = setNZ(uint8_t(r.x + 1));
        break;
    case Op::DEX:
        r.x = setNZ(uint8_t(r.x - 1));
        break;
    case Op::INY:
        r.y = setNZ(uint8_t(r.y + 1));
        break;
    case Op::DEY:
        r.y = setNZ(uint8_t(r.y - 1));
        break;
    case Op::NOP:
        break;
    }
    return true;
}

Mos6502::Stop Mos6502::run(uint16_t start, long maxSteps) {
    const auto back = uint16_t(caller - 1);
    push(uint8_t(back >> 8));
    push(uint8_t(back & 0xFF));
    pc = start;
    for (; steps_ < maxSteps; ++steps_) {
        if (pc == caller) return Stop::returned;
        // Back where it was, in the same state, with no byte changed since: it loops forever.
        Visit& visit = visits_[pc];
        if (visit.step > lastChange_ && visit.registers == registers) return Stop::waiting;
        visit = {steps_, registers};
        const uint16_t at = pc;
        if (!step()) {
            pc = at;
            return Stop::unknownOpcode;
        }
    }
    return Stop::tooManySteps;
}

int Mos6502::lastWrite(uint16_t address) const {
    for (auto write = writes.rbegin(); write != writes.rend(); ++write)
        if (write->address == address) return write->value;
    return -1;
}
