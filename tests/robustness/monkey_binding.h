// The headless platform with a user who answers every requester and popup at random, at the
// moment it opens, and who remembers every file name handed to the program.
#pragma once

#include <set>
#include <string>

#include "monkey_random.h"
#include "scratch_folder.h"
#include "toolkit/headless/headless_binding.h"

class MonkeyBinding : public toolkit::HeadlessBinding {
  public:
    MonkeyBinding(MonkeyRandom& random, ScratchFolder& folder) : random_(random), folder_(folder) {}

    // Every name given to the program: answered in a requester, dropped (as the joined text
    // the program receives) or passed on the command line.
    std::set<std::string> offeredNames;
    // The last text typed into the data field, which shows it until the program next redraws.
    std::string typedText;

    toolkit::FileChoice file_requester(const toolkit::FileRequest& request) override;
    int color_requester(int start_color, std::array<int, 16>& custom_colors) override;
    int message_requester(const std::string& title, const std::string& text, int flags) override;
    int list_requester(const std::string& title, const std::string& text,
                       const std::vector<std::string>& items) override;
    int popup_menu(const toolkit::MenuRecord& menu, int window) override;

  private:
    MonkeyRandom& random_;
    ScratchFolder& folder_;
};
