// Start-up probes end when their window has been exposed and the widgets that show it have
// painted; this filter on the application notes those paints. Both probes use it, so whatever
// it costs is on both sides of the comparison.
#pragma once

#include <QEvent>
#include <QObject>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <utility>
#include <vector>

class FirstPaintWatch : public QObject {
  public:
    // The window and the widgets whose first paint ends the start-up.
    FirstPaintWatch(QWidget* window, std::vector<QWidget*> widgets)
        : window_(window), waiting_(std::move(widgets)) {}

    bool done() const {
        return waiting_.empty() && window_->windowHandle() && window_->windowHandle()->isExposed();
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) std::erase(waiting_, watched);
        return false;
    }

  private:
    QWidget* window_;
    std::vector<QWidget*> waiting_;
};
