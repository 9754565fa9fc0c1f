// The conformance suite's user on the Qt binding: mouse and keys through QTest into the windows
// (hit-testing and the implicit grab included), requesters and popups answered inside their own
// loops once they run.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QDir>
#include <QDropEvent>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QUrl>
#include <QWheelEvent>
#include <functional>

#include "../../qt/menu_actions.h"
#include "platform_user.h"
#include "toolkit/qt/program_window.h"
#include "toolkit/qt/qt_binding.h"
#include "toolkit/qt/qt_text.h"
#include "toolkit/requesters.h"

using namespace toolkit;

namespace {

Qt::MouseButton qt_button(int button) {
    if (button == button_right) return Qt::RightButton;
    if (button == button_middle) return Qt::MiddleButton;
    return Qt::LeftButton;
}

Qt::KeyboardModifiers qt_modifiers(int modifiers) {
    Qt::KeyboardModifiers result;
    if (modifiers & modifier_shift) result |= Qt::ShiftModifier;
    if (modifiers & modifier_control) result |= Qt::ControlModifier;
    if (modifiers & modifier_alt) result |= Qt::AltModifier;
    return result;
}

// The program's virtual-key codes of the keys the suite types.
int qt_key(int virtual_key) {
    switch (virtual_key) {
    case vk_tab:
        return Qt::Key_Tab;
    case vk_escape:
        return Qt::Key_Escape;
    default:
        return virtual_key; // letters and digits are the same in both
    }
}

// Runs the answer inside the modal widget's own loop, as soon as it is up.
void answer_when_up(std::function<void(QWidget&)> answer) {
    QTimer::singleShot(0, [answer] {
        QWidget* up = QApplication::activePopupWidget();
        if (!up) up = QApplication::activeModalWidget();
        if (up) answer(*up);
    });
}

class QtUser : public PlatformUser {
  public:
    Binding& binding() override { return ui_; }
    void settle() override {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
    void wake() override {
        QCoreApplication::postEvent(QCoreApplication::instance(), new QEvent(QEvent::User));
    }
    void wait(int milliseconds) override { QTest::qWait(milliseconds); }

    void move_to(int canvas, int x, int y) override {
        QTest::mouseMove(window_of(canvas), at(canvas, x, y));
    }
    void press(int canvas, int button, int x, int y) override {
        QTest::mousePress(window_of(canvas), qt_button(button), {}, at(canvas, x, y));
    }
    void release(int canvas, int button, int x, int y) override {
        QTest::mouseRelease(window_of(canvas), qt_button(button), {}, at(canvas, x, y));
    }
    void double_click(int canvas, int button, int x, int y) override {
        QTest::mouseDClick(window_of(canvas), qt_button(button), {}, at(canvas, x, y));
    }
    void wheel(int canvas, int units) override {
        QWidget* widget = ui_.gadget_widget(canvas);
        const QPointF inside(4, 4);
        QWheelEvent turn(inside, widget->mapToGlobal(inside), QPoint(), QPoint(0, units),
                         Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(widget, &turn);
    }
    void key(int virtual_key, bool down, int modifiers) override {
        QWidget* target = QApplication::focusWidget();
        if (!target) target = QApplication::activeWindow();
        const auto code = Qt::Key(qt_key(virtual_key));
        if (down)
            QTest::keyPress(target, code, qt_modifiers(modifiers));
        else
            QTest::keyRelease(target, code, qt_modifiers(modifiers));
    }
    void type(char character) override {
        QWidget* target = QApplication::focusWidget();
        QKeyEvent typed(QEvent::KeyPress, 0, Qt::NoModifier, QString(QChar(character)));
        QApplication::sendEvent(target, &typed);
    }
    void click(int gadget) override {
        QWidget* widget = ui_.gadget_widget(gadget);
        QTest::mouseClick(widget->window()->windowHandle(), Qt::LeftButton, {},
                          widget->mapTo(widget->window(), widget->rect().center()));
    }
    void slide(int trackbar, int value) override {
        auto* slider = qobject_cast<QSlider*>(ui_.gadget_widget(trackbar));
        slider->setFocus();
        slider->setValue(value);
    }
    void edit(int field, const std::string& text) override {
        auto* edit = qobject_cast<QTextEdit*>(ui_.gadget_widget(field));
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, qt::qt_text(text));
    }
    // QAction::trigger does nothing for a greyed item, as the menu does not offer it.
    void choose(int window, int id) override {
        if (QMenuBar* bar = ui_.window_widget(window)->menu_bar())
            if (QAction* action = find_action(bar->actions(), id)) action->trigger();
    }
    void close(int window) override { ui_.window_widget(window)->close(); }
    void activate(int window) override {
        qt::ProgramWindow* shown = ui_.window_widget(window);
        shown->activateWindow();
        (void)QTest::qWaitForWindowActive(shown); // the suite reads where activation went
    }
    // The window manager moves the native window, frame and all, and tells Qt: a drag's end.
    void move_window(int window, int x, int y) override {
        ui_.window_widget(window)->windowHandle()->setFramePosition(QPoint(x, y));
    }
    // An X11 window manager frames a window without moving it, and Qt's widgets take the frame
    // in without a move event. Offscreen, a window made frameless loses its frame at its next
    // resize: one there and back does that and keeps the size.
    void reframe(int window) override {
        QWindow* shown = ui_.window_widget(window)->windowHandle();
        shown->setFlag(Qt::FramelessWindowHint);
        const QSize size = shown->size();
        shown->resize(size + QSize(1, 0));
        shown->resize(size);
    }
    void drop(int canvas, const std::vector<std::string>& files) override {
        QWidget* widget = ui_.gadget_widget(canvas);
        if (!widget->acceptDrops()) return;
        QMimeData data;
        QList<QUrl> urls;
        for (const std::string& file : files) urls << QUrl::fromLocalFile(qt::qt_path(file));
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(widget, &enter);
        if (!enter.isAccepted()) return;
        QDropEvent dropped(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &dropped);
    }

    void answer_file(const std::string& path, int pattern) override {
        answer_when_up([path, pattern](QWidget& up) {
            auto& dialog = static_cast<QFileDialog&>(up);
            dialog.selectNameFilter(dialog.nameFilters().value(pattern));
            dialog.selectFile(qt::qt_path(path));
            static_cast<QDialog&>(dialog).accept(); // the dialog's own checks, as OK runs them
        });
    }
    void answer_cancel() override {
        answer_when_up([](QWidget& up) { static_cast<QDialog&>(up).reject(); });
    }
    void answer_message(int result) override {
        answer_when_up([result](QWidget& up) {
            auto& box = static_cast<QMessageBox&>(up);
            box.button(result == message_result_yes  ? QMessageBox::Yes
                       : result == message_result_no ? QMessageBox::No
                                                     : QMessageBox::Ok)
                ->click();
        });
    }
    void answer_list(int index) override {
        answer_when_up([this, index](QWidget& up) {
            auto* list = up.findChild<QListWidget*>();
            const auto* label = up.findChild<QLabel*>();
            seen_list_ = {qt::byte_text(up.windowTitle()),
                          label ? qt::byte_text(label->text()) : "",
                          {},
                          list ? list->currentRow() : -1};
            for (int i = 0; list && i < list->count(); ++i)
                seen_list_.items.push_back(qt::byte_text(list->item(i)->text()));
            if (list) list->setCurrentRow(index);
            if (const auto* buttons = up.findChild<QDialogButtonBox*>())
                buttons->button(QDialogButtonBox::Ok)->click();
        });
    }
    SeenList list_seen() override { return seen_list_; }
    void answer_popup(int id) override {
        answer_when_up([id](QWidget& up) {
            auto& popup = static_cast<QMenu&>(up);
            if (QAction* action = find_action(popup.actions(), id))
                QTest::mouseClick(popup.windowHandle(), Qt::LeftButton, {},
                                  popup.actionGeometry(action).center());
            else
                QTest::keyClick(&popup, Qt::Key_Escape);
        });
    }

    bool shown(int window) override { return ui_.window_widget(window)->isVisible(); }
    std::string title(int window) override {
        return qt::byte_text(ui_.window_widget(window)->windowTitle());
    }
    std::pair<int, int> inner_size(int window) override {
        const QSize size = ui_.window_widget(window)->size();
        return {size.width(), size.height()};
    }
    std::pair<int, int> place(int window) override {
        const QPoint corner = ui_.window_widget(window)->windowHandle()->framePosition();
        return {corner.x(), corner.y()};
    }
    bool has_focus(int gadget) override {
        return QApplication::focusWidget() == ui_.gadget_widget(gadget);
    }
    Color shown_pixel(int canvas, int x, int y) override {
        const int inset = find_gadget(canvas)->inset();
        const QImage shown = ui_.gadget_widget(canvas)->grab().toImage();
        const QRgb pixel = shown.pixel(inset + x, inset + y);
        return rgb(qRed(pixel), qGreen(pixel), qBlue(pixel));
    }
    void put_text_on_clipboard(const std::string& text) override {
        QGuiApplication::clipboard()->setText(qt::qt_text(text));
    }
    std::string path_of(const std::string& name) override {
        return qt::byte_path(QDir::temp().filePath(qt::qt_path(name)));
    }

  private:
    QWindow* window_of(int canvas) {
        return ui_.window_widget(find_gadget(canvas)->window)->windowHandle();
    }
    QPoint at(int canvas, int x, int y) {
        const int inset = find_gadget(canvas)->inset();
        QWidget* widget = ui_.gadget_widget(canvas);
        return widget->mapTo(widget->window(), QPoint(inset + x, inset + y));
    }

    qt::QtBinding ui_;
    SeenList seen_list_;
};

} // namespace

std::unique_ptr<PlatformUser> make_platform_user() {
    return std::make_unique<QtUser>();
}
