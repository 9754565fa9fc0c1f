#include "toolkit/core/background_saves.h"

#include <utility>

#include "toolkit/core/atomic_file.h"

namespace toolkit::detail {

BackgroundSaves::~BackgroundSaves() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        wake_.notify_all();
    }
    if (thread_.joinable()) thread_.join();
}

void BackgroundSaves::add(std::string name, std::vector<uint8_t> bytes, std::string backup_folder) {
    std::lock_guard lock(mutex_);
    if (!thread_.joinable()) thread_ = std::thread([this] { work(); });
    // Only the last save of a name counts.
    for (Job& job : waiting_)
        if (job.name == name) {
            job.bytes = std::move(bytes);
            job.backup_folder = std::move(backup_folder);
            return;
        }
    waiting_.push_back({std::move(name), std::move(bytes), std::move(backup_folder)});
    wake_.notify_all();
}

std::string BackgroundSaves::take_problem() {
    std::lock_guard lock(mutex_);
    return std::exchange(problem_, std::string());
}

bool BackgroundSaves::finish() {
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return waiting_.empty() && !busy_; });
    return std::exchange(all_saved_, true);
}

void BackgroundSaves::work() {
    std::unique_lock lock(mutex_);
    while (true) {
        wake_.wait(lock, [this] { return stopping_ || !waiting_.empty(); });
        if (waiting_.empty()) return; // stopping, with nothing left
        Job job = std::move(waiting_.front());
        waiting_.pop_front();
        busy_ = true;
        lock.unlock();
        // No write budget: a test's budget is for the files it writes itself.
        AtomicFile file(std::move(job.backup_folder));
        const bool saved =
            file.open(job.name) && file.write(job.bytes.data(), job.bytes.size()) && file.commit();
        lock.lock();
        busy_ = false;
        all_saved_ = all_saved_ && saved;
        if (!saved && problem_.empty())
            problem_ = file.problem().empty() ? "it could not be written" : file.problem();
        idle_.notify_all();
    }
}

} // namespace toolkit::detail
