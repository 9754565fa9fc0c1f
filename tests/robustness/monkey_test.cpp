// The monkey: the whole program driven through its event loop by seeded random input, with
// the program's invariants checked after every event. GRIDLET_MONKEY_EVENTS sets the total
// number of events over all seeds for a long run.
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <memory>
#include <utility>

#include "monkey_input.h"
#include "program_invariants.h"
#include "shown_messages.h"
#include "toolkit/files.h"
#include "toolkit/texts.h"

namespace {

constexpr int seedCount = 8;
constexpr long defaultTotalEvents = 200'000;
constexpr int viewCheckInterval = 250;
constexpr int redrawCheckInterval = 20;
constexpr int undoRoundTripInterval = 200;
constexpr int folderCheckInterval = 16;
constexpr size_t trailLength = 40;

long eventsPerSeed() {
    const char* total = std::getenv("GRIDLET_MONKEY_EVENTS");
    const long events = total ? std::atol(total) : defaultTotalEvents;
    return std::max(1L, events / seedCount);
}

// Makes the folder the process's current directory for the guard's lifetime.
class WorkingDirectory {
  public:
    explicit WorkingDirectory(const std::string& folder)
        : previous_(std::filesystem::current_path()) {
        std::filesystem::current_path(folder);
    }
    ~WorkingDirectory() {
        std::error_code ignored;
        std::filesystem::current_path(previous_, ignored);
    }
    WorkingDirectory(const WorkingDirectory&) = delete;
    WorkingDirectory& operator=(const WorkingDirectory&) = delete;

  private:
    std::filesystem::path previous_;
};

class MonkeyRun {
  public:
    explicit MonkeyRun(uint64_t seed)
        : seed_(seed), random_(seed), inWorkingFolder_(folder_.workingFolder()),
          startFolder_(toolkit::current_directory()) {}

    // Runs until the count is reached or a check fails; the failure names the seed, the
    // event and the inputs that led to it.
    void run(long events) {
        for (event_ = 0; event_ < events; ++event_) {
            step();
            if (!checkAfterEvent()) return;
        }
        program_.reset();
        const std::vector<std::string> stray = folder_.strayEntries();
        expectHolds(stray.empty(), "stray file " + (stray.empty() ? "" : stray[0]));
    }

  private:
    void step() {
        if (!program_ || program_->ended) {
            restart();
            return;
        }
        remember(scriptRandomInput(random_, *program_, folder_));
        program_->run();
        if (program_->ended && program_->exitCode != 0)
            fail("the program ended with " + std::to_string(program_->exitCode));
    }

    // A fresh program, sometimes with one or two command-line names, now and then on a
    // platform that will not open the map window or even the main window.
    void restart() {
        std::vector<std::string> parameters;
        const int count = int(random_.weighted({60, 30, 10}));
        for (int i = 0; i < count; ++i) parameters.push_back(folder_.anyName(random_));
        const int refusedWindow =
            std::array{-1, int(mapWindow), int(mainWindow)}[random_.weighted({18, 1, 1})];
        std::string started = "start without window " + std::to_string(refusedWindow);
        for (const std::string& parameter : parameters) started += " " + parameter;
        remember(started);
        program_.reset();
        program_ = std::make_unique<MonkeyProgram>(random_, folder_, parameters, refusedWindow);
        std::vector<toolkit::ShownMessage>& shown = program_->ui.messages_shown;
        if (refusedWindow == mainWindow) {
            expectHolds(program_->ended && shown.empty(), "no main window, yet the program ran");
        } else if (refusedWindow == mapWindow) {
            // Reported last, after anything the font load of the command line said.
            const bool reported = !shown.empty() && shown.back().title == "Gridlet" &&
                                  shown.back().text == "Character Map not available";
            if (expectHolds(reported, "the missing map window was not reported")) shown.pop_back();
        }
    }

    bool checkAfterEvent() {
        MonkeyBinding& ui = program_->ui;
        if (program_->expectedOutcome && !program_->ended &&
            !expectEmpty(std::exchange(program_->expectedOutcome, nullptr)()))
            return false;
        for (const toolkit::ShownMessage& message : ui.messages_shown)
            if (!expectEmpty(messageProblem(message, ui.offeredNames, program_->state)))
                return false;
        ui.messages_shown.clear();
        if (!program_->ended) {
            if (!expectEmpty(stateProblem(program_->state))) return false;
            if (!expectEmpty(fileNameProblem(program_->state, ui.offeredNames, startFolder_)))
                return false;
            if (!expectEmpty(undoProblem(program_->state, event_ % undoRoundTripInterval == 0)))
                return false;
            if (event_ % redrawCheckInterval == 0 &&
                !expectEmpty(incrementalRedrawProblem(program_->state)))
                return false;
            if (event_ % viewCheckInterval == 0 &&
                !expectEmpty(viewProblem(program_->state, ui.typedText)))
                return false;
        }
        if (event_ % folderCheckInterval == 0) {
            // A session being written has a temporary name meanwhile; a program that ended
            // finished its saves as it shut down.
            if (!program_->ended) toolkit::finish_saves();
            const std::vector<std::string> stray = folder_.strayEntries();
            if (!expectHolds(stray.empty(), "stray file " + (stray.empty() ? "" : stray[0])))
                return false;
        }
        return true;
    }

    bool expectEmpty(const std::string& problem) { return expectHolds(problem.empty(), problem); }

    bool expectHolds(bool holds, const std::string& problem) {
        if (!holds) fail(problem);
        return holds;
    }

    void fail(const std::string& problem) {
        std::string trail;
        for (const std::string& input : trail_) trail += "\n  " + input;
        ADD_FAILURE() << "seed " << seed_ << ", event " << event_ << ": " << problem
                      << "\nlast inputs:" << trail;
    }

    void remember(std::string input) {
        trail_.push_back(std::to_string(event_) + ": " + std::move(input));
        if (trail_.size() > trailLength) trail_.pop_front();
    }

    uint64_t seed_;
    MonkeyRandom random_;
    ScratchFolder folder_;
    WorkingDirectory inWorkingFolder_;
    std::string startFolder_; // the current directory as the program sees it
    std::unique_ptr<MonkeyProgram> program_;
    std::deque<std::string> trail_;
    long event_ = 0;
};

class Monkey : public ::testing::TestWithParam<int> {};

TEST_P(Monkey, RandomInputKeepsEveryInvariant) {
    MonkeyRun(uint64_t(GetParam())).run(eventsPerSeed());
}

INSTANTIATE_TEST_SUITE_P(Seeds, Monkey, ::testing::Range(1, seedCount + 1));

} // namespace
