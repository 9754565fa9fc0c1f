#include "app/command_table.h"

#include <algorithm>
#include <array>

#include "app/clipboard_commands.h"
#include "app/color_commands.h"
#include "app/export_commands.h"
#include "app/file_commands.h"
#include "app/glyph_commands.h"
#include "app/help_commands.h"
#include "app/map_clipboard_commands.h"
#include "app/map_commands.h"
#include "app/map_typing.h"
#include "app/program_title.h"
#include "app/project_commands.h"
#include "app/session_commands.h"
#include "app/undo_commands.h"
#include "editing/glyph_transforms.h"
#include "toolkit/menus.h"

using toolkit::shortcut_control;
using toolkit::shortcut_shift;

namespace {

// The commands of the editor alone, of it and the windows' state, or of the whole state, as the
// table runs them.
template <void (*command)(Editor&)> void edit(CommandContext& context) {
    command(context.state.editor);
}
template <void (*command)(Editor&, WindowsState&)> void edit(CommandContext& context) {
    command(context.state.editor, context.state.windows);
}
template <void (*command)(const Editor&, WindowsState&)> void exporting(CommandContext& context) {
    command(context.state.editor, context.state.windows);
}
template <void (*command)(AppState&)> void whole(CommandContext& context) {
    command(context.state);
}

template <int mode> void transform(CommandContext& context) {
    AppState& state = context.state;
    transformGlyphs(state.editor, mode);
}

template <int glyphs> void saveFontOf(CommandContext& context) {
    AppState& state = context.state;
    saveFont(state.editor, state.windows, state.session, glyphs);
}

template <BuiltinCharset which> void builtin(CommandContext& context) {
    AppState& state = context.state;
    loadCharset(state.editor, state.windows, which);
}

template <int index> void mapSize(CommandContext& context) {
    AppState& state = context.state;
    setMapSize(state.editor, mapSizes[index]);
}

template <MapEdit edit> void mapEdit(CommandContext& context) {
    AppState& state = context.state;
    editMap(state.editor, state.windows.pointer, edit);
}

template <int index> void openRecent(CommandContext& context) {
    AppState& state = context.state;
    openRecentFile(state, index);
}

template <DragMode mode> void dragMode(CommandContext& context) {
    AppState& state = context.state;
    state.editor.setDragMode(mode);
}

template <int index> void glyphHeight(CommandContext& context) {
    chooseGlyphHeight(context.state.editor, commonGlyphHeights[index]);
}

template <ColorMode mode> void colorMode(CommandContext& context) {
    AppState& state = context.state;
    setColorMode(state.editor, mode);
}

// Edit's commands act on the map's cells while typing there, else on glyphs.
void cut(CommandContext& context) {
    AppState& state = context.state;
    if (editsMapCells(state.windows.typing, context.window))
        cutMapCells(state.editor, state.windows.typing);
    else
        cutGlyphs(state.editor);
}

void copy(CommandContext& context) {
    AppState& state = context.state;
    if (editsMapCells(state.windows.typing, context.window))
        copyMapCells(state.editor, state.windows.typing);
    else
        copyGlyphs(state.editor);
}

void paste(CommandContext& context) {
    AppState& state = context.state;
    if (editsMapCells(state.windows.typing, context.window))
        pasteMapCells(state.editor, state.windows.typing);
    else
        pasteGlyphs(state.editor, context.followUp);
}

template <bool forInk> void bitColor(CommandContext& context) {
    AppState& state = context.state;
    chooseBitColor(state.editor, forInk);
}

constexpr std::array commands{
    Command{openId, "Open...\tCtrl+O", whole<openFile>, {shortcut_control + 'O'}},
    Command{quitId, "Quit", [](CommandContext& context) { context.goOn = false; }},
    Command{saveProjectId, "Project...",
            [](CommandContext& context) {
                saveProject(context.state.editor, context.state.windows, context.state.session);
            }},
    Command{saveZxFontId, "ZX 96 chars(768bytes)", saveFontOf<96>},
    Command{saveAtariFontId, "Atari 128 chars(1024bytes)", saveFontOf<128>},
    Command{saveIbmFontId, "IBM 256 chars(2048bytes)", saveFontOf<256>},
    Command{saveMapId, "Character_map",
            [](CommandContext& context) {
                saveMap(context.state.editor, context.state.windows, context.state.session);
            }},
    Command{saveMapColorsId, "Character map colours",
            [](CommandContext& context) {
                saveMapColors(context.state.editor, context.state.windows, context.state.session);
            }},
    Command{saveImageId, "Characters image",
            [](CommandContext& context) {
                exportCharsetImage(context.state.editor, context.state.windows);
            }},
    Command{invertId, "Invert\tCtrl+I", transform<invertMode>, {shortcut_control + 'I'}},
    Command{mirrorLeftRightId, "Revert char left-right", transform<mirrorLeftRightMode>},
    Command{mirrorUpDownId, "Revert char up-down", transform<mirrorUpDownMode>},
    Command{eraseCharsetId, "Erase all charset", edit<eraseCharset>},
    Command{clearCharId, "Clear character", transform<clearMode>},
    Command{shiftLeftId, "Char shift left", transform<shiftLeftMode>},
    Command{shiftRightId, "Char shift right", transform<shiftRightMode>},
    Command{shiftUpId, "Char shift up", transform<shiftUpMode>},
    Command{shiftDownId, "Char shift down", transform<shiftDownMode>},
    Command{setBeginRangeId, "Set begin range", edit<setRangeBegin>},
    Command{setEndRangeId, "Set end range", edit<setRangeEnd>},
    Command{dragSwapId, "Drag mode:swap", dragMode<DragMode::swap>},
    Command{dragCopyId, "Drag mode:copy", dragMode<DragMode::copy>},
    Command{copyRangeId, "Copy data range to current", edit<copyRangeToCurrent>},
    Command{mapZxId, "ZX 32x24", mapSize<0>},
    Command{mapAtariId, "Atari 40x24", mapSize<1>},
    Command{mapC64Id, "C64 40x25", mapSize<2>},
    Command{mapPcId, "PC 80x50", mapSize<3>},
    Command{mapUssrId, "USSR 64x30", mapSize<4>},
    Command{fillMapId, "Fill map with current char",
            [](CommandContext& context) {
                fillMapWithCurrentChar(context.state.editor, context.state.windows.typing);
            }},
    Command{gridOnMapId, "Grid on map", edit<toggleGrid>},
    Command{typeTextId, "Type text",
            [](CommandContext& context) {
                toggleTypingText(context.state.editor, context.state.windows.typing);
            }},
    Command{charsetIbmCgaId, "IBM PC CGA", builtin<BuiltinCharset::ibmPcCga>},
    Command{charsetC64Id, "C64 CAPS", builtin<BuiltinCharset::c64Caps>},
    Command{charsetC64LowerId, "C64 lower case", builtin<BuiltinCharset::c64Lower>},
    Command{charsetAtariId, "Atari XL", builtin<BuiltinCharset::atariXl>},
    Command{charsetIbm866Id, "IBM PC 866", builtin<BuiltinCharset::ibmPc866>},
    Command{charsetZxSpectrumId, "ZX Spectrum", builtin<BuiltinCharset::zxSpectrum>},
    Command{charsetZx80Id, "ZX80", builtin<BuiltinCharset::zx80>},
    Command{charsetMicroshaId, "Microsha(USSR)", builtin<BuiltinCharset::microsha>},
    Command{charsetJupiterAceId, "Jupiter Ace", builtin<BuiltinCharset::jupiterAce>},
    Command{charsetHexId, "Hex numbers", builtin<BuiltinCharset::hexNumbers>},
    Command{inkColorId, "Color for bit=1...", bitColor<true>},
    Command{paperColorId, "Color for bit=0...", bitColor<false>},
    Command{rotateClockwiseId, "rotate clockwise", transform<rotateClockwiseMode>},
    Command{rotateAnticlockwiseId, "rotate anticlockwise", transform<rotateAnticlockwiseMode>},
    Command{insertMapCharId, "Insert char", mapEdit<MapEdit::insertChar>},
    Command{deleteMapCharId, "Delete char", mapEdit<MapEdit::deleteChar>},
    Command{insertMapLineId, "Insert line", mapEdit<MapEdit::insertLine>},
    Command{deleteMapLineId, "Delete line", mapEdit<MapEdit::deleteLine>},
    Command{insertMapColumnId, "Insert column", mapEdit<MapEdit::insertColumn>},
    Command{deleteMapColumnId, "Delete column", mapEdit<MapEdit::deleteColumn>},
    Command{undoId, "Undo\tCtrl+Z", edit<undo>, {shortcut_control + 'Z'}, true},
    Command{redoId,
            "Redo\tCtrl+Shift+Z",
            edit<redo>,
            {shortcut_control + shortcut_shift + 'Z', shortcut_control + 'Y'},
            true},
    Command{cutId, "Cut\tCtrl+X", cut, {shortcut_control + 'X'}, true},
    Command{copyId, "Copy\tCtrl+C", copy, {shortcut_control + 'C'}, true},
    Command{pasteId, "Paste\tCtrl+V", paste, {shortcut_control + 'V'}, true},
    Command{keysHelpId, "Keys and mouse", [](CommandContext&) { showKeysAndMouse(); }},
    Command{exportPngId, "PNG picture...", exporting<exportPng>},
    Command{exportPsfId, "Console font (PSF)...", exporting<exportPsf>},
    Command{exportBdfId, "BDF font...", exporting<exportBdf>},
    Command{exportC64Id, "C64 font (.64c)...", exporting<exportC64Font>},
    Command{exportCSourceId, "C source...", exporting<exportCSource>},
    Command{exportAssemblerId, "Assembler source...", exporting<exportAssembler>},
    Command{exportBasicId, "BASIC DATA lines...", exporting<exportBasicData>},
    Command{exportMapCSourceId, "Character map as C source...", exporting<exportMapCSource>},
    Command{exportMapPictureId, "Character map picture (PNG)...", exporting<exportMapPicture>},
    Command{exportCharpadId, "CharPad project (CTM)...", exporting<exportCharpad>},
    Command{exportVchar64Id, "VChar64 project...", exporting<exportVchar64>},
    Command{exportPetmateId, "Petmate screen...", exporting<exportPetmate>},
    Command{exportC64ProgramId, "C64 program (PRG)...", exporting<exportC64Program>},
    Command{exportAtariExecutableId, "Atari executable (XEX)...", exporting<exportAtariExecutable>},
    Command{exportSpectrumScreenId, "ZX Spectrum screen (SCR)...", exporting<exportSpectrumScreen>},
    Command{exportSpectrumTapeId, "ZX Spectrum tape (TAP)...", exporting<exportSpectrumTape>},
    Command{restoreSessionId, "Restore last session", whole<restoreLastSession>},
    // The recent files' items show their names.
    Command{MenuId(recentFileId + 0), "", openRecent<0>},
    Command{MenuId(recentFileId + 1), "", openRecent<1>},
    Command{MenuId(recentFileId + 2), "", openRecent<2>},
    Command{MenuId(recentFileId + 3), "", openRecent<3>},
    Command{MenuId(recentFileId + 4), "", openRecent<4>},
    Command{MenuId(recentFileId + 5), "", openRecent<5>},
    Command{MenuId(recentFileId + 6), "", openRecent<6>},
    Command{MenuId(recentFileId + 7), "", openRecent<7>},
    Command{MenuId(glyphHeightId + 0), "8 x 8", glyphHeight<0>},
    Command{MenuId(glyphHeightId + 1), "8 x 14 (EGA)", glyphHeight<1>},
    Command{MenuId(glyphHeightId + 2), "8 x 16 (VGA)", glyphHeight<2>},
    Command{otherGlyphHeightId, "Other...", edit<chooseOtherGlyphHeight>},
    Command{MenuId(colorModeId + 0), "Two colours", colorMode<ColorMode::twoColors>},
    Command{MenuId(colorModeId + 1), "C64 single colour", colorMode<ColorMode::c64Single>},
    Command{MenuId(colorModeId + 2), "C64 multicolour", colorMode<ColorMode::c64Multi>},
    Command{MenuId(colorModeId + 3), "Atari four colours (ANTIC 4)", colorMode<ColorMode::atari4>},
    Command{MenuId(colorModeId + 4), "ZX Spectrum", colorMode<ColorMode::spectrum>},
    Command{colorsWindowId, "Colours...",
            [](CommandContext& context) { showColorsWindow(context.state.windows); }},
    Command{aboutId, "About gridlet", [](CommandContext&) { showAbout(programTitle); }},
};

} // namespace

std::span<const Command> commandTable() {
    return commands;
}

const Command* findCommand(int id) {
    const auto found = std::ranges::find(commands, id, &Command::id);
    return found == commands.end() ? nullptr : &*found;
}

bool runMenuCommand(AppState& state, int id, int window, FollowUp& followUp) {
    state.windows.atariCodes = false;
    CommandContext context{state, window, followUp};
    if (const Command* command = findCommand(id)) command->run(context);
    return context.goOn;
}

void runCommand(AppState& state, int id, FollowUp& followUp) {
    CommandContext context{state, mainWindow, followUp};
    findCommand(id)->run(context);
}
