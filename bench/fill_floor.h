// The least any redraw of the three views can cost: one fill of buffers of their sizes (the
// charset view, the glyph editor and the 80 x 50 map) for glyphs of the height.
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>

#include "toolkit/drawing.h"

class FillFloor {
  public:
    explicit FillFloor(int glyphHeight = 8)
        : charsetView_{256, 32 * glyphHeight, 0}, mapView_{1280, 100 * glyphHeight, 0} {}

    void fill() {
        const toolkit::Pixel paper = toolkit::pixel_of(0x000000);
        for (toolkit::PixelBuffer* buffer : {&charsetView_, &glyphEditor_, &mapView_}) {
            std::fill(buffer->pixels.begin(), buffer->pixels.end(), paper);
            benchmark::DoNotOptimize(buffer->pixels.data());
        }
        benchmark::ClobberMemory();
    }

  private:
    toolkit::PixelBuffer charsetView_;
    toolkit::PixelBuffer glyphEditor_{128, 128, 0};
    toolkit::PixelBuffer mapView_;
};
