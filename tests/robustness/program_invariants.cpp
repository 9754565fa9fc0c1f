#include "program_invariants.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <utility>

#include "reference_views.h"
#include "toolkit/requesters.h"
#include "toolkit/windows.h"

using toolkit::ShownMessage;

namespace {

struct MapSize {
    int width, height;
};
constexpr std::array<MapSize, 5> mapSizes{{{32, 24}, {40, 24}, {40, 25}, {80, 50}, {64, 30}}};

// How the text of a message is made.
enum class Text { fixed, nameAfter, nameOnly };

struct KnownMessage {
    const char* title;
    const char* text; // the whole text, or the part before the file name
    Text kind;
    int flags;
};

constexpr std::array<KnownMessage, 8> userMessages{{
    {"ZX font", "Do yo want to place at pos #32?", Text::fixed, toolkit::message_yes_no},
    {"No file", "", Text::nameOnly, toolkit::message_ok},
    {"Read error", "", Text::nameOnly, toolkit::message_ok},
    {"Save File", "out of size", Text::fixed, toolkit::message_ok},
    {"Save file", "File Error:", Text::nameAfter, toolkit::message_ok},
    {"Open File", "to big map:", Text::nameAfter, toolkit::message_ok},
    {"Open File", "unable to open:", Text::nameAfter, toolkit::message_ok},
    {"Gridlet", "Range Error!", Text::fixed, toolkit::message_ok},
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

bool givenName(const std::string& name, const std::set<std::string>& offeredNames) {
    if (offeredNames.count(name)) return true;
    for (const std::string extension : {".fnt", ".map", ".bmp"}) {
        if (name.ends_with(extension) &&
            offeredNames.count(name.substr(0, name.size() - extension.size())))
            return true;
    }
    return false;
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
               givenName(message.text.substr(start.size()), offeredNames);
    case Text::nameOnly:
        return givenName(message.text, offeredNames);
    }
    return false;
}

std::string labelText(int label) {
    const toolkit::GadgetRecord* record = toolkit::find_gadget(label);
    return record ? record->text : std::string();
}

// A range label names its trackbar's value, with the character from 32 on; until the first
// change it keeps the text it was made with.
bool labelShows(int label, int value) {
    const std::string shown = labelText(label);
    const std::string made = label == beginRangeLabel ? "Begin range:0" : "End range:0";
    if (value == 0 && shown == made) return true;
    const std::string number =
        (label == beginRangeLabel ? "BeginRange:" : "End range:") + std::to_string(value);
    return value < 32 ? shown == number : shown.starts_with(number + ":");
}

// The map is first drawn when a map size shows its window.
std::string mapViewProblem(const AppState& state) {
    const toolkit::WindowRecord* window = toolkit::find_window(mapWindow);
    const toolkit::GadgetRecord* map = toolkit::find_gadget(mapView);
    if (!window || !map) return "the map window or view is missing";
    if (!window->visible) return "";
    const std::string difference = differenceBesideOutline(map->buffer, referenceMap(state), 255);
    return difference.empty() ? "" : "map view: " + difference;
}

// A save fails rightly on a folder, a FIFO, a link that loops, a name too long or a name in a
// folder that does not exist; under a regular file or a new name in a folder it must succeed.
bool saveShouldSucceed(const std::string& name) {
    struct stat info {};
    if (stat(name.c_str(), &info) == 0) return S_ISREG(info.st_mode);
    if (errno != ENOENT) return false;
    const std::string folder = name.substr(0, name.find_last_of('/') + 1);
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
        openableSize(name) <= static_cast<long long>(state.mapWidth) * state.mapHeight)
        return "a map file that fits reported as too big";
    return "";
}

std::string describe(const ShownMessage& message) {
    return "\"" + message.title + "\" / \"" + message.text + "\" (flags " +
           std::to_string(message.flags) + ")";
}

} // namespace

std::string stateProblem(const AppState& state) {
    if (state.cursorColumn < 0 || state.cursorColumn > 15 || state.cursorRow < 0 ||
        state.cursorRow > 15 || state.currentChar != state.cursorRow * 16 + state.cursorColumn) {
        return "cursor (" + std::to_string(state.cursorColumn) + "," +
               std::to_string(state.cursorRow) + ") with current char " +
               std::to_string(state.currentChar);
    }
    bool knownSize = false;
    for (const MapSize size : mapSizes)
        knownSize |= size.width == state.mapWidth && size.height == state.mapHeight;
    if (!knownSize) {
        return "map size " + std::to_string(state.mapWidth) + "x" + std::to_string(state.mapHeight);
    }
    if ((state.popupColumn == -1) != (state.popupRow == -1) || state.popupColumn < -1 ||
        state.popupRow < -1) {
        return "map selection (" + std::to_string(state.popupColumn) + "," +
               std::to_string(state.popupRow) + ")";
    }
    for (int x = 0; x < mapColumns; ++x) {
        for (int y = 0; y < mapRows; ++y) {
            const int code = state.mapCells[size_t(x)][size_t(y)];
            if (code < 0 || code > 255) {
                return "map cell (" + std::to_string(x) + "," + std::to_string(y) + ") holds " +
                       std::to_string(code);
            }
        }
    }
    for (const auto& [trackbar, label] :
         {std::pair{beginRangeTrackbar, beginRangeLabel}, {endRangeTrackbar, endRangeLabel}}) {
        const int value = toolkit::get_gadget_state(trackbar);
        if (value < 0 || value > 255)
            return "trackbar " + std::to_string(trackbar) + " at " + std::to_string(value);
        if (!labelShows(label, value)) return "range label " + labelText(label);
    }
    return "";
}

std::string fileNameProblem(const AppState& state, const std::set<std::string>& offeredNames,
                            const std::string& startFolder) {
    if (state.mapFileName != startFolder + "charmap.map" && !offeredNames.count(state.mapFileName))
        return "map file name \"" + state.mapFileName + "\"";
    if (state.lastFolder == startFolder) return "";
    // The names in that folder sort right after it.
    for (auto name = offeredNames.lower_bound(state.lastFolder);
         name != offeredNames.end() && name->starts_with(state.lastFolder); ++name) {
        if (state.lastFolder.ends_with('/') &&
            name->find('/', state.lastFolder.size()) == std::string::npos)
            return "";
    }
    return "requester folder \"" + state.lastFolder + "\"";
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
        const std::string name = message.text.substr(std::string(known.text).size());
        if (known.kind == Text::fixed) return "";
        const std::string unfounded = unfoundedFailure(message, name, state);
        return unfounded.empty() ? "" : unfounded + ": " + describe(message);
    }
    return "not one of the program's messages: " + describe(message);
}

std::string viewProblem(const AppState& state, const std::string& typedText) {
    const toolkit::PixelBuffer* image = toolkit::image_buffer(charsetImage);
    if (!image) return "image 0 is missing";
    if (std::string difference = pixelDifference(*image, referenceCharsetImage(state));
        !difference.empty())
        return "image 0: " + difference;
    const toolkit::GadgetRecord* editor = toolkit::find_gadget(glyphEditor);
    if (!editor) return "the glyph editor is missing";
    if (std::string difference = pixelDifference(editor->buffer, referenceGlyphEditor(state));
        !difference.empty())
        return "glyph editor: " + difference;
    const toolkit::GadgetRecord* field = toolkit::find_gadget(dataField);
    if (!field || (field->text != referenceDataText(state) && field->text != typedText))
        return "data field \"" + (field ? field->text : std::string()) + "\" instead of \"" +
               referenceDataText(state) + "\"";
    return state.mapWindowAvailable ? mapViewProblem(state) : "";
}
