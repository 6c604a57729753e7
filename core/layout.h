#pragma once

#include <string>

#include "core/color.h"

// Windows and controls are declared as data: one record per window and one table of controls in
// creation order, read by one builder (Window::Build). Written with designated initializers, a
// table line reads like the layout it implements; fields left out keep these defaults.

enum class Kind {
  Rectangle,
  Oval,
  Line,
  Canvas,
  Timer,
  PushButton,
  CheckBox,
  RadioButton,
  StaticText,
  EditField,
  Listbox,
  PopupMenu,
  DisclosureTriangle,
};

enum class Alignment { Left = 0, Center = 1, Right = 2 };

enum class TimerMode { Off = 0, Once = 1, Repeating = 2 };

struct ControlSpec {
  const char* Name = "";
  Kind kind = Kind::StaticText;
  int Index = -1;  // element of a control array, -1 for a plain control
  int Left = 0;
  int Top = 0;
  int Width = 0;  // a line runs from (Left, Top) to (Left + Width, Top + Height)
  int Height = 0;
  const char* Text = "";  // caption, label text or field text; carriage returns separate lines
  int TextSize = 12;      // pixels
  Alignment Align = Alignment::Left;
  bool MultiLine = false;
  bool Enabled = true;
  bool Visible = true;
  bool Value = false;  // check box, radio button, disclosure triangle
  Color FillColor = RGB(255, 255, 255);
  int BorderWidth = 1;
  Color BorderColor = RGB(0, 0, 0);             // shapes; a rectangle's top-left border
  Color BorderColorBottomRight = RGB(0, 0, 0);  // a rectangle's bottom-right border
  ::TimerMode TimerMode = ::TimerMode::Off;
  int Period = 0;  // milliseconds
  int ColumnCount = 1;
  // Column widths, comma-separated: a number is pixels; "*" or a column left out shares what the
  // others leave, equally.
  const char* ColumnWidths = "";
  bool HasHeading = false;
  int LimitText = 0;  // 0: no limit
  bool ReadOnly = false;
  bool ScrollBarVertical = false;  // a multi-line field always shows its vertical scroll bar
  bool Default = false;
  bool Cancel = false;
  bool AcceptFocus = true;
  const char* Rows = "";  // pop-up rows, separated by carriage returns
  int Tab = 0;
  const char* Inside = nullptr;  // the container, created earlier in the table
};

enum class Frame { Document = 0, MovableModal = 1, Modal = 2, Floating = 3 };

struct WindowRecord {
  const char* Title = "";
  int Width = 0;
  int Height = 0;
  Frame frame = Frame::Document;
  int Placement = 0;  // 0 framework default, 2 centred on the main screen
  bool CloseButton = true;
  bool Resizeable = false;
  bool HasBackColor = false;
  Color BackColor = RGB(255, 255, 255);
  bool MenuBarVisible = true;
};
