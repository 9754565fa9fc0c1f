#include "toolkit/qt/gadget_widgets.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QTextEdit>
#include <algorithm>

#include "toolkit/qt/canvas_widget.h"
#include "toolkit/qt/qt_text.h"

namespace toolkit::qt {
namespace {

// Tells the core when the gadget's widget gains or loses the keyboard focus. An open menu
// takes no focus on the desktop the program was made for, so popups are not reported.
class FocusReporter : public QObject {
  public:
    FocusReporter(int gadget, QWidget* widget) : QObject(widget), gadget_(gadget) {
        widget->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override {
        const auto type = event->type();
        if (type != QEvent::FocusIn && type != QEvent::FocusOut) return false;
        if (static_cast<QFocusEvent*>(event)->reason() == Qt::PopupFocusReason) return false;
        gadget_focus_changed(gadget_, type == QEvent::FocusIn);
        return false;
    }

  private:
    int gadget_;
};

// The text field keeps line feeds; the program's texts break lines with CR LF.
QString field_text(const std::string& text) {
    return qt_text(text).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

std::string program_text(const QString& text) {
    return byte_text(QString(text).replace(QLatin1Char('\n'), QLatin1String("\r\n")));
}

Qt::Alignment field_alignment(int flags) {
    if (flags & text_centred) return Qt::AlignHCenter;
    if (flags & text_right) return Qt::AlignRight;
    return Qt::AlignLeft;
}

QWidget* create_text_field(const GadgetRecord& record, QWidget* parent) {
    auto* field = new QTextEdit(parent);
    field->setAcceptRichText(false);
    field->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    field->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    field->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    QTextOption option = field->document()->defaultTextOption();
    option.setAlignment(field_alignment(record.flags));
    if (record.flags & text_multi_line) {
        // The eight row bytes are wider than the field: wrap them so that all stay in view.
        field->setLineWrapMode(QTextEdit::WidgetWidth);
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        field->document()->setDocumentMargin(1);
    } else {
        field->setLineWrapMode(QTextEdit::NoWrap);
    }
    field->document()->setDefaultTextOption(option);
    const int gadget = record.number;
    QObject::connect(field, &QTextEdit::textChanged, field, [gadget, field] {
        text_field_edited(gadget, program_text(field->toPlainText()));
    });
    return field;
}

QWidget* create_control(const GadgetRecord& record, QWidget* parent) {
    const int gadget = record.number;
    switch (record.kind) {
    case GadgetKind::canvas:
        return new CanvasWidget(record, parent);
    case GadgetKind::label: {
        auto* label = new QLabel(parent);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setAlignment((record.flags & label_centred ? Qt::AlignHCenter : Qt::AlignLeft) |
                            Qt::AlignTop);
        return label;
    }
    case GadgetKind::trackbar: {
        auto* slider = new QSlider(Qt::Horizontal, parent);
        if (record.flags & trackbar_ticks) {
            slider->setTickPosition(QSlider::TicksBelow);
            slider->setTickInterval(1);
        }
        QObject::connect(slider, &QSlider::valueChanged, slider,
                         [gadget](int value) { trackbar_moved(gadget, value); });
        return slider;
    }
    case GadgetKind::checkbox: {
        auto* box = new QCheckBox(parent);
        // The core toggles the state and shows it through apply_gadget.
        QObject::connect(box, &QCheckBox::clicked, box, [gadget] { checkbox_clicked(gadget); });
        return box;
    }
    case GadgetKind::button: {
        auto* button = new QPushButton(parent);
        button->setAutoDefault(false);
        QObject::connect(button, &QPushButton::clicked, button,
                         [gadget] { button_clicked(gadget); });
        return button;
    }
    case GadgetKind::text_field:
        return create_text_field(record, parent);
    }
    return nullptr;
}

} // namespace

QWidget* create_gadget_widget(const GadgetRecord& record, QWidget* parent) {
    QWidget* widget = create_control(record, parent);
    // Canvases set their own policy from their flags.
    if (record.kind == GadgetKind::label)
        widget->setFocusPolicy(Qt::NoFocus);
    else if (record.kind != GadgetKind::canvas)
        widget->setFocusPolicy(Qt::StrongFocus);
    new FocusReporter(record.number, widget);
    apply_gadget(widget, record);
    widget->show();
    return widget;
}

void apply_gadget(QWidget* widget, const GadgetRecord& record) {
    const QSignalBlocker quiet(widget);
    widget->setGeometry(record.x, record.y, record.width, record.height);
    widget->setToolTip(qt_text(record.tooltip));
    if (auto* canvas = qobject_cast<CanvasWidget*>(widget)) {
        canvas->apply(record);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(qt_text(record.text));
    } else if (auto* slider = qobject_cast<QSlider*>(widget)) {
        slider->setRange(record.minimum, std::max(record.minimum, record.maximum));
        slider->setPageStep(std::max(1, (record.maximum - record.minimum) / 5));
        slider->setValue(record.state);
    } else if (auto* box = qobject_cast<QCheckBox*>(widget)) {
        box->setText(without_mnemonics(qt_text(record.text)));
        box->setChecked(record.state != 0);
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
        button->setText(without_mnemonics(qt_text(record.text)));
    } else if (auto* field = qobject_cast<QTextEdit*>(widget)) {
        const QString text = field_text(record.text);
        if (field->toPlainText() != text) field->setPlainText(text);
    }
}

} // namespace toolkit::qt
