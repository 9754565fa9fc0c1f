// Heap allocations while editing: painted pixels and cursor moves, counted after one pass over
// every cell and code (which sizes the texts and queues once). The pixels are painted in
// strokes of 64, each of which ends as one undo step.
//  - headless binding: the logic and the core, from the scripted input to the handled events,
//    in two colours, in C64 multicolour and with glyphs of 8 x 16; the target is none at all.
//  - Qt binding (offscreen): first the event handling alone (logic, core and the binding's
//    updates of the widgets), then the whole path with Qt's delivery of the input and the
//    repaint of the three canvases, which Qt allocates for on its own.
//
//     allocation_bench [edits]     (default 1000)
#include <QApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "allocation_count.h"
#include "app/menu_ids.h"
#include "editing_scripts.h"
#include "qt_editing.h"
#include "verdict.h"

namespace {

struct Counts {
    long pixels = 0;
    long moves = 0;
};

Counts countHeadless(int edits, ColorMode mode, int glyphHeightItem = glyphHeightId) {
    Gridlet g;
    g.ui.choose_menu_item(mainWindow, colorModeId + int(mode));
    g.ui.choose_menu_item(mainWindow, glyphHeightItem);
    scriptGlyphStrokes(g, 128);
    scriptCursorMoves(g, 256);
    g.run();
    Counts counts;
    scriptGlyphStrokes(g, edits);
    startCountingAllocations();
    g.run();
    counts.pixels = stopCountingAllocations();
    scriptCursorMoves(g, edits);
    startCountingAllocations();
    g.run();
    counts.moves = stopCountingAllocations();
    return counts;
}

// Both the allocations of the event handling alone and those of the whole path.
struct QtCounts {
    Counts handling;
    Counts whole;
};

QtCounts countOnQt(int edits) {
    QtProgram program;
    GlyphStrokes strokes(program);
    CursorKeys keys(program);
    for (int i = 0; i < 128; ++i) {
        QMouseEvent move = strokes.nextMove();
        QCoreApplication::sendEvent(strokes.editor(), &move);
        program.handleQueuedEvents();
        program.repaintCanvases();
    }
    for (int i = 0; i < 256; ++i) keys.tap(keys.nextKey());

    // Each painted pixel twice: the handling alone counted, then the whole path. The next
    // move is made first, outside the count, since it may start a new stroke.
    QtCounts counts;
    for (int i = 0; i < 2 * edits; ++i) {
        const bool whole = i % 2 == 1;
        QMouseEvent move = strokes.nextMove();
        if (whole) startCountingAllocations();
        QCoreApplication::sendEvent(strokes.editor(), &move);
        if (!whole) startCountingAllocations();
        program.handleQueuedEvents();
        if (!whole) counts.handling.pixels += stopCountingAllocations();
        program.repaintCanvases();
        if (whole) counts.whole.pixels += stopCountingAllocations();
    }

    // The cursor moves when the key is released: the handling of that part alone, then the
    // whole tap.
    for (int i = 0; i < edits; ++i) {
        const int key = keys.nextKey();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(program.widget(charsetView), &press);
        program.handleQueuedEvents();
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
        QCoreApplication::sendEvent(program.widget(charsetView), &release);
        startCountingAllocations();
        program.handleQueuedEvents();
        counts.handling.moves += stopCountingAllocations();
        program.repaintCanvases();

        startCountingAllocations();
        keys.tap(keys.nextKey());
        counts.whole.moves += stopCountingAllocations();
    }
    return counts;
}

void print(const char* what, const Counts& counts, int edits) {
    std::printf("  %-44s %7ld for %d pixels, %7ld for %d cursor moves\n", what, counts.pixels,
                edits, counts.moves, edits);
}

} // namespace

int main(int argc, char** argv) {
    const int edits = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;
    const Counts headless = countHeadless(edits, ColorMode::twoColors);
    const Counts multicolour = countHeadless(edits, ColorMode::c64Multi);
    const Counts tall = countHeadless(edits, ColorMode::twoColors, glyphHeightId + 2);

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    toolkit::qt::prepare_application();
    QApplication application(argc, argv);
    const QtCounts qt = countOnQt(edits);

    std::printf("heap allocations while editing, after one pass over every cell and code\n"
                "(pixels in strokes of 64, each stroke recorded as an undo step)\n");
    print("headless: logic and core", headless, edits);
    print("headless, in C64 multicolour", multicolour, edits);
    print("headless, glyphs of 8 x 16", tall, edits);
    print("Qt (offscreen): event handling", qt.handling, edits);
    print("Qt (offscreen): with Qt's delivery and repaint", qt.whole, edits);
    const long allocations = headless.pixels + headless.moves + multicolour.pixels +
                             multicolour.moves + tall.pixels + tall.moves;
    std::printf("  logic and core: %ld allocations (target 0) %s\n", allocations,
                bench::verdict(allocations == 0));
    return bench::exitCode();
}
