#!/usr/bin/env bash
# Builds the fuzz targets with clang, libFuzzer and the sanitizers into build-fuzz, then runs
# each one for FUZZ_SECONDS seconds (default 60) from its seed corpus in tests/fuzz-corpus.
# New inputs go to build-fuzz/corpus, and an input that breaks a target to build-fuzz/crashes.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${FUZZ_SECONDS:-60}"
build="${FUZZ_BUILD:-build-fuzz}"

# target:longest input (the font and map inputs reach past the largest file the program reads)
targets=(font_load_fuzzer:5002 map_load_fuzzer:4200 text_fuzzer:4096
    psf_fuzzer:6000 bdf_fuzzer:16384 c64_font_fuzzer:2100 picture_fuzzer:16384
    session_fuzzer:16600 project_fuzzer:16600 glyph_text_fuzzer:8192 map_clipboard_fuzzer:8100
    vchar64_fuzzer:12000 petmate_fuzzer:65536
    charpad_fuzzer:12000)

CXX=clang++ cmake -S fuzz -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j "${JOBS:-2}" --target "${targets[@]%%:*}"

mkdir -p "$build/crashes"
for entry in "${targets[@]}"; do
    target="${entry%%:*}"
    corpus="$build/corpus/$target"
    mkdir -p "$corpus"
    echo "== $target for ${seconds}s"
    "$build/$target" -max_total_time="$seconds" -max_len="${entry##*:}" -timeout=20 \
        -print_final_stats=1 -artifact_prefix="$build/crashes/$target-" \
        "$corpus" "tests/fuzz-corpus/${target%_fuzzer}"
done
