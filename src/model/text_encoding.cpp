#include "model/text_encoding.h"

#include <algorithm>
#include <span>

TextEncoding latinEncoding() {
    TextEncoding encoding;
    for (char32_t c = U' '; c <= U'~'; ++c) encoding.characters[c] = c;
    for (char32_t c = 0xA0; c <= 0xFF; ++c) encoding.characters[c] = c;
    return encoding;
}

std::optional<uint8_t> codeOfCharacter(const TextEncoding& encoding, char32_t character) {
    const auto find = [&](char32_t wanted) -> std::optional<uint8_t> {
        if (wanted == 0) return std::nullopt;
        std::optional<uint8_t> lowest;
        const auto shown = std::ranges::find(encoding.characters, wanted);
        if (shown != encoding.characters.end())
            lowest = uint8_t(shown - encoding.characters.begin());
        for (const ExtraCharacter& extra : std::span(encoding.extra).first(encoding.extraCount))
            if (extra.character == wanted && (!lowest || extra.code < *lowest))
                lowest = uint8_t(extra.code);
        return lowest;
    };
    if (const auto code = find(character)) return code;
    const bool smallLatin = character >= U'a' && character <= U'z';
    const bool smallCyrillic = character >= U'а' && character <= U'я';
    if (smallLatin || smallCyrillic) return find(character - 0x20);
    if (character == U'ё') return find(U'Ё');
    return std::nullopt;
}

std::u32string charactersOfCode(const TextEncoding& encoding, int code) {
    std::u32string characters;
    if (encoding.characters[size_t(code)] != 0) characters += encoding.characters[size_t(code)];
    for (const ExtraCharacter& extra : std::span(encoding.extra).first(encoding.extraCount))
        if (extra.code == uint32_t(code)) characters += extra.character;
    return characters;
}

void clearCodes(TextEncoding& encoding, int first, int last) {
    std::fill(encoding.characters.begin() + first, encoding.characters.begin() + last + 1, 0);
    const auto kept =
        std::remove_if(encoding.extra.begin(), encoding.extra.begin() + encoding.extraCount,
                       [&](const ExtraCharacter& extra) {
                           return extra.code >= uint32_t(first) && extra.code <= uint32_t(last);
                       });
    std::fill(kept, encoding.extra.begin() + encoding.extraCount, ExtraCharacter{});
    encoding.extraCount = uint16_t(kept - encoding.extra.begin());
}

bool addExtraCharacter(TextEncoding& encoding, char32_t character, int code) {
    if (encoding.extraCount == extraCharacterLimit) return false;
    encoding.extra[encoding.extraCount++] = {character, uint32_t(code)};
    return true;
}
