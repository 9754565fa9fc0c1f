#include "files/map_clipboard.h"

#include <algorithm>
#include <span>

#include "files/glyph_picture.h"
#include "files/utf8.h"
#include "model/character_map.h"
#include "model/glyph_look.h"

namespace {

constexpr char32_t replacement = 0xFFFD;

} // namespace

std::vector<uint8_t> encodeMapBlock(const MapBlock& block) {
    std::vector<uint8_t> bytes{uint8_t(block.width), uint8_t(block.height)};
    for (const int32_t code : block.codes) bytes.push_back(uint8_t(code));
    bytes.insert(bytes.end(), block.colors.begin(), block.colors.end());
    return bytes;
}

std::optional<MapBlock> decodeMapBlock(const std::vector<uint8_t>& bytes) {
    if (bytes.size() < 2) return std::nullopt;
    const int width = bytes[0], height = bytes[1];
    const size_t cells = size_t(width) * size_t(height);
    if (width < 1 || height < 1 || width > mapColumns - 1 || height > mapRows - 1 ||
        bytes.size() != 2 + 2 * cells)
        return std::nullopt;
    MapBlock block{width, height, {}, {}};
    block.codes.assign(bytes.begin() + 2, bytes.begin() + 2 + ptrdiff_t(cells));
    block.colors.assign(bytes.begin() + 2 + ptrdiff_t(cells), bytes.end());
    return block;
}

std::string encodeMapText(const MapBlock& block, const TextEncoding& encoding) {
    std::string text;
    for (int row = 0; row < block.height; ++row) {
        for (int column = 0; column < block.width; ++column) {
            const int32_t code = block.codes[size_t(row) * size_t(block.width) + size_t(column)];
            const char32_t shown = code >= 0 && code < 256 ? encoding.characters[size_t(code)] : 0;
            appendUtf8(text, shown ? shown : replacement);
        }
        text += '\n';
    }
    return text;
}

MapTextReading decodeMapText(const std::string& text, const TextEncoding& encoding) {
    std::vector<std::vector<int32_t>> lines(1);
    MapTextReading reading;
    const std::span bytes(reinterpret_cast<const uint8_t*>(text.data()), text.size());
    for (size_t at = 0; at < bytes.size();) {
        const char32_t c = readUtf8(bytes, at);
        if (c == U'\n') {
            // No map holds more than 50 rows of 80: the rest would fall outside every one.
            if (lines.size() == size_t(mapRows - 1)) break;
            lines.emplace_back();
        } else if (c != U'\r' && lines.back().size() < size_t(mapColumns - 1)) {
            const std::optional<uint8_t> code = codeOfCharacter(encoding, c);
            if (!code && !reading.missing && c != replacement)
                reading.missing = c ? c : replacement;
            lines.back().push_back(code ? *code : -1);
        }
    }
    if (lines.back().empty() && lines.size() > 1) lines.pop_back(); // the text's last newline
    MapBlock& block = reading.block;
    block.height = int(lines.size());
    for (const auto& line : lines) block.width = std::max(block.width, int(line.size()));
    block.codes.assign(size_t(block.width) * size_t(block.height), -1);
    for (size_t row = 0; row < lines.size(); ++row)
        std::ranges::copy(lines[row], block.codes.begin() + ptrdiff_t(row * size_t(block.width)));
    return reading;
}

Picture encodeMapBoxPicture(const Document& document, CellBox box) {
    Picture picture;
    const int height = document.charset.height;
    picture.width = box.width * 8;
    picture.height = box.height * height;
    picture.pixels.resize(size_t(picture.width) * size_t(picture.height));
    for (int row = 0; row < box.height; ++row)
        for (int column = 0; column < box.width; ++column) {
            const CellLook cell = mapCellLook(document, box.left + column, box.top + row);
            paintGlyph(picture, document.glyph(cell.code), column * 8, row * height, cell.look, 1);
        }
    return picture;
}
