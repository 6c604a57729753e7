#pragma once

// What the layouts of the two simulation windows share: the arena, the histogram frames and the
// three buttons, which both windows create first, at the same places.

#include "core/layout.h"

namespace sim_layout {

constexpr Color kWhite = RGB(255, 255, 255);
constexpr Color kBlack = RGB(0, 0, 0);
constexpr Alignment kLeft = Alignment::Left;
constexpr Alignment kCenter = Alignment::Center;
constexpr Alignment kRight = Alignment::Right;

// clang-format off
constexpr ControlSpec kBox1{.Name = "Box1", .kind = Kind::Rectangle, .Left = 21, .Top = 21, .Width = 282, .Height = 252, .Tab = 0};
constexpr ControlSpec kRectangleRange{.Name = "RectangleRange", .kind = Kind::Canvas, .Left = 22, .Top = 22, .Width = 280, .Height = 250, .AcceptFocus = false, .Tab = 0, .Inside = "Box1"};
constexpr ControlSpec kBox3{.Name = "Box3", .kind = Kind::Rectangle, .Left = 378, .Top = 151, .Width = 156, .Height = 87, .BorderColor = kWhite, .BorderColorBottomRight = kWhite, .Tab = 1};
constexpr ControlSpec kHistoCurrent{.Name = "HistoCurrent", .kind = Kind::Canvas, .Left = 379, .Top = 153, .Width = 154, .Height = 85, .AcceptFocus = false, .Tab = 0, .Inside = "Box3"};
constexpr ControlSpec kBox2{.Name = "Box2", .kind = Kind::Rectangle, .Left = 378, .Top = 39, .Width = 156, .Height = 87, .BorderColor = kWhite, .BorderColorBottomRight = kWhite, .Tab = 2};
constexpr ControlSpec kHistoStart{.Name = "HistoStart", .kind = Kind::Canvas, .Left = 379, .Top = 41, .Width = 154, .Height = 85, .AcceptFocus = false, .Tab = 0, .Inside = "Box2"};
constexpr ControlSpec kPushButtonRun{.Name = "PushButtonRun", .kind = Kind::PushButton, .Left = 148, .Top = 310, .Width = 58, .Height = 20, .Text = "Run", .Enabled = false, .Tab = 3};
constexpr ControlSpec kPushButtonDivide{.Name = "PushButtonDivide", .kind = Kind::PushButton, .Left = 213, .Top = 310, .Width = 90, .Height = 20, .Text = "Reproduce", .Enabled = false, .Tab = 5};
constexpr ControlSpec kPushButtonNewPop{.Name = "PushButtonNewPop", .kind = Kind::PushButton, .Left = 21, .Top = 310, .Width = 120, .Height = 20, .Text = "New Population", .Enabled = false, .Tab = 6};
// clang-format on

// The animation timer, at the window's period. It is off until Run starts it: a stopped window
// never wakes the program.
constexpr ControlSpec Timer1(int period) {
  return {.Name = "Timer1", .kind = Kind::Timer, .TimerMode = TimerMode::Off, .Period = period};
}

// The histograms' maximum labels end beside the axis ticks and reach left far enough for "1000".
// clang-format off
constexpr ControlSpec StaticTextMaxCurrent(int tab) {
  return {.Name = "StaticTextMaxCurrent", .kind = Kind::StaticText, .Left = 340, .Top = 146, .Width = 26, .Height = 16, .Text = "0", .TextSize = 10, .Align = kRight, .Tab = tab};
}
constexpr ControlSpec StaticTextMaxStart(int tab) {
  return {.Name = "StaticTextMaxStart", .kind = Kind::StaticText, .Left = 340, .Top = 34, .Width = 26, .Height = 16, .Text = "0", .TextSize = 10, .Align = kRight, .Tab = tab};
}

// The history list: a narrow generation column, then seven counts sharing the rest, so that with
// the scroll bar shown each cell still holds a three-digit generation or a count of 1000.
constexpr ControlSpec ListBox1(int tab) {
  return {.Name = "ListBox1", .kind = Kind::Listbox, .Left = 583, .Top = 41, .Width = 152, .Height = 290, .TextSize = 9, .ColumnCount = 8, .ColumnWidths = "15", .HasHeading = true, .Tab = tab};
}
// clang-format on

}  // namespace sim_layout
