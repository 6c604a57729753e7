#include "windows/window_options.h"

#include "app/app.h"
#include "darwins_theory/window_sim_l1.h"
#include "model/globals.h"
#include "mutations_role/window_sim_l2.h"
#include "platform/buttons.h"
#include "platform/canvas.h"
#include "platform/text_controls.h"

namespace {

constexpr const char* kDefaultPopulationSize = "50";

// clang-format off
const ControlSpec kControls[] = {
    {.Name = "RadioButtonSpeed", .kind = Kind::RadioButton, .Left = 143, .Top = 28, .Width = 80, .Height = 20, .Text = "Speed", .Value = false, .Tab = 0},
    {.Name = "RadioButtonSize", .kind = Kind::RadioButton, .Left = 143, .Top = 48, .Width = 80, .Height = 20, .Text = "Size", .Value = false, .Tab = 1},
    {.Name = "RadioButtonVisibility", .kind = Kind::RadioButton, .Left = 143, .Top = 68, .Width = 80, .Height = 20, .Text = "Visibility", .Value = false, .Tab = 2},
    {.Name = "StaticText1", .kind = Kind::StaticText, .Left = 43, .Top = 35, .Width = 83, .Height = 16, .Text = "Dots vary in:", .Align = Alignment::Left, .Tab = 3},
    {.Name = "PushButtonOkay", .kind = Kind::PushButton, .Left = 187, .Top = 120, .Width = 60, .Height = 20, .Text = "Okay", .Default = true, .Cancel = false, .Tab = 4},
};
// clang-format on

const WindowRecord kRecord{
    .Title = "Skellith Options",
    .Width = 275,
    .Height = 161,
    .frame = Frame::MovableModal,
    .Placement = 0,
    .CloseButton = false,
    .Resizeable = false,
    .HasBackColor = false,
    .MenuBarVisible = true,
};

// What both simulation windows go through first: a white arena, no population, empty charts,
// nothing to run or reproduce.
template <class W>
void ClearArenaAndCharts(W& w) {
  w.FillPictureBuffer(*w.RectangleRange, Globals::White);
  w.RectangleRange->Graphics().DrawPicture(*w.PictureBuffer, 0, 0);
  w.Individual.Redim(0);
  w.DrawHistoStart();
  w.DrawHistoCurrent();
  w.PushButtonRun->SetEnabled(false);
  w.PushButtonDivide->SetEnabled(false);
}

void ResetDarwinsTheory(class WindowSimL1& w) {
  ClearArenaAndCharts(w);
  w.CheckBoxVariable->SetValue(true);
  w.CheckBoxHeritable->SetValue(true);
  w.CheckBoxSelective->SetValue(true);
  w.StaticTextNumRemaining->SetText("");
  w.SetupWindowForMode();
}

void ResetMutationsRole(class WindowSimL2& w) {
  ClearArenaAndCharts(w);
  w.CheckBoxWithMut->SetValue(false);
  w.CheckBoxSelective->SetValue(true);
  w.EditFieldPopSz->SetText(kDefaultPopulationSize);
  w.StaticTextNumRemaining->SetText("");
  w.SetupWindowForMode();
}

}  // namespace

WindowOptions::WindowOptions() {
  Build(kRecord, nullptr, kControls);
  RadioButtonSpeed = &Find<RadioButton>("RadioButtonSpeed");
  RadioButtonSize = &Find<RadioButton>("RadioButtonSize");
  RadioButtonVisibility = &Find<RadioButton>("RadioButtonVisibility");
  StaticText1 = &Find<StaticText>("StaticText1");
  PushButtonOkay = &Find<PushButton>("PushButtonOkay");
  PushButtonOkay->Action = [this] { PushButtonOkay_Action(); };
}

class WindowOptions& WindowOptions() {
  return ImplicitWindow<class WindowOptions>();
}

void WindowOptions::Event_Open() {
  RadioButtonSpeed->SetValue(false);
  RadioButtonSize->SetValue(false);
  RadioButtonVisibility->SetValue(false);
  if (Globals::Mode == "Speed") {
    RadioButtonSpeed->SetValue(true);
  } else if (Globals::Mode == "Size") {
    RadioButtonSize->SetValue(true);
  } else if (Globals::Mode == "Visibility") {
    RadioButtonVisibility->SetValue(true);
  }
}

// All the work is done on closing, which "Okay" is the only way to.
void WindowOptions::PushButtonOkay_Action() {
  Close();
}

void WindowOptions::Event_Close() {
  if (RadioButtonSpeed->Value()) {
    Globals::Mode = "Speed";
  } else if (RadioButtonSize->Value()) {
    Globals::Mode = "Size";
  } else if (RadioButtonVisibility->Value()) {
    Globals::Mode = "Visibility";
  } else {
    Globals::Mode = "Speed";
  }
  // A window whose flag is down is closed: the reset must not build one.
  App& app = TheApp();
  if (app.WindowSimL1Open) ResetDarwinsTheory(WindowSimL1());
  if (app.WindowSimL2Open) ResetMutationsRole(WindowSimL2());
}
