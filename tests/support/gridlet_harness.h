// The whole program running in-process on the headless binding, driven by a test.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/program.h"
#include "toolkit/headless/headless_binding.h"

// The folders a program keeps its session and recent files in: fresh and empty for each test
// program, removed with it.
class KeptFilesHome {
  public:
    KeptFilesHome();
    ~KeptFilesHome();
    KeptFilesHome(const KeptFilesHome&) = delete;
    KeptFilesHome& operator=(const KeptFilesHome&) = delete;
    // Makes the programs started from now on keep their files here.
    void use() const;
    std::string sessionFile() const { return path + "/state/gridlet/session"; }
    std::string path;
};

struct Gridlet {
    // A program of its own home, or of one a test shares between programs it runs in turn.
    explicit Gridlet(std::vector<std::string> parameters = {},
                     const KeptFilesHome* sharedHome = nullptr);
    std::optional<KeptFilesHome> ownHome;
    toolkit::HeadlessBinding ui;
    AppState state;
    bool ended = false; // the program has shut down (Escape, close, "Quit")
    int exitCode = -1;

    ~Gridlet();
    Gridlet(const Gridlet&) = delete;
    Gridlet& operator=(const Gridlet&) = delete;

    // Handles every scripted input and every event it raises, until nothing is left.
    void run();
    // Scripts a left click on the glyph's cell of the charset view.
    void clickGlyph(int code);
    // Scripts a key pressed and released on the focused gadget.
    void tapKey(int virtualKey, int modifiers = 0);

    const Document& document() const { return state.editor.document(); }
    const toolkit::PixelBuffer& canvas(int gadget) const;
    const toolkit::PixelBuffer& image(int image) const;
    std::string windowTitle(int window) const;
    std::string gadgetText(int gadget) const;
    int gadgetState(int gadget) const;
};
