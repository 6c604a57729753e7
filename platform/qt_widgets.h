#pragma once

// Small Qt widgets that the controls are made of. Only the platform includes this.

#include <QPainter>
#include <QWidget>
#include <functional>

// A widget that paints itself through a function and lets presses through to the window.
class PaintedWidget : public QWidget {
 public:
  using Painter = std::function<void(QPainter&)>;
  PaintedWidget(QWidget* parent, Painter painter) : QWidget(parent), painter_(std::move(painter)) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    painter_(p);
  }

 private:
  Painter painter_;
};
