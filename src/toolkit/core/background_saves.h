// Files saved on a thread of their own: the caller hands over the bytes and goes on, while the
// disk takes its time (an atomic save waits for the data to reach it).
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace toolkit::detail {

class BackgroundSaves {
  public:
    BackgroundSaves() = default;
    BackgroundSaves(const BackgroundSaves&) = delete;
    BackgroundSaves& operator=(const BackgroundSaves&) = delete;
    // Saves what is still waiting, then ends the thread.
    ~BackgroundSaves();

    // A newer save of a name replaces one that has not begun. A file saved in place keeps its
    // old contents in the backup folder meanwhile ("": in memory only).
    void add(std::string name, std::vector<uint8_t> bytes, std::string backup_folder);
    // Waits until every save handed over has ended; true when all of them succeeded since the
    // last call.
    bool finish();
    // Why the first save that failed since the last call failed; "" when none did.
    std::string take_problem();

  private:
    struct Job {
        std::string name;
        std::vector<uint8_t> bytes;
        std::string backup_folder;
    };

    void work();

    std::mutex mutex_;
    std::condition_variable wake_, idle_;
    std::deque<Job> waiting_;
    std::thread thread_;
    bool busy_ = false, stopping_ = false, all_saved_ = true;
    std::string problem_; // of the first failed save since it was last taken
};

} // namespace toolkit::detail
