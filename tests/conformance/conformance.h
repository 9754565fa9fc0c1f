// The toolkit's contract as every binding keeps it: a test opens windows and gadgets through
// the toolkit, acts as a user at the platform, and reads the events the logic would see.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform_user.h"
#include "toolkit/windows.h"

struct SeenEvent {
    int kind = 0;
    int window = 0;
    int object = 0;
    int sub_event = 0;
    int x = 0, y = 0, buttons = 0, key = 0, wheel = 0, character = 0;
};

class Conformance : public ::testing::Test {
  protected:
    std::unique_ptr<PlatformUser> user = make_platform_user();

    void SetUp() override;
    void TearDown() override;

    // A window with a caption and a system menu, shown and active.
    void open_shown_window(int window, int width = 640, int height = 480);
    // The events of everything the user did since the last call, each step taken from the
    // queue as the logic's loop takes it, so that no two steps merge.
    std::vector<SeenEvent> events();
    std::vector<SeenEvent> events_of(int kind, int object = -1);
    std::vector<int> sub_events(int gadget);
    // The user's step, then its events taken.
    void step(const std::function<void()>& action);

  private:
    void take_events();
    std::vector<SeenEvent> seen_;
};
