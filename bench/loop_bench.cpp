// The event loop's own cost, the whole program on the headless binding: one turn for an event
// that changes nothing (the pointer moving over the glyph editor with no button held), and one
// for a pixel painted by a held button moving onto the next cell of the glyph editor.
#include <benchmark/benchmark.h>

#include "gridlet_harness.h"
#include "toolkit/windows.h"

namespace {

int centre(int cell) {
    return cell * 16 + 8;
}

void LoopNoOpEvent(benchmark::State& timing) {
    Gridlet g;
    int cell = 0;
    for (auto _ : timing) {
        cell = (cell + 1) % 8;
        g.ui.move_on_canvas(glyphEditor, centre(cell), centre(3));
        g.run();
    }
}

// Every move paints: each pass over the 64 pixels holds the other button, so each pixel flips.
void LoopPaintedPixel(benchmark::State& timing) {
    using namespace toolkit;
    Gridlet g;
    int pixel = 0, held = 0;
    for (auto _ : timing) {
        if (pixel == 0) {
            timing.PauseTiming();
            if (held) g.ui.release_on_canvas(glyphEditor, held, centre(0), centre(0));
            held = held == button_left ? button_right : button_left;
            g.ui.press_on_canvas(glyphEditor, held, centre(0), centre(0));
            g.run();
            timing.ResumeTiming();
        }
        pixel = (pixel + 1) % 64;
        g.ui.move_on_canvas(glyphEditor, centre(pixel % 8), centre(pixel / 8));
        g.run();
    }
}

} // namespace

BENCHMARK(LoopNoOpEvent)->Unit(benchmark::kMicrosecond);
BENCHMARK(LoopPaintedPixel)->Unit(benchmark::kMicrosecond);
