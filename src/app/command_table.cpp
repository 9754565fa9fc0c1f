#include "app/command_table.h"

#include <algorithm>
#include <array>

#include "app/file_commands.h"
#include "app/glyph_commands.h"
#include "app/map_commands.h"
#include "toolkit/menus.h"

using toolkit::shortcut_control;

namespace {

template <int mode> void transform(AppState& state) {
    transformGlyphs(state, mode);
}

template <int length> void saveFontOf(AppState& state) {
    saveFont(state, length);
}

template <BuiltinCharset which> void builtin(AppState& state) {
    loadCharset(state, which);
}

template <int index> void mapSize(AppState& state) {
    setMapSize(state, mapSizes[index]);
}

template <MapEdit edit> void mapEdit(AppState& state) {
    editMap(state, edit);
}

constexpr std::array commands{
    Command{openId, "Open...\tCtrl+O", shortcut_control + 'O', openFile},
    Command{quitId, "Quit", 0, [](AppState& state) { state.quitting = true; }},
    Command{saveZxFontId, "ZX 96 chars(768bytes)", 0, saveFontOf<768>},
    Command{saveAtariFontId, "Atari 128 chars(1024bytes)", 0, saveFontOf<1024>},
    Command{saveIbmFontId, "IBM 256 chars(2048bytes)", 0, saveFontOf<2048>},
    Command{saveMapId, "Character_map", 0, saveMap},
    Command{saveImageId, "Characters image", 0, exportCharsetImage},
    Command{invertId, "Invert\tCtrl+I", shortcut_control + 'I', transform<invertMode>},
    Command{mirrorLeftRightId, "Revert char left-right", 0, transform<mirrorLeftRightMode>},
    Command{mirrorUpDownId, "Revert char up-down", 0, transform<mirrorUpDownMode>},
    Command{eraseCharsetId, "Erase all charset", 0, eraseCharset},
    Command{clearCharId, "Clear character", 0, transform<clearMode>},
    Command{shiftLeftId, "Char shift left", 0, transform<shiftLeftMode>},
    Command{shiftRightId, "Char shift right", 0, transform<shiftRightMode>},
    Command{shiftUpId, "Char shift up", 0, transform<shiftUpMode>},
    Command{shiftDownId, "Char shift down", 0, transform<shiftDownMode>},
    Command{setBeginRangeId, "Set begin range", 0, setRangeBegin},
    Command{setEndRangeId, "Set end range", 0, setRangeEnd},
    Command{dragSwapId, "Drag mode:swap", 0,
            [](AppState& state) { setDragMode(state, DragMode::swap); }},
    Command{dragCopyId, "Drag mode:copy", 0,
            [](AppState& state) { setDragMode(state, DragMode::copy); }},
    Command{copyRangeId, "Copy data range to current", 0, copyRangeToCurrent},
    Command{mapZxId, "ZX 32x24", 0, mapSize<0>},
    Command{mapAtariId, "Atari 40x24", 0, mapSize<1>},
    Command{mapC64Id, "C64 40x25", 0, mapSize<2>},
    Command{mapPcId, "PC 80x50", 0, mapSize<3>},
    Command{mapUssrId, "USSR 64x30", 0, mapSize<4>},
    Command{fillMapId, "Fill map with current char", 0, fillMapWithCurrentChar},
    Command{gridOnMapId, "Grid on map", 0, toggleGrid},
    Command{charsetIbmCgaId, "IBM PC CGA", 0, builtin<BuiltinCharset::ibmPcCga>},
    Command{charsetC64Id, "C64 CAPS", 0, builtin<BuiltinCharset::c64Caps>},
    Command{charsetAtariId, "Atari XL", 0, builtin<BuiltinCharset::atariXl>},
    Command{charsetIbm866Id, "IBM PC 866", 0, builtin<BuiltinCharset::ibmPc866>},
    Command{charsetZxSpectrumId, "ZX Spectrum", 0, builtin<BuiltinCharset::zxSpectrum>},
    Command{charsetZx80Id, "ZX80", 0, builtin<BuiltinCharset::zx80>},
    Command{charsetMicroshaId, "Microsha(USSR)", 0, builtin<BuiltinCharset::microsha>},
    Command{charsetJupiterAceId, "Jupiter Ace", 0, builtin<BuiltinCharset::jupiterAce>},
    Command{charsetHexId, "Hex numbers", 0, builtin<BuiltinCharset::hexNumbers>},
    Command{inkColorId, "Color for bit=1...", 0,
            [](AppState& state) { chooseBitColor(state, true); }},
    Command{paperColorId, "Color for bit=0...", 0,
            [](AppState& state) { chooseBitColor(state, false); }},
    Command{rotateClockwiseId, "rotate clockwise", 0, transform<rotateClockwiseMode>},
    Command{rotateAnticlockwiseId, "rotate anticlockwise", 0, transform<rotateAnticlockwiseMode>},
    Command{insertMapCharId, "Insert char", 0, mapEdit<MapEdit::insertChar>},
    Command{deleteMapCharId, "Delete char", 0, mapEdit<MapEdit::deleteChar>},
    Command{insertMapLineId, "Insert line", 0, mapEdit<MapEdit::insertLine>},
    Command{deleteMapLineId, "Delete line", 0, mapEdit<MapEdit::deleteLine>},
    Command{insertMapColumnId, "Insert column", 0, mapEdit<MapEdit::insertColumn>},
    Command{deleteMapColumnId, "Delete column", 0, mapEdit<MapEdit::deleteColumn>},
};

} // namespace

std::span<const Command> commandTable() {
    return commands;
}

const Command* findCommand(int id) {
    const auto found = std::ranges::find(commands, id, &Command::id);
    return found == commands.end() ? nullptr : &*found;
}

void runMenuCommand(AppState& state, int id) {
    state.atariCodes = false;
    if (const Command* command = findCommand(id)) command->run(state);
}
