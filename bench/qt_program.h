// gridlet on the Qt binding in this process, started as the desktop program starts it, with
// the 80 x 50 map and the IBM PC charset chosen through their menu commands and both windows
// painted; and the means to drive its canvases with mouse events and wait for their repaint.
#pragma once

#include <QMouseEvent>
#include <QObject>
#include <QWidget>
#include <array>

#include "app/program.h"
#include "toolkit/qt/qt_binding.h"

class QtProgram : public QObject {
  public:
    // With glyphs of the height, 8 as the program starts or another as Char > "Glyph height"
    // gives.
    explicit QtProgram(int glyphHeight = 8);
    ~QtProgram() override;
    QtProgram(const QtProgram&) = delete;
    QtProgram& operator=(const QtProgram&) = delete;

    QWidget* widget(int gadget) const { return binding_.gadget_widget(gadget); }

    // A mouse event for the canvas, at a position in its drawing area.
    static QMouseEvent mouseEvent(QWidget* canvas, QEvent::Type type, QPoint at,
                                  Qt::MouseButton button, Qt::MouseButtons held);
    // Handles every event the program has queued, as its event loop would.
    void handleQueuedEvents();
    // Lets Qt run until all three canvases have painted again; false if they never do.
    bool repaintCanvases();
    // The pixels each canvas (charset view, glyph editor, map) has painted so far.
    const std::array<int64_t, 3>& paintedPixels() const { return paintedPixels_; }

    AppState state;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    toolkit::qt::QtBinding binding_;
    std::array<QWidget*, 3> canvases_{};
    std::array<long, 3> paints_{};
    std::array<int64_t, 3> paintedPixels_{};
};
