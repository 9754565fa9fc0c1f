// A canvas gadget: shows the core's pixel buffer as it is and reports mouse, wheel, keys and
// file drops to the core in drawing-area coordinates (inside the border).
#pragma once

#include <QWidget>

#include "toolkit/binding.h"

namespace toolkit::qt {

class CanvasWidget : public QWidget {
    Q_OBJECT

  public:
    CanvasWidget(const GadgetRecord& record, QWidget* parent);

    int number() const { return number_; }
    void apply(const GadgetRecord& record);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    QPoint drawing_position(const QMouseEvent* event) const;
    void press(QMouseEvent* event, bool double_click);

    int number_;
    int inset_ = 0;
};

} // namespace toolkit::qt
