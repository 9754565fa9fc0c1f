// The whole program running in-process on the headless binding, driven by a test.
#pragma once

#include <string>
#include <vector>

#include "app/program.h"
#include "toolkit/headless/headless_binding.h"

struct Gridlet {
    toolkit::HeadlessBinding ui;
    AppState state;
    bool ended = false; // the program has shut down (Escape, close, "Quit")
    int exitCode = -1;

    explicit Gridlet(std::vector<std::string> parameters = {});
    ~Gridlet();
    Gridlet(const Gridlet&) = delete;
    Gridlet& operator=(const Gridlet&) = delete;

    // Handles every scripted input and every event it raises, until nothing is left.
    void run();
    // Scripts a left click on the glyph's cell of the charset view.
    void clickGlyph(int code);
    // Scripts a key pressed and released on the focused gadget.
    void tapKey(int virtualKey, int modifiers = 0);

    const toolkit::PixelBuffer& canvas(int gadget) const;
    const toolkit::PixelBuffer& image(int image) const;
    std::string windowTitle(int window) const;
    std::string gadgetText(int gadget) const;
    int gadgetState(int gadget) const;
};
