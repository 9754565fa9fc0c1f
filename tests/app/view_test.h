// A fixture for the views as the refresh draws them: the toolkit started on the headless
// binding, the program's drawing surfaces made (or some left out), and the state they show.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "app/app_state.h"
#include "app/refresh.h"
#include "pixel_picture.h"
#include "toolkit/binding.h"
#include "toolkit/headless/headless_binding.h"
#include "view_surfaces.h"

class ViewTest : public ::testing::Test {
  protected:
    void SetUp() override {
        toolkit::start_toolkit(ui);
        state.windows.mapWindowAvailable = true;
    }
    void TearDown() override { toolkit::shut_down_toolkit(); }

    const toolkit::PixelBuffer& canvas(int gadget) const {
        return toolkit::find_gadget(gadget)->buffer;
    }
    const toolkit::PixelBuffer& image() const {
        return *toolkit::image_output(charsetImage).buffer;
    }
    std::string dataText() const { return toolkit::find_gadget(dataField)->text; }
    // The document to set up, every glyph and cell of it marked as changed for the views.
    Document& edit() { return state.editor.changeDocument(); }

    toolkit::HeadlessBinding ui;
    AppState state;
};

// Every surface there, as in the running program.
class AllSurfacesTest : public ViewTest {
  protected:
    void SetUp() override {
        ViewTest::SetUp();
        createViewSurfaces();
    }
};

constexpr toolkit::Color white = 0xFFFFFF;
constexpr toolkit::Color black = 0x000000;
