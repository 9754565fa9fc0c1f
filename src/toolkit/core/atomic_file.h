// A file saved so that a failed save never destroys the file it replaces. The bytes go to a
// temporary file in the target's folder that is renamed over the target only when every byte
// reached the disk. A file that a rename would harm (one with other hard links) or that cannot be
// replaced (a writable file in a folder the user may not write to, or another user's file in a
// shared sticky folder) is overwritten in place on commit instead: its old contents are first
// kept in a backup file and are written back if the new ones fail.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace toolkit::detail {

// The ending of the backups' names.
inline constexpr const char* backup_ending = ".old-contents";

class AtomicFile {
  public:
    // A file written in place keeps its old contents in the backup folder until its new ones are
    // on disk ("": in memory only). Tests: with a write budget, writes of new bytes fail once it
    // is spent; the files that share one share what is left of it (-1: never spent). Old
    // contents written back after a failed save in place are never held back.
    explicit AtomicFile(std::string backup_folder = {}, int64_t* write_budget = nullptr);
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;
    ~AtomicFile(); // abandons an uncommitted file

    // Follows symbolic links (dangling ones too, except on Windows) to the file they name and gets
    // ready to write it. False when the target is not a regular file (a folder, FIFO, device or
    // socket) or not writable, when its folder cannot take a new file, when the links loop, when
    // a link is one the system refuses to follow (another user's, in a shared sticky folder), or
    // on Windows when they lead nowhere.
    bool open(const std::string& target);
    // False (and stays failed) when the bytes could not all be written.
    bool write(const void* data, size_t length);
    // Flushes to disk, gives the file the target's permissions, owner and group (or the usual
    // ones for a new file) and renames it over the target, or writes a file kept in place.
    // False on any failure; the target keeps its old contents and nothing is left behind then.
    bool commit();
    // Drops what was written; the target stays as it was.
    void abandon();
    // Why open, write or commit failed last, in a few words; "" when nothing failed.
    const std::string& problem() const { return problem_; }

    // Tests: end the process at once, as a kill would, once this file has written this many
    // more new bytes. Set on the file itself, so that no other save (on the thread of
    // background saves, say) ever sees it.
    void end_process_after(int64_t bytes) { end_after_ = bytes; }

  private:
    bool write_bytes(const char* data, size_t length, bool new_bytes);
    bool overwrite(const std::vector<char>& bytes, bool new_bytes);
    bool open_in_place(const std::string& target);
    bool commit_by_rename();
    bool commit_in_place();
    bool keep_backup(const std::vector<char>& old, std::string& backup);
    bool fail(std::string why);
    std::string write_problem() const;

    int fd_ = -1; // the temporary file, or the target itself when written in place
    bool in_place_ = false;
    bool failed_ = false;
    std::string target_;
    std::string temporary_;
    std::vector<char> pending_; // the new contents of a file written in place
    std::string problem_;
    // POSIX: the file replaced, opened once; its mode and owner are read from it, never again
    // from its name, which another program could point elsewhere meanwhile.
    int target_fd_ = -1;
    int64_t end_after_ = -1; // end_process_after: -1 for never
    std::string backup_folder_;
    int64_t* write_budget_ = nullptr;
    bool cut_by_hook_ = false; // the last write failed as the budget said, not the system
};

} // namespace toolkit::detail
