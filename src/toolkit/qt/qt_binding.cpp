#include "toolkit/qt/qt_binding.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include "toolkit/qt/gadget_widgets.h"
#include "toolkit/qt/key_router.h"
#include "toolkit/qt/program_window.h"
#include "toolkit/qt/window_placement.h"

namespace toolkit::qt {

void prepare_application() {
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Round);
}

QtBinding::QtBinding() = default;

QtBinding::~QtBinding() {
    shut_down();
}

ProgramWindow* QtBinding::window_widget(int window) const {
    auto found = windows_.find(window);
    return found == windows_.end() ? nullptr : found->second.get();
}

QWidget* QtBinding::gadget_widget(int gadget) const {
    auto found = gadgets_.find(gadget);
    return found == gadgets_.end() ? nullptr : found->second.data();
}

int QtBinding::window_number(const QWidget* widget) const {
    for (const auto& [number, window] : windows_)
        if (window.get() == widget) return number;
    return -1;
}

void QtBinding::start() {
    keys_ = std::make_unique<KeyRouter>([this](const QWidget* w) { return window_number(w); });
    QCoreApplication::instance()->installEventFilter(keys_.get());
}

void QtBinding::shut_down() {
    timers_.clear();
    gadgets_.clear();
    shown_bars_.clear();
    windows_.clear();
    keys_.reset();
}

// ---- Windows ----

// Some platforms know a window's frame as soon as it exists, others only once the desktop has
// framed a shown window; until then the outer size counts as the inner size.
QMargins QtBinding::frame_margins(ProgramWindow& window) const {
    window.winId();
    if (const QMargins own = window.windowHandle()->frameMargins(); !own.isNull()) return own;
    for (const auto& [number, other] : windows_)
        if (other->isVisible() && other->windowHandle())
            return other->windowHandle()->frameMargins();
    return {};
}

bool QtBinding::open_window(const WindowRecord& record) {
    auto window = std::make_unique<ProgramWindow>(record);
    const QSize outer =
        QSize(record.inner_width, record.inner_height).grownBy(frame_margins(*window));
    std::optional<QRect> active_frame;
    if (const ProgramWindow* active = window_widget(active_window()))
        active_frame = active->frameGeometry();
    const QScreen* screen = QGuiApplication::primaryScreen();
    window->move(
        opening_position(record, outer, screen ? screen->geometry() : QRect(), active_frame));
    ProgramWindow* opened = window.get();
    windows_[record.number] = std::move(window);
    if (record.visible) {
        opened->show();
        opened->raise();
        opened->activateWindow();
    }
    opened->report_position();
    return true;
}

void QtBinding::destroy_window(int window) {
    windows_.erase(window);
}

void QtBinding::window_changed(const WindowRecord& record) {
    if (ProgramWindow* window = window_widget(record.number)) window->apply(record);
}

// Asking the desktop to activate a minimised window would restore it.
void QtBinding::activate_window(int number) {
    ProgramWindow* window = window_widget(number);
    if (!window || !window->isVisible() || window->isMinimized()) return;
    window->raise();
    window->activateWindow();
}

// ---- Gadgets ----

bool QtBinding::create_gadget(const GadgetRecord& record) {
    ProgramWindow* window = window_widget(record.window);
    if (!window) return false;
    gadgets_[record.number] = create_gadget_widget(record, window->gadget_area());
    return true;
}

void QtBinding::destroy_gadget(int gadget) {
    auto found = gadgets_.find(gadget);
    if (found == gadgets_.end()) return;
    delete found->second.data();
    gadgets_.erase(found);
}

void QtBinding::gadget_changed(const GadgetRecord& record) {
    if (QWidget* widget = gadget_widget(record.number)) apply_gadget(widget, record);
}

// Only the area that changed is repainted: copying the whole 1280 x 800 map for one cell would
// cost more than drawing the cell.
void QtBinding::canvas_drawn(const GadgetRecord& canvas, const Area& area) {
    if (QWidget* widget = gadget_widget(canvas.number))
        widget->update(area.x + canvas.inset(), area.y + canvas.inset(), area.width, area.height);
}

void QtBinding::focus_gadget(int gadget) {
    QWidget* widget = gadget_widget(gadget);
    if (widget && widget->focusPolicy() != Qt::NoFocus) widget->setFocus(Qt::OtherFocusReason);
}

void QtBinding::drop_enabled(const GadgetRecord& record) {
    gadget_changed(record);
}

// ---- Messages and keys ----

void QtBinding::wait_message() {
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void QtBinding::start_timer(int number, int milliseconds) {
    std::unique_ptr<QTimer>& timer = timers_[number];
    if (!timer) {
        timer = std::make_unique<QTimer>();
        timer->setSingleShot(true);
        QObject::connect(timer.get(), &QTimer::timeout, [number] { timer_fired(number); });
    }
    timer->start(milliseconds);
}

void QtBinding::stop_timer(int number) {
    if (auto found = timers_.find(number); found != timers_.end()) found->second->stop();
}

bool QtBinding::is_key_down(int virtual_key) {
    return keys_ && keys_->is_down(virtual_key);
}

} // namespace toolkit::qt
