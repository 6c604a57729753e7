#include "windows/window_about.h"

#include "app/cover_picture.h"
#include "platform/buttons.h"
#include "platform/canvas.h"
#include "platform/dialogs.h"
#include "platform/text_controls.h"
#include "windows/about_texts.h"

namespace {

// clang-format off
const ControlSpec kControls[] = {
    {.Name = "StaticText1", .kind = Kind::StaticText, .Left = 32, .Top = 318, .Width = 386, .Height = 203, .Text = AboutTexts::kAboutText, .TextSize = 10, .MultiLine = true, .Tab = 0},
    {.Name = "LabelTitle", .kind = Kind::StaticText, .Left = 97, .Top = 217, .Width = 253, .Height = 33, .Text = AboutTexts::kTitle, .TextSize = 12, .MultiLine = true, .Tab = 1},
    {.Name = "LabelWebAddress", .kind = Kind::StaticText, .Left = 97, .Top = 258, .Width = 210, .Height = 16, .Text = AboutTexts::kWebAddress, .TextSize = 10, .Tab = 2},
    {.Name = "PushButtonClose", .kind = Kind::PushButton, .Left = 361, .Top = 491, .Width = 60, .Height = 20, .Text = "OK", .TextSize = 12, .Default = false, .Cancel = false, .Tab = 3},
    {.Name = "Canvas1", .kind = Kind::Canvas, .Left = 163, .Top = 23, .Width = 158, .Height = 204, .AcceptFocus = false, .Tab = 4},
    {.Name = "PushButton1", .kind = Kind::PushButton, .Left = 273, .Top = 256, .Width = 60, .Height = 18, .Text = "Go there", .TextSize = 10, .Default = false, .Cancel = false, .Tab = 5},
};
// clang-format on

const WindowRecord kRecord{
    .Title = "About Skellith",
    .Width = 441,
    .Height = 535,
    .frame = Frame::Modal,
    .Placement = 2,
    .CloseButton = false,
    .Resizeable = false,
    .HasBackColor = true,
    .BackColor = RGB(255, 255, 255),
    .MenuBarVisible = true,
};

}  // namespace

WindowAbout::WindowAbout() {
  Build(kRecord, nullptr, kControls);
  StaticText1 = &Find<StaticText>("StaticText1");
  LabelTitle = &Find<StaticText>("LabelTitle");
  LabelWebAddress = &Find<StaticText>("LabelWebAddress");
  PushButtonClose = &Find<PushButton>("PushButtonClose");
  Canvas1 = &Find<Canvas>("Canvas1");
  Canvas1->SetBackdrop(CalbrookCover());
  PushButton1 = &Find<PushButton>("PushButton1");
  PushButtonClose->Action = [this] { PushButtonClose_Action(); };
  PushButton1->Action = [this] { PushButton1_Action(); };
}

class WindowAbout& WindowAbout() {
  return ImplicitWindow<class WindowAbout>();
}

void WindowAbout::PushButtonClose_Action() {
  Close();
}

// Closed first, so the window goes even when the browser cannot be opened.
void WindowAbout::PushButton1_Action() {
  Close();
  ShowURL(AboutTexts::kWebAddress);
}

bool WindowAbout::Event_MouseDown(int /*x*/, int /*y*/) {
  Close();
  return false;
}
