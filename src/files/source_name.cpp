#include "files/source_name.h"

#include <cctype>
#include <cstdint>
#include <span>
#include <vector>

#include "files/reserved_words.h"
#include "files/utf8.h"

namespace {

// The base letters of Latin-1's letters from U+00C0 (À) to U+00FF (ÿ), _ for the characters
// there that have none (Æ, Ð, ×, Þ, ß, ...).
constexpr std::string_view latin1Bases =
    "AAAAAA_CEEEEIIII_NOOOOO_OUUUUY__aaaaaa_ceeeeiiii_nooooo_ouuuuy_y";

std::string_view stemOf(std::string_view fileName) {
    const size_t slash = fileName.find_last_of("/\\");
    const std::string_view base = fileName.substr(slash == std::string_view::npos ? 0 : slash + 1);
    return base.substr(0, base.find('.'));
}

// One character of the name for each of the stem's (however many bytes it takes in UTF-8).
std::string nameCharacters(std::string_view stem) {
    const auto bytes = std::span(reinterpret_cast<const uint8_t*>(stem.data()), stem.size());
    std::string name;
    for (size_t at = 0; at < bytes.size();) {
        const char32_t c = readUtf8(bytes, at);
        if (c < 0x80 && (std::isalnum(int(c)) || c == '_'))
            name += char(c);
        else if (c >= 0xC0 && c <= 0xFF)
            name += latin1Bases[c - 0xC0];
        else
            name += '_';
    }
    return name;
}

// font_ before a leading digit, as exports always wrote it: programs users have rely on it.
std::string withLeadingLetter(const std::string& name) {
    const bool letterFirst = !name.empty() && !std::isdigit(static_cast<unsigned char>(name[0]));
    return letterFirst ? name : "font_" + name;
}

std::string spokenName(SourceLanguage language) {
    switch (language) {
    case SourceLanguage::c:
        return "C";
    case SourceLanguage::ca65:
        return "ca65";
    case SourceLanguage::acme:
        return "ACME";
    case SourceLanguage::z80:
        return "Z80 assembler";
    }
    return {};
}

} // namespace

std::string identifierOf(std::string_view fileName) {
    return withLeadingLetter(nameCharacters(stemOf(fileName)));
}

SourceName sourceNameOf(std::string_view fileName, SourceLanguage language) {
    const std::string_view stem = stemOf(fileName);
    const std::string characters = nameCharacters(stem);
    std::string identifier = withLeadingLetter(characters);
    const std::string spoken = spokenName(language);
    std::vector<std::string> reasons;
    if (characters != stem)
        reasons.push_back("holds characters that names in " + spoken + " cannot");
    if (identifier != characters) reasons.push_back("does not start with a letter");
    // At file scope, where the array is, C keeps every name that starts with _.
    if (language == SourceLanguage::c && identifier[0] == '_') {
        identifier = "font" + identifier;
        reasons.push_back("starts with _, which C keeps for itself");
    } else if (isReservedWord(identifier, language)) {
        identifier += '_';
        reasons.push_back("is a word of " + spoken);
    }
    if (reasons.empty()) return {identifier, ""};

    // The stem is shown only when it is made of a name's characters, which no comment minds.
    std::string note = "The file's name";
    if (characters == stem && !stem.empty()) note += ", " + std::string(stem) + ",";
    for (size_t i = 0; i < reasons.size(); ++i) note += (i ? " and " : " ") + reasons[i];
    const char* called =
        language == SourceLanguage::c ? ", so the array is called " : ", so the label is called ";
    return {identifier, note + called + identifier + "."};
}
