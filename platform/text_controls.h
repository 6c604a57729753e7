#pragma once

#include <string>

#include "control.h"

// A label. Carriage returns separate its lines.
class StaticText : public Control {
 public:
  StaticText(Window& owner, const ControlSpec& entry);
  const std::string& Text() const { return text_; }
  void SetText(const std::string& text);
  Alignment TextAlign() const { return align_; }
  int TextSize() const { return size_; }

 private:
  std::string text_;
  Alignment align_;
  int size_;
};

// A text field, single-line or multi-line; a single-line one may limit its characters.
class EditField : public Control {
 public:
  EditField(Window& owner, const ControlSpec& entry);
  std::string Text() const;
  void SetText(const std::string& text);
  int LimitText() const { return limit_; }
  bool ReadOnly() const { return readOnly_; }
  int SelStart() const;
  void SetSelStart(int start);
  int SelLength() const;
  void SetSelLength(int length);

 private:
  bool multiLine_;
  int limit_;
  bool readOnly_;
};
