#include "program_invariants.h"
#include "views/charset_image.h"

#include <array>
#include <utility>
#include <vector>

#include "app/refresh.h"
#include "reference_views.h"
#include "shown_messages.h"
#include "toolkit/binding.h"
#include "toolkit/windows.h"

namespace {

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
    const std::string difference = differenceBesideOutline(
        map->buffer, referenceMap(state), 255, 2 * state.editor.document().charset.height);
    return difference.empty() ? "" : "map view: " + difference;
}

} // namespace

std::string stateProblem(const AppState& state) {
    if (charsetCell(state.editor.currentChar()).column < 0 ||
        charsetCell(state.editor.currentChar()).column > 15 ||
        charsetCell(state.editor.currentChar()).row < 0 ||
        charsetCell(state.editor.currentChar()).row > 15 ||
        state.editor.currentChar() != charsetCell(state.editor.currentChar()).row * 16 +
                                          charsetCell(state.editor.currentChar()).column) {
        return "cursor (" + std::to_string(charsetCell(state.editor.currentChar()).column) + "," +
               std::to_string(charsetCell(state.editor.currentChar()).row) +
               ") with current char " + std::to_string(state.editor.currentChar());
    }
    bool knownSize = false;
    for (const MapSize size : mapSizes)
        knownSize |= size.width == state.editor.document().mapWidth &&
                     size.height == state.editor.document().mapHeight;
    if (!knownSize) {
        return "map size " + std::to_string(state.editor.document().mapWidth) + "x" +
               std::to_string(state.editor.document().mapHeight);
    }
    if ((state.windows.pointer.popupCell.column == -1) !=
            (state.windows.pointer.popupCell.row == -1) ||
        state.windows.pointer.popupCell.column < -1 || state.windows.pointer.popupCell.row < -1) {
        return "map selection (" + std::to_string(state.windows.pointer.popupCell.column) + "," +
               std::to_string(state.windows.pointer.popupCell.row) + ")";
    }
    for (int x = 0; x < mapColumns; ++x) {
        for (int y = 0; y < mapRows; ++y) {
            const int code = state.editor.document().mapCells[size_t(x)][size_t(y)];
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
    if (state.windows.files.mapFileName != startFolder + "charmap.map" &&
        !givenName(state.windows.files.mapFileName, offeredNames))
        return "map file name \"" + state.windows.files.mapFileName + "\"";
    if (state.windows.files.lastFolder == startFolder) return "";
    // The names in that folder sort right after it.
    for (auto name = offeredNames.lower_bound(state.windows.files.lastFolder);
         name != offeredNames.end() && name->starts_with(state.windows.files.lastFolder); ++name) {
        if (state.windows.files.lastFolder.ends_with('/') &&
            name->find('/', state.windows.files.lastFolder.size()) == std::string::npos)
            return "";
    }
    return "requester folder \"" + state.windows.files.lastFolder + "\"";
}

std::string undoProblem(const AppState& state, bool roundTrip) {
    if (state.editor.stroking()) return "";
    Editor recorded = state.editor;
    recorded.recordStep();
    if (recorded.history().steps() != state.editor.history().steps() ||
        recorded.history().bytes() != state.editor.history().bytes())
        return "a change was not made an undo step";
    if (!roundTrip) return "";
    UndoHistory history = state.editor.history();
    Document document = state.editor.document();
    Changes changes;
    int undone = 0;
    for (; history.canUndo(); ++undone) history.undo(document, changes);
    for (; undone > 0; --undone) history.redo(document, changes);
    if (document == state.editor.document()) return "";
    const Document& now = state.editor.document();
    std::string what = document.charset != now.charset ? " charset" : "";
    if (document.mapCells != now.mapCells) what += " map cells";
    if (document.mapWidth != now.mapWidth || document.mapHeight != now.mapHeight) what += " size";
    if (document.paperColor != now.paperColor || document.inkColor != now.inkColor)
        what += " colours";
    if (document.colorMode != now.colorMode || document.machineColors != now.machineColors)
        what += " colour mode";
    if (document.mapColors != now.mapColors) what += " cell colours";
    if (!(document.range == now.range) || document.dragMode != now.dragMode) what += " settings";
    return "undoing and redoing every step changed the document:" + what;
}

std::string incrementalRedrawProblem(AppState& state) {
    const auto canvas = [](int gadget) {
        const toolkit::GadgetRecord* record = toolkit::find_gadget(gadget);
        return record ? &record->buffer : nullptr;
    };
    const struct {
        const char* name;
        const toolkit::PixelBuffer* buffer;
    } views[] = {{"image 0", toolkit::image_output(charsetImage).buffer},
                 {"charset view", canvas(charsetView)},
                 {"glyph editor", canvas(glyphEditor)},
                 {"map view", canvas(mapView)}};
    std::vector<toolkit::PixelBuffer> incremental;
    for (const auto& view : views)
        incremental.push_back(view.buffer ? *view.buffer : toolkit::PixelBuffer());
    ShownViews& shown = state.windows.shown;
    // A map never drawn yet stays so: the full redraw leaves it out.
    const bool mapAvailable = std::exchange(state.windows.mapWindowAvailable,
                                            state.windows.mapWindowAvailable && shown.mapDrawn);
    shown.imageDrawn = shown.charsetViewDrawn = shown.editorDrawn = shown.mapDrawn = false;
    refresh(state);
    state.windows.mapWindowAvailable = mapAvailable;
    for (size_t i = 0; i < incremental.size(); ++i) {
        if (!views[i].buffer) continue;
        const std::string difference = pixelDifference(incremental[i], *views[i].buffer);
        if (!difference.empty())
            return std::string(views[i].name) + " unlike its full redraw: " + difference;
    }
    return "";
}

std::string viewProblem(const AppState& state, const std::string& typedText) {
    const toolkit::PixelBuffer* image = toolkit::image_output(charsetImage).buffer;
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
    return state.windows.mapWindowAvailable ? mapViewProblem(state) : "";
}
