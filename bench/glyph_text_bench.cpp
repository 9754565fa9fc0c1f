// Reading a pasted text of 1 MiB, the most the clipboard commands read: gridlet's C export and
// a hand-written assembler source with origins, labels and comments, one after the other. The
// target is 50 ms.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "files/glyph_text.h"
#include "files/source_text.h"

namespace {

constexpr size_t mebibyte = size_t(1) << 20;

std::string pastedMebibyte() {
    std::vector<uint8_t> glyphs(256 * 8);
    for (size_t i = 0; i < glyphs.size(); ++i) glyphs[i] = uint8_t(i * 37 + i / 8);
    std::string handWritten = "        .org $D000 ; the set's place\nCOUNT = 256\n";
    for (int code = 0; code < 256; ++code) {
        handWritten +=
            "glyph" + std::to_string(code) + ": ; /* code " + std::to_string(code) + " */\n";
        for (int row = 0; row < 8; ++row)
            handWritten += "        .byte %" + std::to_string(row % 2) + "0111100 ; row " +
                           std::to_string(row) + "\n";
    }
    const std::string parts[] = {encodeCSource(glyphs, 0, {"font", ""}, latinEncoding()),
                                 handWritten};
    std::string text;
    for (size_t i = 0; text.size() < mebibyte; ++i) text += parts[i % 2];
    text.resize(mebibyte);
    return text;
}

void PasteOfOneMebibyte(benchmark::State& timing) {
    const std::string text = pastedMebibyte();
    for (auto _ : timing) benchmark::DoNotOptimize(decodeGlyphText(text));
    timing.SetBytesProcessed(int64_t(timing.iterations()) * int64_t(text.size()));
}

BENCHMARK(PasteOfOneMebibyte)->Unit(benchmark::kMillisecond);

} // namespace
