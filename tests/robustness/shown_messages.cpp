#include "shown_messages.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>

#include "toolkit/requesters.h"

using toolkit::ShownMessage;

namespace {

// How the text of a message is made; `any` is any text after the start.
enum class Text { fixed, nameAfter, nameOnly, nameThenReason, any };

struct KnownMessage {
    const char* title;
    const char* text; // the whole text, or the part before the file name
    Text kind;
    int flags;
};

// Paste explains in its own words why it pasted nothing or not all; the help texts are long.
constexpr std::array<KnownMessage, 20> userMessages{{
    {"ZX font", "Do yo want to place at pos #32?", Text::fixed, toolkit::message_yes_no},
    {"Raw font", "", Text::any, toolkit::message_yes_no}, // the glyphs' height it asks about
    {"No file", "", Text::nameOnly, toolkit::message_ok},
    {"Read error", "", Text::nameOnly, toolkit::message_ok},
    {"Save File", "out of size", Text::fixed, toolkit::message_ok},
    {"Save file", "File Error:", Text::nameAfter, toolkit::message_ok},
    {"Open File", "to big map:", Text::nameAfter, toolkit::message_ok},
    {"Open File", "unable to open:", Text::nameAfter, toolkit::message_ok},
    {"Gridlet", "Range Error!", Text::fixed, toolkit::message_ok},
    {"Open File", "not read:", Text::nameThenReason, toolkit::message_ok},
    {"Open File", "", Text::nameThenReason, toolkit::message_ok}, // what was left out
    {"Paste", "", Text::any, toolkit::message_ok},
    {"Copy", "The clipboard could not take the glyphs.", Text::fixed, toolkit::message_ok},
    {"Copy", "The clipboard could not take the cells.", Text::fixed, toolkit::message_ok},
    {"Keys and mouse", "", Text::any, toolkit::message_ok},
    {"About gridlet", "", Text::any, toolkit::message_ok},
    {"Glyph height", "Glyphs of ", Text::any, toolkit::message_yes_no},
    {"Glyph height", "The machines' colour modes", Text::any, toolkit::message_ok},
    {"Colour mode", "The machines' colour modes", Text::any, toolkit::message_ok},
    {"Export", "", Text::any, toolkit::message_ok}, // why the set or map fits no machine's file
}};

// The program's messages about a failing toolkit: here every window, canvas, image and menu
// exists, so any of them is a fault.
constexpr std::array<KnownMessage, 8> toolkitFailures{{
    {"gridlet", "create menu error!", Text::fixed, toolkit::message_ok},
    {"gridlet", "create menu #2 error!", Text::fixed, toolkit::message_ok},
    {"gridlet", "create menu #3 error!", Text::fixed, toolkit::message_ok},
    {"gridlet", "draw character error!", Text::fixed, toolkit::message_ok},
    {"gridlet", "draw image char error!", Text::fixed, toolkit::message_ok},
    {"gridlet", "draw cursor error!", Text::fixed, toolkit::message_ok},
    {"gridlet", "draw char map error!", Text::fixed, toolkit::message_ok},
    {"Gridlet", "Character Map not available", Text::fixed, toolkit::message_ok},
}};

// A failure of the system may follow the name, on a line of its own: why.
std::string withoutReason(const std::string& text) {
    return text.substr(0, text.find('\n'));
}

bool matches(const KnownMessage& known, const ShownMessage& message,
             const std::set<std::string>& offeredNames) {
    if (message.title != known.title) return false;
    const std::string start = known.text;
    switch (known.kind) {
    case Text::fixed:
        return message.text == start;
    case Text::nameAfter:
        return message.text.starts_with(start) &&
               givenName(withoutReason(message.text.substr(start.size())), offeredNames);
    case Text::nameOnly:
        return givenName(withoutReason(message.text), offeredNames);
    case Text::nameThenReason: {
        const size_t line = message.text.find('\n');
        return message.text.starts_with(start) && line != std::string::npos &&
               givenName(message.text.substr(start.size(), line - start.size()), offeredNames);
    }
    case Text::any:
        return message.text.starts_with(start);
    }
    return false;
}

std::string folderOf(const std::string& name) {
    return name.substr(0, name.find_last_of('/') + 1);
}

// The name a save writes: the end of a chain of links, which need not exist; "" for a loop.
std::string savedName(std::string name) {
    for (int links = 0; links <= 40; ++links) {
        struct stat info {};
        if (lstat(name.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return name;
        std::string target(4096, '\0');
        const ssize_t length = readlink(name.c_str(), target.data(), target.size());
        if (length < 0) return "";
        target.resize(size_t(length));
        name = target.starts_with('/') ? target : folderOf(name) + target;
    }
    return "";
}

// A save fails rightly on a folder, a FIFO, a link that loops, a name too long or a name in a
// folder that does not exist; under a regular file or a new name in a folder it must succeed,
// through links too.
bool saveShouldSucceed(const std::string& name) {
    const std::string target = savedName(name);
    struct stat info {};
    if (target.empty()) return false;
    if (stat(target.c_str(), &info) == 0) return S_ISREG(info.st_mode);
    if (errno != ENOENT) return false;
    const std::string folder = folderOf(target);
    return stat(folder.empty() ? "." : folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// The size of the regular file under exactly that name, or -1 when it cannot be opened as one.
long long openableSize(const std::string& name) {
    const int file = open(name.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (file < 0) return -1;
    struct stat info {};
    const bool regular = fstat(file, &info) == 0 && S_ISREG(info.st_mode);
    close(file);
    return regular ? static_cast<long long>(info.st_size) : -1;
}

// What the message says went wrong with the file, when the file system says otherwise.
std::string unfoundedFailure(const ShownMessage& message, const std::string& name,
                             const AppState& state) {
    if (message.title == "Save file" && saveShouldSucceed(name))
        return "a save that should have worked failed";
    if (message.title == "No file" && openableSize(name) > 0)
        return "a font file with content reported as missing";
    const bool cannotOpen = message.title == "Read error" || message.text.starts_with("unable");
    if (cannotOpen && openableSize(name) >= 0) return "a readable file reported as unreadable";
    if (message.text.starts_with("to big") &&
        openableSize(name) <= static_cast<long long>(state.editor.document().mapWidth) *
                                  state.editor.document().mapHeight)
        return "a map file that fits reported as too big";
    return "";
}

std::string describe(const ShownMessage& message) {
    return "\"" + message.title + "\" / \"" + message.text + "\" (flags " +
           std::to_string(message.flags) + ")";
}

} // namespace

bool givenName(const std::string& name, const std::set<std::string>& offeredNames) {
    if (offeredNames.count(name)) return true;
    for (const std::string extension :
         {".fnt", ".map", ".col", ".gridlet", ".bmp", ".png", ".psf", ".bdf", ".64c", ".c", ".h",
          ".s", ".a", ".asm", ".z80", ".bas"}) {
        if (name.ends_with(extension) &&
            offeredNames.count(name.substr(0, name.size() - extension.size())))
            return true;
    }
    return false;
}

std::string messageProblem(const ShownMessage& message, const std::set<std::string>& offeredNames,
                           const AppState& state) {
    for (const KnownMessage& known : toolkitFailures) {
        if (matches(known, message, offeredNames))
            return "a toolkit failure reported: " + describe(message);
    }
    for (const KnownMessage& known : userMessages) {
        if (!matches(known, message, offeredNames)) continue;
        if (message.flags != known.flags) return "wrong buttons: " + describe(message);
        const std::string name = withoutReason(message.text.substr(std::string(known.text).size()));
        if (known.kind == Text::fixed || known.kind == Text::any ||
            known.kind == Text::nameThenReason)
            return "";
        const std::string unfounded = unfoundedFailure(message, name, state);
        return unfounded.empty() ? "" : unfounded + ": " + describe(message);
    }
    return "not one of the program's messages: " + describe(message);
}
