#pragma once

#include "control.h"
#include "core/color.h"

class QWidget;

// Shapes draw themselves and handle no mouse events: a press on them reaches the window.

class Rectangle : public Control {
 public:
  Rectangle(Window& owner, const ControlSpec& entry);
  Color FillColor() const { return fill_; }
  void SetFillColor(Color c);
  Color BorderColorTopLeft() const { return topLeft_; }
  Color BorderColorBottomRight() const { return bottomRight_; }
  int BorderWidth() const { return border_; }

 private:
  Color fill_;
  Color topLeft_;
  Color bottomRight_;
  int border_;
};

class Oval : public Control {
 public:
  Oval(Window& owner, const ControlSpec& entry);
  Color FillColor() const { return fill_; }
  void SetFillColor(Color c);
  Color BorderColor() const { return borderColor_; }
  int BorderWidth() const { return border_; }

 private:
  Color fill_;
  Color borderColor_;
  int border_;
};

class Line : public Control {
 public:
  Line(Window& owner, const ControlSpec& entry);
  int X1() const { return x1_; }
  int Y1() const { return y1_; }
  int X2() const { return x2_; }
  int Y2() const { return y2_; }
  Color LineColor() const { return color_; }
  int BorderWidth() const { return border_; }

 private:
  int x1_, y1_, x2_, y2_;
  Color color_;
  int border_;
};
