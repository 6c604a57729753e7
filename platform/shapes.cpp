#include "shapes.h"

#include <algorithm>
#include <cstdlib>

#include "qt_text.h"
#include "qt_widgets.h"
#include "window.h"

namespace {

// Shapes are drawn pixel-exact, without smoothing, as the rest of the arena is.
void NoSmoothing(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing, false);
}

}  // namespace

Rectangle::Rectangle(Window& owner, const ControlSpec& entry)
    : Control(owner, entry),
      fill_(entry.FillColor),
      topLeft_(entry.BorderColor),
      bottomRight_(entry.BorderColorBottomRight),
      border_(entry.BorderWidth) {
  Adopt(new PaintedWidget(owner.Content(),
                          [this](QPainter& p) {
                            NoSmoothing(p);
                            const int w = Width(), h = Height(), b = border_;
                            p.fillRect(0, 0, w, h, ToQColor(fill_));
                            if (b <= 0) return;
                            p.fillRect(0, 0, w, b, ToQColor(topLeft_));
                            p.fillRect(0, 0, b, h, ToQColor(topLeft_));
                            p.fillRect(0, h - b, w, b, ToQColor(bottomRight_));
                            p.fillRect(w - b, 0, b, h, ToQColor(bottomRight_));
                          }),
        entry);
}

void Rectangle::SetFillColor(Color c) {
  fill_ = c;
  Refresh();
}

Oval::Oval(Window& owner, const ControlSpec& entry)
    : Control(owner, entry),
      fill_(entry.FillColor),
      borderColor_(entry.BorderColor),
      border_(entry.BorderWidth) {
  Adopt(new PaintedWidget(owner.Content(),
                          [this](QPainter& p) {
                            p.setRenderHint(QPainter::Antialiasing, true);
                            const double b = border_;
                            p.setBrush(ToQColor(fill_));
                            if (b > 0) {
                              p.setPen(QPen(ToQColor(borderColor_), b));
                            } else {
                              p.setPen(Qt::NoPen);
                            }
                            p.drawEllipse(QRectF(b / 2, b / 2, Width() - b, Height() - b));
                          }),
        entry);
}

void Oval::SetFillColor(Color c) {
  fill_ = c;
  Refresh();
}

Line::Line(Window& owner, const ControlSpec& entry)
    : Control(owner, entry),
      x1_(entry.Left),
      y1_(entry.Top),
      x2_(entry.Left + entry.Width),
      y2_(entry.Top + entry.Height),
      color_(entry.BorderColor),
      border_(std::max(entry.BorderWidth, 1)) {
  const int left = std::min(x1_, x2_), top = std::min(y1_, y2_);
  Adopt(new PaintedWidget(owner.Content(),
                          [this, left, top](QPainter& p) {
                            NoSmoothing(p);
                            p.setPen(QPen(ToQColor(color_), border_, Qt::SolidLine, Qt::SquareCap));
                            const double half = border_ / 2.0;
                            p.drawLine(QPointF(x1_ - left + half, y1_ - top + half),
                                       QPointF(x2_ - left + half, y2_ - top + half));
                          }),
        entry);
  // The widget covers the line whichever way it runs.
  Widget()->setGeometry(left, top, std::abs(x2_ - x1_) + border_, std::abs(y2_ - y1_) + border_);
}
