#include "qt_program.h"

#include <QCoreApplication>
#include <QPaintEvent>
#include <stdexcept>

#include "app/command_table.h"
#include "app/cursor.h"
#include "app/glyph_commands.h"
#include "app/menu_ids.h"
#include "app/refresh.h"
#include "toolkit/windows.h"

QtProgram::QtProgram(int glyphHeight) {
    if (!startUp(state, binding_, {})) throw std::runtime_error("gridlet did not start");
    FollowUp followUp;
    runMenuCommand(state, mapPcId, mainWindow, followUp);
    // A real charset, with the current char on 'A', which the start map shows in a column.
    runMenuCommand(state, charsetIbmCgaId, mainWindow, followUp);
    chooseGlyphHeight(state.editor, glyphHeight);
    moveCursor(state.editor, state.windows, 1, 4);
    refresh(state);
    canvases_ = {widget(charsetView), widget(glyphEditor), widget(mapView)};
    for (QWidget* canvas : canvases_) canvas->installEventFilter(this);
    handleQueuedEvents();
    if (!repaintCanvases()) throw std::runtime_error("the canvases were never painted");
    handleQueuedEvents(); // what showing the windows raised
}

QtProgram::~QtProgram() {
    for (QWidget* canvas : canvases_) canvas->removeEventFilter(this);
    shutDown(state);
}

QMouseEvent QtProgram::mouseEvent(QWidget* canvas, QEvent::Type type, QPoint at,
                                  Qt::MouseButton button, Qt::MouseButtons held) {
    return QMouseEvent(type, QPointF(at), canvas->mapToGlobal(QPointF(at)), button, held,
                       Qt::NoModifier);
}

void QtProgram::handleQueuedEvents() {
    while (toolkit::has_queued_events()) handleNextEvent(state);
}

bool QtProgram::repaintCanvases() {
    const std::array<long, 3> before = paints_;
    for (int turn = 0; turn < 10000; ++turn) {
        QCoreApplication::processEvents();
        if (paints_[0] > before[0] && paints_[1] > before[1] && paints_[2] > before[2]) return true;
    }
    return false;
}

bool QtProgram::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint) {
        for (size_t i = 0; i < canvases_.size(); ++i) {
            if (canvases_[i] != watched) continue;
            ++paints_[i];
            for (const QRect& area : static_cast<QPaintEvent*>(event)->region())
                paintedPixels_[i] += int64_t(area.width()) * area.height();
        }
    }
    return false;
}
