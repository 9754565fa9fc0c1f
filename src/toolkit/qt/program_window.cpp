#include "toolkit/qt/program_window.h"

#include <QCloseEvent>

#include "toolkit/qt/qt_text.h"

namespace toolkit::qt {
namespace {

Qt::WindowFlags decorations(int flags) {
    Qt::WindowFlags result = Qt::Window | Qt::CustomizeWindowHint;
    if ((flags & window_caption) == window_caption) result |= Qt::WindowTitleHint;
    if (flags & window_system_menu) result |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (flags & window_minimise_box) result |= Qt::WindowMinimizeButtonHint;
    return result;
}

} // namespace

ProgramWindow::ProgramWindow(const WindowRecord& record)
    : QWidget(nullptr, decorations(record.flags)), number_(record.number),
      gadget_area_(new QWidget(this)), place_requests_(record.place_requests) {
    setAttribute(Qt::WA_AlwaysShowToolTips);
    setWindowTitle(qt_text(record.title));
    setFixedSize(record.inner_width, record.inner_height);
    lay_out();
}

void ProgramWindow::set_menu_bar(QMenuBar* bar) {
    delete bar_;
    bar_ = bar;
    if (bar_) {
        bar_->setParent(this);
        bar_->setNativeMenuBar(false);
        bar_->show();
    }
    lay_out();
}

void ProgramWindow::apply(const WindowRecord& record) {
    const QString title = qt_text(record.title);
    if (windowTitle() != title) setWindowTitle(title);
    if (size() != QSize(record.inner_width, record.inner_height))
        setFixedSize(record.inner_width, record.inner_height);
    if (place_requests_ != record.place_requests) {
        place_requests_ = record.place_requests;
        move(record.x, record.y);
    }
    if (record.visible != isVisible()) {
        // setVisible keeps the window state, so a minimised window comes back minimised.
        setVisible(record.visible);
    }
    // An X11 desktop frames a shown window without a move event, so the corner reported when it
    // showed may be its client area's: each change brings the core up to date.
    if (isVisible()) report_position();
}

void ProgramWindow::report_position() {
    if (reported_ == pos()) return;
    reported_ = pos();
    window_moved(number_, reported_->x(), reported_->y());
}

bool ProgramWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) window_activated(number_, true);
    if (event->type() == QEvent::WindowDeactivate) window_activated(number_, false);
    return QWidget::event(event);
}

// Closing is the logic's decision: the request only becomes an event.
void ProgramWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    window_close_requested(number_);
}

void ProgramWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    report_position();
}

void ProgramWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    lay_out();
}

void ProgramWindow::lay_out() {
    int bar_height = 0;
    if (bar_) {
        bar_height = bar_->heightForWidth(width());
        if (bar_height < 0) bar_height = bar_->sizeHint().height();
        bar_->setGeometry(0, 0, width(), bar_height);
    }
    gadget_area_->setGeometry(0, bar_height, width(), height() - bar_height);
}

} // namespace toolkit::qt
