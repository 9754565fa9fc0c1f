#include "files/kept_record.h"

#include <algorithm>
#include <array>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>

#include "model/document_fields.h"

namespace {

void put32(std::vector<uint8_t>& out, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) out.push_back(uint8_t(value >> shift));
}

uint32_t get32(std::span<const uint8_t> in, size_t at) {
    return uint32_t(in[at]) | uint32_t(in[at + 1]) << 8 | uint32_t(in[at + 2]) << 16 |
           uint32_t(in[at + 3]) << 24;
}

// Adler-32: enough to tell a damaged file from a whole one.
uint32_t checkSum(std::span<const uint8_t> bytes) {
    uint32_t a = 1, b = 0;
    for (const uint8_t byte : bytes) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    return b << 16 | a;
}

SessionReading refused(const std::string& why) {
    return {{}, why};
}

// Reads the fields in order. Past the end it gives zeros and remembers that it ran out, so that a
// file of the wrong length is told as such before anything it holds is looked at.
class Reader {
  public:
    explicit Reader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

    uint8_t byte() {
        if (at_ < bytes_.size()) return bytes_[at_++];
        ranOut_ = true;
        return 0;
    }
    uint32_t word() {
        uint32_t value = 0;
        for (int shift = 0; shift < 32; shift += 8) value |= uint32_t(byte()) << shift;
        return value;
    }
    // Every byte was read, and no more.
    bool whole() const { return !ranOut_ && at_ == bytes_.size(); }

  private:
    std::span<const uint8_t> bytes_;
    size_t at_ = 0;
    bool ranOut_ = false;
};

template <typename T> constexpr bool isArray = false;
template <typename T, size_t n> constexpr bool isArray<std::array<T, n>> = true;

// The ways a field is written. Each puts a value and reads it back; a read is false when the
// bytes hold what gridlet never keeps.

// A byte each: a glyph's row, a colour byte, a flag, a code or a size, which the map's codes and
// sizes fit in.
struct LowByte {
    template <typename T> static void put(std::vector<uint8_t>& out, const T& value) {
        if constexpr (isArray<T>)
            for (const auto& element : value) put(out, element);
        else
            out.push_back(uint8_t(value));
    }
    template <typename T> static bool read(Reader& in, T& value) {
        if constexpr (isArray<T>)
            for (auto& element : value) read(in, element);
        else
            value = T(in.byte());
        return true;
    }
};

// A byte below `limit`: a colour mode or a pen gridlet has.
template <int limit> struct ByteBelow {
    template <typename T> static void put(std::vector<uint8_t>& out, T value) {
        out.push_back(uint8_t(value));
    }
    template <typename T> static bool read(Reader& in, T& value) {
        const uint8_t byte = in.byte();
        value = T(byte);
        return byte < limit;
    }
};

// The set in two parts: its first 2048 bytes, which hold every glyph of 8 rows, came with the
// first edition; its height and the rest of its bytes with the fifth. A set of another height
// past its glyphs holds only zeros.
struct FirstSetBytes {
    static void put(std::vector<uint8_t>& out, const Charset& charset) {
        out.insert(out.end(), charset.bytes.begin(), charset.bytes.begin() + machineCharsetBytes);
    }
    static bool read(Reader& in, Charset& charset) {
        for (size_t i = 0; i < machineCharsetBytes; ++i) charset.bytes[i] = in.byte();
        return true;
    }
};
struct TallSetBytes {
    static void put(std::vector<uint8_t>& out, const Charset& charset) {
        out.push_back(charset.height);
        out.insert(out.end(), charset.bytes.begin() + machineCharsetBytes, charset.bytes.end());
    }
    static bool read(Reader& in, Charset& charset) {
        charset.height = in.byte();
        for (size_t i = machineCharsetBytes; i < charset.bytes.size(); ++i)
            charset.bytes[i] = in.byte();
        if (!isGlyphHeight(charset.height)) return false;
        return std::all_of(charset.bytes.begin() + ptrdiff_t(charsetBytes(charset.height)),
                           charset.bytes.end(), [](uint8_t byte) { return byte == 0; });
    }
};

// 0x00BBGGRR in four bytes, low first; the top byte is never read.
struct Rgb {
    static void put(std::vector<uint8_t>& out, Color color) { put32(out, color); }
    static bool read(Reader& in, Color& color) {
        color = in.word() & 0xFFFFFF;
        return true;
    }
};

struct RangeBytes {
    static void put(std::vector<uint8_t>& out, const Range& range) {
        LowByte::put(out, range.begin);
        LowByte::put(out, range.end);
        LowByte::put(out, range.enabled);
    }
    static bool read(Reader& in, Range& range) {
        return LowByte::read(in, range.begin) && LowByte::read(in, range.end) &&
               LowByte::read(in, range.enabled);
    }
};

// The machine colours in the order the file keeps them; Colors is MachineColors, const or not.
template <typename Colors> auto fieldsOf(Colors& colors) {
    auto& atari = colors.atari;
    return std::array{
        &colors.c64Background, &colors.c64Multi1,        &colors.c64Multi2, &atari[colbk],
        &atari[colpf0],        &atari[colpf1],           &atari[colpf2],    &atari[colpf3],
        &colors.c64Ink,        &colors.spectrumAttribute};
}
static_assert(std::tuple_size_v<decltype(fieldsOf(std::declval<MachineColors&>()))> ==
                  sizeof(MachineColors),
              "every byte of the machine colours is kept");

struct MachineColorBytes {
    static void put(std::vector<uint8_t>& out, const MachineColors& colors) {
        for (const uint8_t* field : fieldsOf(colors)) out.push_back(*field);
    }
    // A C64 colour is below 16; Atari registers take any byte.
    static bool read(Reader& in, MachineColors& colors) {
        for (uint8_t* field : fieldsOf(colors)) *field = in.byte();
        return std::ranges::all_of(
            std::array{colors.c64Background, colors.c64Multi1, colors.c64Multi2, colors.c64Ink},
            [](uint8_t color) { return color < 16; });
    }
};

bool isCharacter(uint32_t value) {
    return value <= 0x10FFFF && (value < 0xD800 || value > 0xDFFF);
}

// Whether the set names its own characters, the character of each code, the count of extra
// characters, and each of them with its code.
struct EncodingBytes {
    static void put(std::vector<uint8_t>& out, const TextEncoding& encoding) {
        out.push_back(encoding.own);
        for (const char32_t character : encoding.characters) put32(out, character);
        out.push_back(uint8_t(encoding.extraCount));
        out.push_back(uint8_t(encoding.extraCount >> 8));
        for (size_t i = 0; i < encoding.extraCount; ++i) {
            put32(out, encoding.extra[i].character);
            out.push_back(uint8_t(encoding.extra[i].code));
        }
    }
    // False for what no character is, or more extra characters than gridlet keeps; those are
    // read past all the same, so that the length is told first.
    static bool read(Reader& in, TextEncoding& encoding) {
        encoding.own = in.byte();
        bool known = encoding.own <= 1;
        for (char32_t& character : encoding.characters) {
            character = in.word();
            known = known && isCharacter(character);
        }
        const size_t low = in.byte(), count = low | size_t(in.byte()) << 8;
        for (size_t i = 0; i < count; ++i) {
            const ExtraCharacter extra{in.word(), in.byte()};
            known = known && extra.character != 0 && isCharacter(extra.character);
            if (i < extraCharacterLimit) encoding.extra[i] = extra;
        }
        encoding.extraCount = uint16_t(std::min(count, extraCharacterLimit));
        return known && count <= extraCharacterLimit;
    }
};

// A field of the document, or of the session beside it, with the edition that added it, how it
// is written, and what a refusal calls it.
template <typename Member, typename Way> struct RecordField {
    using Codec = Way;
    Member member;
    uint32_t edition;
    const char* called;
};

template <typename Way, typename Member>
constexpr RecordField<Member, Way> kept(Member member, uint32_t edition,
                                        const char* called = "fields") {
    return {member, edition, called};
}

constexpr const char* colours = "colours";

// The fields in the order written. An edition's fields come after the last one's, so that an
// older file is the start of a newer one.
constexpr std::tuple recordFields{
    kept<FirstSetBytes>(&Document::charset, 1),
    kept<LowByte>(&Document::mapCells, 1),
    kept<LowByte>(&Document::mapWidth, 1),
    kept<LowByte>(&Document::mapHeight, 1),
    kept<Rgb>(&Document::paperColor, 1),
    kept<Rgb>(&Document::inkColor, 1),
    kept<LowByte>(&Session::currentChar, 1),
    kept<RangeBytes>(&Document::range, 1),
    kept<LowByte>(&Document::gridOnMap, 1),
    kept<ByteBelow<colorModeCount>>(&Document::colorMode, 2, colours),
    kept<MachineColorBytes>(&Document::machineColors, 2, colours),
    kept<LowByte>(&Document::mapColors, 2),
    kept<ByteBelow<4>>(&Document::pen, 2, colours),
    kept<EncodingBytes>(&Document::textEncoding, 3, "characters of the set"),
    kept<ByteBelow<16>>(&Document::c64Border, 4, colours),
    kept<TallSetBytes>(&Document::charset, 5, "glyphs"),
};
// How a drag works is the user's way of working, not part of the work.
constexpr std::tuple unkeptFields{&Document::dragMode};

template <typename Rows, typename Visit> constexpr void forEachRow(const Rows& rows, Visit visit) {
    std::apply([&](const auto&... row) { (visit(row), ...); }, rows);
}

template <typename A, typename B> constexpr bool sameMember(A a, B b) {
    if constexpr (std::is_same_v<A, B>)
        return a == b;
    else
        return false;
}

// Each document field is written, whole or in parts, or said not to be.
constexpr bool eachFieldKeptOrUnkept() {
    bool once = true;
    forEachRow(documentFields, [&](const auto& field) {
        int kept = 0, unkept = 0;
        forEachRow(recordFields,
                   [&](const auto& row) { kept += sameMember(row.member, field.member); });
        forEachRow(unkeptFields, [&](auto member) { unkept += sameMember(member, field.member); });
        once = once && (kept > 0) != (unkept > 0) && unkept <= 1;
    });
    return once;
}
static_assert(eachFieldKeptOrUnkept(),
              "every field of Document needs its row in recordFields, or in unkeptFields");

constexpr bool editionsInOrder() {
    uint32_t last = 1;
    bool ordered = true;
    forEachRow(recordFields, [&](const auto& row) {
        ordered = ordered && row.edition >= last && row.edition <= recordEdition;
        last = row.edition;
    });
    return ordered && last == recordEdition;
}
static_assert(editionsInOrder(),
              "fields go in the order of their editions, the last of which is recordEdition");

// The value a row names, in the document or beside it; Kept is Session, const or not.
template <typename Kept, typename T> auto& valueIn(Kept& session, T Document::*member) {
    return session.document.*member;
}
template <typename Kept, typename T> auto& valueIn(Kept& session, T Session::*member) {
    return session.*member;
}

template <typename T>
void placeField(Document& document, const Document& kept, T Document::*member) {
    document.*member = kept.*member;
}
template <typename T> void placeField(Document&, const Document&, T Session::*) {}

} // namespace

std::vector<uint8_t> encodeRecord(const RecordKind& kind, const Session& session) {
    std::vector<uint8_t> out;
    out.reserve(size_t(20) << 10); // more than the longest, with every extra character
    out.insert(out.end(), kind.mark.begin(), kind.mark.end());
    put32(out, kind.version);
    forEachRow(recordFields, [&](const auto& row) {
        using Codec = typename std::remove_cvref_t<decltype(row)>::Codec;
        Codec::put(out, valueIn(session, row.member));
    });
    put32(out, checkSum(out));
    return out;
}

SessionReading decodeRecord(const RecordKind& kind, std::span<const uint8_t> file) {
    const std::string noun = kind.noun;
    if (file.size() < kind.mark.size() + 4 ||
        !std::equal(kind.mark.begin(), kind.mark.end(), file.begin()))
        return refused("the file is no gridlet " + noun);
    const uint32_t version = get32(file, 8);
    if (version < kind.firstVersion || version > kind.version)
        return refused("the " + noun + " was " + kind.written + " by another version of gridlet");
    const uint32_t edition = recordEdition - (kind.version - version);
    const std::string wrongLength = "the " + noun + " file is cut short or too long";
    const size_t size = file.size();
    if (size < 12 + 4) return refused(wrongLength);
    SessionReading reading;
    Session& session = reading.session;
    Reader in(file.subspan(12, size - 12 - 4));
    const char* unknown = nullptr; // what the first field of a value gridlet never keeps is
    forEachRow(recordFields, [&](const auto& row) {
        using Codec = typename std::remove_cvref_t<decltype(row)>::Codec;
        if (row.edition <= edition && !Codec::read(in, valueIn(session, row.member)) && !unknown)
            unknown = row.called;
    });
    if (!in.whole()) return refused(wrongLength);
    if (get32(file, size - 4) != checkSum(file.first(size - 4)))
        return refused("the " + noun + " file is damaged");
    if (unknown)
        return refused("the " + noun + "'s " + unknown + " are ones gridlet does not know");
    if (!isMapSize(session.document.mapWidth, session.document.mapHeight))
        return refused("the " + noun + "'s map has a size gridlet does not know");
    return reading;
}

void placeKeptFields(Document& document, const Document& kept) {
    forEachRow(recordFields, [&](const auto& row) { placeField(document, kept, row.member); });
}
