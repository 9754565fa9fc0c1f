#include "gridlet_harness.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "toolkit/windows.h"

KeptFilesHome::KeptFilesHome() {
    std::string pattern = (std::filesystem::temp_directory_path() / "gridlet-home-XXXXXX").string();
    if (mkdtemp(pattern.data())) path = pattern;
}

void KeptFilesHome::use() const {
    setenv("XDG_STATE_HOME", (path + "/state").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (path + "/config").c_str(), 1);
}

KeptFilesHome::~KeptFilesHome() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
}

Gridlet::Gridlet(std::vector<std::string> parameters, const KeptFilesHome* sharedHome) {
    if (!sharedHome) sharedHome = &ownHome.emplace();
    sharedHome->use();
    if (!startUp(state, ui, std::move(parameters))) {
        ended = true;
        exitCode = 0;
    }
}

Gridlet::~Gridlet() {
    if (!ended) shutDown(state);
}

void Gridlet::run() {
    while (!ended && (ui.has_pending_input() || toolkit::has_queued_events())) {
        if (!handleNextEvent(state)) {
            exitCode = shutDown(state);
            ended = true;
        }
    }
}

void Gridlet::clickGlyph(int code) {
    const int cellHeight = 2 * document().charset.height;
    ui.click_on_canvas(charsetView, toolkit::button_left, (code % 16) * 16 + 8,
                       (code / 16) * cellHeight + cellHeight / 2);
}

void Gridlet::tapKey(int virtualKey, int modifiers) {
    ui.press_key(virtualKey, modifiers);
    ui.release_key(virtualKey, modifiers);
}

const toolkit::PixelBuffer& Gridlet::canvas(int gadget) const {
    const toolkit::GadgetRecord* record = toolkit::find_gadget(gadget);
    if (!record) throw std::logic_error("no such canvas");
    return record->buffer;
}

const toolkit::PixelBuffer& Gridlet::image(int number) const {
    const toolkit::PixelBuffer* buffer = toolkit::image_output(number).buffer;
    if (!buffer) throw std::logic_error("no such image");
    return *buffer;
}

std::string Gridlet::windowTitle(int window) const {
    const toolkit::WindowRecord* record = toolkit::find_window(window);
    return record ? record->title : std::string();
}

std::string Gridlet::gadgetText(int gadget) const {
    const toolkit::GadgetRecord* record = toolkit::find_gadget(gadget);
    return record ? record->text : std::string();
}

int Gridlet::gadgetState(int gadget) const {
    return toolkit::get_gadget_state(gadget);
}
