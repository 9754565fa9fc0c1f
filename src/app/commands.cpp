#include "app/commands.h"

#include "app/menu_bar.h"
#include "charmap/map_window.h"
#include "editing/charset_commands.h"
#include "editing/glyph_transforms.h"
#include "files/builtin_charsets.h"
#include "files/file_commands.h"
#include "files/font_file.h"
#include "files/image_export.h"
#include "files/map_file.h"
#include "views/charset_view.h"
#include "views/map_view.h"
#include "views/status_texts.h"

namespace {

void loadCharset(AppState& state, BuiltinCharset which) {
    const CharsetColors colors = loadBuiltinCharset(state.charset, which);
    state.paperColor = colors.paper;
    state.inkColor = colors.ink;
    state.atariCodes = which == BuiltinCharset::atariXl;
    refreshCharset(state);
}

} // namespace

bool runMenuCommand(AppState& state, int id) {
    switch (id) {
    case openId:
        openFile(state);
        break;
    case quitId:
        return false;
    case saveZxFontId:
        saveFile(state, 768);
        break;
    case saveAtariFontId:
        saveFile(state, 1024);
        break;
    case saveIbmFontId:
        saveFile(state, 2048);
        break;
    case saveMapId:
        saveFile(state, mapFileLength);
        break;
    case saveImageId:
        exportCharsetImage(state);
        break;
    case invertId:
        transformGlyphs(state, invertMode);
        break;
    case mirrorLeftRightId:
        transformGlyphs(state, mirrorLeftRightMode);
        break;
    case mirrorUpDownId:
        transformGlyphs(state, mirrorUpDownMode);
        break;
    case eraseCharsetId:
        eraseCharset(state);
        break;
    case clearCharId:
        transformGlyphs(state, clearMode);
        break;
    case shiftLeftId:
        transformGlyphs(state, shiftLeftMode);
        break;
    case shiftRightId:
        transformGlyphs(state, shiftRightMode);
        break;
    case shiftUpId:
        transformGlyphs(state, shiftUpMode);
        break;
    case shiftDownId:
        transformGlyphs(state, shiftDownMode);
        break;
    case setBeginRangeId:
        setRangeBegin(state);
        break;
    case setEndRangeId:
        setRangeEnd(state);
        break;
    case dragSwapId:
        setDragMode(DragMode::swap);
        break;
    case dragCopyId:
        setDragMode(DragMode::copy);
        break;
    case copyRangeId:
        copyRangeToCurrent(state);
        break;
    case charsetIbmCgaId:
        loadCharset(state, BuiltinCharset::ibmPcCga);
        break;
    case charsetC64Id:
        loadCharset(state, BuiltinCharset::c64Caps);
        break;
    case charsetAtariId:
        loadCharset(state, BuiltinCharset::atariXl);
        break;
    case charsetIbm866Id:
        loadCharset(state, BuiltinCharset::ibmPc866);
        break;
    case charsetZxSpectrumId:
        loadCharset(state, BuiltinCharset::zxSpectrum);
        break;
    case charsetZx80Id:
        loadCharset(state, BuiltinCharset::zx80);
        break;
    case charsetMicroshaId:
        loadCharset(state, BuiltinCharset::microsha);
        break;
    case charsetJupiterAceId:
        loadCharset(state, BuiltinCharset::jupiterAce);
        break;
    case charsetHexId:
        loadCharset(state, BuiltinCharset::hexNumbers);
        break;
    case inkColorId:
        chooseBitColor(state, true);
        break;
    case paperColorId:
        chooseBitColor(state, false);
        break;
    case rotateClockwiseId:
        transformGlyphs(state, rotateClockwiseMode);
        break;
    case mapZxId:
        setMapSize(state, 32, 24);
        break;
    case mapAtariId:
        setMapSize(state, 40, 24);
        break;
    case mapC64Id:
        setMapSize(state, 40, 25);
        break;
    case mapPcId:
        setMapSize(state, 80, 50);
        break;
    case mapUssrId:
        setMapSize(state, 64, 30);
        break;
    case fillMapId:
        fillMap(state);
        break;
    case gridOnMapId:
        toggleGrid(state);
        break;
    case insertMapCharId:
        editMap(state, MapEdit::insertChar);
        break;
    case deleteMapCharId:
        editMap(state, MapEdit::deleteChar);
        break;
    case insertMapLineId:
        editMap(state, MapEdit::insertLine);
        break;
    case deleteMapLineId:
        editMap(state, MapEdit::deleteLine);
        break;
    case insertMapColumnId:
        editMap(state, MapEdit::insertColumn);
        break;
    case deleteMapColumnId:
        editMap(state, MapEdit::deleteColumn);
        break;
    case rotateAnticlockwiseId:
        transformGlyphs(state, rotateAnticlockwiseMode);
        break;
    default:
        break;
    }
    return true;
}

void runGadgetCommand(AppState& state, int gadget) {
    switch (gadget) {
    case beginRangeTrackbar:
    case endRangeTrackbar:
        updateRangeLabels();
        break;
    case shiftLeftButton:
        transformGlyphs(state, shiftLeftMode);
        break;
    case shiftRightButton:
        transformGlyphs(state, shiftRightMode);
        break;
    case shiftUpButton:
        transformGlyphs(state, shiftUpMode);
        break;
    case shiftDownButton:
        transformGlyphs(state, shiftDownMode);
        break;
    default:
        break;
    }
}

void handleDroppedFiles(AppState& state, int gadget, const std::string& names) {
    // Of several files only the first is loaded, as if it had been dropped alone.
    const std::string first = names.substr(0, names.find('\n'));
    if (gadget == charsetView) {
        loadFontFile(state, first);
        refreshCharset(state);
    } else if (gadget == mapView) {
        loadMapFile(state, first);
        drawMap(state);
    }
}
