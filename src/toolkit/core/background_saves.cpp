// Files saved on a thread of their own: the caller hands over the bytes and goes on, while the
// disk takes its time (an atomic save waits for the data to reach it).
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <utility>

#include "toolkit/core/atomic_file.h"
#include "toolkit/core/detail.h"
#include "toolkit/files.h"

namespace toolkit {
namespace {

struct Job {
    std::string name;
    std::vector<uint8_t> bytes;
};

class Saver {
  public:
    ~Saver() { stop(); }

    void add(std::string name, std::vector<uint8_t> bytes) {
        std::lock_guard lock(mutex_);
        if (!thread_.joinable()) thread_ = std::thread([this] { work(); });
        // A newer save of a name replaces one that has not begun: only the last counts.
        for (Job& job : waiting_)
            if (job.name == name) {
                job.bytes = std::move(bytes);
                return;
            }
        waiting_.push_back({std::move(name), std::move(bytes)});
        wake_.notify_all();
    }

    std::string take_problem() {
        std::lock_guard lock(mutex_);
        return std::exchange(problem_, std::string());
    }

    bool finish() {
        std::unique_lock lock(mutex_);
        idle_.wait(lock, [this] { return waiting_.empty() && !busy_; });
        return std::exchange(allSaved_, true);
    }

    void stop() {
        {
            std::lock_guard lock(mutex_);
            stopping_ = true;
            wake_.notify_all();
        }
        if (thread_.joinable()) thread_.join();
        stopping_ = false;
    }

  private:
    void work() {
        std::unique_lock lock(mutex_);
        while (true) {
            wake_.wait(lock, [this] { return stopping_ || !waiting_.empty(); });
            if (waiting_.empty()) return; // stopping, with nothing left
            Job job = std::move(waiting_.front());
            waiting_.pop_front();
            busy_ = true;
            lock.unlock();
            detail::AtomicFile file;
            const bool saved = file.open(job.name) &&
                               file.write(job.bytes.data(), job.bytes.size()) && file.commit();
            lock.lock();
            busy_ = false;
            allSaved_ = allSaved_ && saved;
            if (!saved && problem_.empty())
                problem_ = file.problem().empty() ? "it could not be written" : file.problem();
            idle_.notify_all();
        }
    }

    std::mutex mutex_;
    std::condition_variable wake_, idle_;
    std::deque<Job> waiting_;
    std::thread thread_;
    bool busy_ = false, stopping_ = false, allSaved_ = true;
    std::string problem_; // of the first failed save since it was last taken
};

Saver& saver() {
    static Saver instance;
    return instance;
}

} // namespace

void save_file_later(const std::string& name, std::vector<uint8_t> bytes) {
    saver().add(name, std::move(bytes));
}

int finish_saves() {
    return saver().finish() ? 1 : 0;
}

std::string take_background_save_problem() {
    return saver().take_problem();
}

void detail::end_background_saves() {
    saver().finish();
    saver().stop();
}

} // namespace toolkit
