// The program with a fresh folder of real files. Every command is driven as a user would: a
// menu item, its requester's answer, clicks on the charset view, drops.
#pragma once

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdint>
#include <filesystem>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "../toolkit/temp_folder.h"
#include "app/menu_ids.h"
#include "gridlet_harness.h"
#include "toolkit/core/toolkit_state.h"
#include "toolkit/requesters.h"
#include "toolkit/windows.h"

using Bytes = std::vector<uint8_t>;
using Message = std::pair<std::string, std::string>; // title, text

inline Bytes noise(size_t count, unsigned seed) {
    std::mt19937 random(seed);
    Bytes bytes(count);
    for (auto& byte : bytes) byte = static_cast<uint8_t>(random());
    return bytes;
}

class FileCommandTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(folder.made()); }
    void TearDown() override { toolkit::detail::fail_writes_after(-1); }

    // Chooses a menu item whose requester is answered with the path and pattern index.
    void chooseWithFile(int id, const std::string& path, int pattern = 0) {
        g.ui.answer_file(path, pattern);
        g.ui.choose_menu_item(mainWindow, id);
        g.run();
    }
    // The one requester a menu item opens, answered with Cancel.
    toolkit::FileRequest cancelledRequester(int id) {
        const size_t before = g.ui.file_requests.size();
        g.ui.answer_cancel();
        g.ui.choose_menu_item(mainWindow, id);
        g.run();
        if (g.ui.file_requests.size() != before + 1) {
            ADD_FAILURE() << "menu item " << id << " opened no single requester";
            return {};
        }
        return g.ui.file_requests.back();
    }
    void openFont(const std::string& name) { chooseWithFile(openId, folder / name, 0); }
    void openMap(const std::string& name) { chooseWithFile(openId, folder / name, 1); }

    // Clicks the glyph's cell in the charset view, which makes it the current char.
    void selectChar(int code) {
        g.ui.click_on_canvas(charsetView, toolkit::button_left, code % 16 * 16 + 8,
                             code / 16 * 16 + 8);
        g.run();
        ASSERT_EQ(g.state.editor.currentChar(), code);
    }

    // Loads a whole charset of noise, so that glyphs a later load keeps differ from those it
    // writes.
    Bytes loadNoiseCharset() {
        const Bytes bytes = noise(machineCharsetBytes, 2048);
        folder.write("noise.fnt", bytes);
        openFont("noise.fnt");
        return bytes;
    }

    Bytes charsetPart(int from, int count) const {
        return Bytes(g.document().charset.begin() + from,
                     g.document().charset.begin() + from + count);
    }

    std::vector<Message> messages() const {
        std::vector<Message> shown;
        for (const auto& message : g.ui.messages_shown)
            shown.emplace_back(message.title, message.text);
        return shown;
    }

    bool exists(const std::string& name) const {
        return std::filesystem::exists(std::filesystem::path(folder / name));
    }

    // A named pipe: opening it for reading would wait for a writer.
    std::string makeFifo(const std::string& name) const {
        const std::string path = folder / name;
        EXPECT_EQ(mkfifo(path.c_str(), 0600), 0);
        return path;
    }

    Gridlet g;
    TempFolder folder;
};
