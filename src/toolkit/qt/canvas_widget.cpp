#include "toolkit/qt/canvas_widget.h"

#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QWheelEvent>
#include <cmath>
#include <qdrawutil.h>

#include "toolkit/qt/file_drops.h"
#include "toolkit/qt/key_mapping.h"

namespace toolkit::qt {

CanvasWidget::CanvasWidget(const GadgetRecord& record, QWidget* parent)
    : QWidget(parent), number_(record.number) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    apply(record);
}

void CanvasWidget::apply(const GadgetRecord& record) {
    inset_ = record.inset();
    // The core gives a keyboard canvas the focus when it is clicked; Qt only handles Tab.
    setFocusPolicy(record.flags & canvas_keyboard ? Qt::TabFocus : Qt::NoFocus);
    setAcceptDrops(record.accepts_files);
    setGeometry(record.x, record.y, record.width, record.height);
    update();
}

// The buffer is wrapped, not copied, and drawn as one opaque block in the screen's own pixel
// layout. Without smoothing and with a whole-number device pixel ratio every pixel becomes a
// crisp square on high-density screens.
// Only the part that needs repainting is copied: after a small change that is a cell or two.
void CanvasWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const GadgetRecord* record = find_gadget(number_);
    const bool drawn = record && !record->buffer.pixels.empty();
    const QRect area = rect().adjusted(inset_, inset_, -inset_, -inset_);
    const QRect shown = drawn ? area & event->rect() &
                                    QRect(QPoint(inset_, inset_),
                                          QSize(record->buffer.width, record->buffer.height))
                              : QRect();
    // The window colour goes only where the picture does not: under the 1280 x 800 map it would
    // double the cost of every repaint.
    for (const QRect& uncovered : QRegion(event->rect()).subtracted(shown))
        painter.fillRect(uncovered, palette().window());
    if (inset_ > 0) qDrawWinPanel(&painter, rect(), palette(), true);
    if (shown.isEmpty()) return;
    const PixelBuffer& buffer = record->buffer;
    const QImage picture(reinterpret_cast<const uchar*>(buffer.pixels.data()), buffer.width,
                         buffer.height, qsizetype(buffer.width) * 4, QImage::Format_RGB32);
    painter.drawImage(shown.topLeft(), picture, shown.translated(-inset_, -inset_));
}

QPoint CanvasWidget::drawing_position(const QMouseEvent* event) const {
    const QPointF position = event->position();
    return {int(std::floor(position.x())) - inset_, int(std::floor(position.y())) - inset_};
}

// Qt keeps the mouse grabbed by this widget while any button is held, so moves and releases
// outside it still arrive here, with positions beyond the drawing area.
void CanvasWidget::press(QMouseEvent* event, bool double_click) {
    const int button = button_bit(event->button());
    if (!button) return;
    const QPoint at = drawing_position(event);
    canvas_button_pressed(number_, button, at.x(), at.y(), double_click,
                          modifier_bits(event->modifiers()));
}

void CanvasWidget::mousePressEvent(QMouseEvent* event) {
    press(event, false);
}

// Qt delivers the second press of a double-click as this event alone.
void CanvasWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    press(event, true);
}

void CanvasWidget::mouseReleaseEvent(QMouseEvent* event) {
    const int button = button_bit(event->button());
    if (!button) return;
    const QPoint at = drawing_position(event);
    canvas_button_released(number_, button, at.x(), at.y(), modifier_bits(event->modifiers()));
}

void CanvasWidget::mouseMoveEvent(QMouseEvent* event) {
    // A button the core still holds was released where this canvas could not see it.
    if (const GadgetRecord* record = find_gadget(number_);
        record && (record->buttons & ~button_bits(event->buttons())))
        canvas_capture_lost(number_);
    const QPoint at = drawing_position(event);
    canvas_mouse_moved(number_, at.x(), at.y(), modifier_bits(event->modifiers()));
}

void CanvasWidget::leaveEvent(QEvent*) {
    canvas_mouse_left(number_);
}

void CanvasWidget::wheelEvent(QWheelEvent* event) {
    canvas_wheel(number_, event->angleDelta().y(), modifier_bits(event->modifiers()));
}

void CanvasWidget::keyPressEvent(QKeyEvent* event) {
    const int modifiers = modifier_bits(event->modifiers());
    if (const int key = virtual_key(event->key(), event->modifiers()))
        canvas_key(number_, key, true, modifiers);
    // Whole characters: one beyond the first 65536 is two QChars.
    for (const char32_t character : event->text().toUcs4())
        if (character >= 32) canvas_character(number_, int(character));
}

// Qt reports an automatic repeat as a release and a press; only the press counts, so a held
// key gives key downs and one key up at the real release.
void CanvasWidget::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat()) return;
    if (const int key = virtual_key(event->key(), event->modifiers()))
        canvas_key(number_, key, false, modifier_bits(event->modifiers()));
}

void CanvasWidget::dragEnterEvent(QDragEnterEvent* event) {
    offer_copy_of_files(number_, *event);
}

void CanvasWidget::dragMoveEvent(QDragMoveEvent* event) {
    offer_copy_of_files(number_, *event);
}

void CanvasWidget::dropEvent(QDropEvent* event) {
    take_dropped_files(number_, *event);
}

} // namespace toolkit::qt
