#pragma once

// A control's place and size in window coordinates. The organisms read only this of the arena
// canvas, so the model can use it without knowing anything of windows.
class RectControl {
 public:
  RectControl() = default;
  RectControl(int left, int top, int width, int height)
      : left_(left), top_(top), width_(width), height_(height) {}
  virtual ~RectControl() = default;

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }

 protected:
  void SetBounds(int left, int top, int width, int height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
  }

 private:
  int left_ = 0;
  int top_ = 0;
  int width_ = 0;
  int height_ = 0;
};
