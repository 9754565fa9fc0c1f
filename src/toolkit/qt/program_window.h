// A program window: fixed inner size, a menu bar inside the client area at the top, and the
// gadgets below it. Close requests, moves and activation go to the core; the window itself
// never closes.
#pragma once

#include <QMenuBar>
#include <QPoint>
#include <QWidget>
#include <optional>

#include "toolkit/binding.h"

namespace toolkit::qt {

class ProgramWindow : public QWidget {
    Q_OBJECT

  public:
    explicit ProgramWindow(const WindowRecord& record);

    int number() const { return number_; }
    // The parent of the gadgets: the client area below the menu bar.
    QWidget* gadget_area() const { return gadget_area_; }
    QMenuBar* menu_bar() const { return bar_; }
    // Takes the bar; nullptr removes the present one.
    void set_menu_bar(QMenuBar* bar);
    // Title, inner size and visibility as the record has them; the place only for a request
    // not yet carried out.
    void apply(const WindowRecord& record);
    // Tells the core where the outer corner is, if that changed since the last report.
    void report_position();

  protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void lay_out();

    int number_;
    QWidget* gadget_area_;
    QMenuBar* bar_ = nullptr;
    std::optional<QPoint> reported_;
    int place_requests_; // the core's place requests carried out
};

} // namespace toolkit::qt
