#include "windows/window_splash.h"

#include "app/cover_picture.h"
#include "platform/canvas.h"
#include "platform/text_controls.h"
#include "platform/timer.h"
#include "windows/about_texts.h"

namespace {

constexpr int kShowFor = 8000;  // milliseconds

// clang-format off
const ControlSpec kControls[] = {
    {.Name = "LabelTitle", .kind = Kind::StaticText, .Left = 49, .Top = 238, .Width = 296, .Height = 33, .Text = AboutTexts::kTitle, .TextSize = 12, .MultiLine = true, .Tab = 0},
    {.Name = "StaticText2", .kind = Kind::StaticText, .Left = 70, .Top = 272, .Width = 210, .Height = 16, .Text = AboutTexts::kWebAddress, .TextSize = 10, .Tab = 1},
    {.Name = "StaticText1", .kind = Kind::StaticText, .Left = 48, .Top = 350, .Width = 237, .Height = 16, .Text = AboutTexts::kVersionLine, .TextSize = 10, .Tab = 2},
    {.Name = "Timer1", .kind = Kind::Timer, .TimerMode = TimerMode::Once, .Period = kShowFor},
    {.Name = "Canvas1", .kind = Kind::Canvas, .Left = 117, .Top = 43, .Width = 158, .Height = 204, .AcceptFocus = false, .Tab = 4},
};
// clang-format on

const WindowRecord kRecord{
    .Title = "",
    .Width = 327,
    .Height = 371,
    .frame = Frame::Modal,
    .Placement = 0,
    .CloseButton = true,
    .Resizeable = true,
    .HasBackColor = true,
    .BackColor = RGB(255, 255, 255),
    .MenuBarVisible = true,
};

}  // namespace

WindowSplash::WindowSplash() {
  Build(kRecord, nullptr, kControls);
  LabelTitle = &Find<StaticText>("LabelTitle");
  StaticText2 = &Find<StaticText>("StaticText2");
  StaticText1 = &Find<StaticText>("StaticText1");
  Timer1 = &Find<Timer>("Timer1");
  Canvas1 = &Find<Canvas>("Canvas1");
  Canvas1->SetBackdrop(CalbrookCover());
  Timer1->Action = [this] { Timer1_Action(); };
}

class WindowSplash& WindowSplash() {
  return ImplicitWindow<class WindowSplash>();
}

void WindowSplash::Timer1_Action() {
  Close();
}

bool WindowSplash::Event_MouseDown(int /*x*/, int /*y*/) {
  Close();
  return false;
}
