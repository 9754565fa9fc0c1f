// A private folder of things for the monkey to offer the program as file names: regular files
// of random size and content, sub-folders, FIFOs, symbolic links, names as long as the system
// allows or longer, and names that do not exist. Save requesters are answered only with names
// in here, and the program runs in an empty working folder beside it, so anything the program
// writes elsewhere is a fault.
#pragma once

#include <string>
#include <vector>

#include "monkey_random.h"

class ScratchFolder {
  public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // The folder the names live in, with a trailing "/".
    const std::string& path() const { return files_; }
    // An empty folder for the process to work in, with a trailing "/".
    const std::string& workingFolder() const { return working_; }

    // A regular file of the pool, rewritten now with a random size (0..5000, often one the
    // program treats specially) and random bytes.
    std::string freshFile(MonkeyRandom& random);
    // A file of the pool as it stands (it may have been saved over, or never written).
    std::string poolFile(MonkeyRandom& random) const;
    std::string missingName(MonkeyRandom& random) const;
    std::string folderName(MonkeyRandom& random) const;
    std::string fifoName(MonkeyRandom& random) const;
    std::string linkName(MonkeyRandom& random) const;
    // Any of the kinds above, all inside the folder.
    std::string anyName(MonkeyRandom& random);

    // What should not be there: entries beside the two folders, anything in the working
    // folder, and temporary files a save left behind.
    std::vector<std::string> strayEntries() const;

  private:
    void writeSamples() const;

    std::string root_;    // holds nothing but files_ and working_
    std::string files_;   // the folder offered to the program
    std::string working_; // the process's current directory during a run
};
