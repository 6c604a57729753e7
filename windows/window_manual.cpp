#include "windows/window_manual.h"

#include "app/app.h"
#include "core/runtime.h"
#include "platform/buttons.h"
#include "platform/list_controls.h"
#include "platform/text_controls.h"

namespace {

using HelpTexts::kTopics;

// Brings the start of a new topic into view and leaves nothing selected.
constexpr int kScrollSelection = 10;

// The holders lie below the window's bottom edge; zQuitting is created before zHowToLearn.
// clang-format off
const ControlSpec kControls[] = {
    {.Name = "HelpText", .kind = Kind::EditField, .Left = -1, .Top = -1, .Width = 364, .Height = 150, .Text = HelpTexts::kIntroductionBody, .TextSize = 10, .Align = Alignment::Left, .MultiLine = true, .LimitText = 0, .ReadOnly = true, .ScrollBarVertical = true, .Tab = 0},
    {.Name = "ButtonOK", .kind = Kind::PushButton, .Left = 293, .Top = 156, .Width = 60, .Height = 20, .Text = "OK", .TextSize = 12, .Default = false, .Cancel = false, .Tab = 1},
    {.Name = "LabelTopic", .kind = Kind::StaticText, .Left = 7, .Top = 157, .Width = 41, .Height = 18, .Text = "Topic:", .TextSize = 12, .Align = Alignment::Left, .Tab = 2},
    {.Name = "PopupMenuTopics", .kind = Kind::PopupMenu, .Left = 47, .Top = 156, .Width = 230, .Height = 20, .TextSize = 10, .Rows = HelpTexts::kCaptionRows, .Tab = 3},
    {.Name = "zIntro", .kind = Kind::StaticText, .Left = 13, .Top = 189, .Width = 60, .Height = 19, .Text = kTopics[0], .TextSize = 10, .Tab = 4},
    {.Name = "zWindow", .kind = Kind::StaticText, .Left = 13, .Top = 214, .Width = 60, .Height = 18, .Text = kTopics[1], .TextSize = 10, .Tab = 5},
    {.Name = "zSettingProps", .kind = Kind::StaticText, .Left = 13, .Top = 234, .Width = 60, .Height = 18, .Text = kTopics[2], .TextSize = 10, .Tab = 6},
    {.Name = "zTheProperties", .kind = Kind::StaticText, .Left = 105, .Top = 190, .Width = 60, .Height = 18, .Text = kTopics[3], .TextSize = 10, .Tab = 7},
    {.Name = "zRunningTheSim", .kind = Kind::StaticText, .Left = 107, .Top = 214, .Width = 60, .Height = 18, .Text = kTopics[4], .TextSize = 10, .Tab = 8},
    {.Name = "zOptions", .kind = Kind::StaticText, .Left = 106, .Top = 236, .Width = 60, .Height = 18, .Text = kTopics[5], .TextSize = 10, .Tab = 9},
    {.Name = "zQuitting", .kind = Kind::StaticText, .Left = 194, .Top = 214, .Width = 60, .Height = 18, .Text = kTopics[7], .TextSize = 10, .Tab = 10},
    {.Name = "zHowToLearn", .kind = Kind::StaticText, .Left = 194, .Top = 190, .Width = 60, .Height = 18, .Text = kTopics[6], .TextSize = 10, .Tab = 11},
};
// clang-format on

// Holder names by pop-up index.
constexpr const char* kHolders[HelpTexts::kTopicCount] = {
    "zIntro",         "zWindow",  "zSettingProps", "zTheProperties",
    "zRunningTheSim", "zOptions", "zHowToLearn",   "zQuitting",
};

const WindowRecord kRecord{
    .Title = "Skellith Online Manual",
    .Width = 362,
    .Height = 180,
    .frame = Frame::Floating,
    .Placement = 2,
    .CloseButton = false,
    .Resizeable = false,
    .HasBackColor = false,
    .MenuBarVisible = true,
};

}  // namespace

WindowManual::WindowManual() {
  Build(kRecord, nullptr, kControls);
  HelpText = &Find<EditField>("HelpText");
  ButtonOK = &Find<PushButton>("ButtonOK");
  LabelTopic = &Find<StaticText>("LabelTopic");
  PopupMenuTopics = &Find<PopupMenu>("PopupMenuTopics");
  for (int i = 0; i < HelpTexts::kTopicCount; ++i) holders_[i] = &Find<StaticText>(kHolders[i]);
  ButtonOK->Action = [this] { ButtonOK_Action(); };
  PopupMenuTopics->Change = [this] { PopupMenuTopics_Change(); };
}

class WindowManual& WindowManual() {
  return ImplicitWindow<class WindowManual>();
}

// Setting the index raises Change, so the field opens on the introduction with its heading.
void WindowManual::Event_Open() {
  PopupMenuTopics->SetListIndex(0);
  TheApp().ManualWindowOpen = true;
}

void WindowManual::Event_Close() {
  TheApp().ManualWindowOpen = false;
}

void WindowManual::ButtonOK_Action() {
  Close();
}

// No row chosen (or any index out of range) shows the introduction.
void WindowManual::PopupMenuTopics_Change() {
  const int i = PopupMenuTopics->ListIndex();
  const StaticText* holder = i >= 0 && i < HelpTexts::kTopicCount ? holders_[i] : holders_[0];
  HelpText->SetText(Chr(13) + holder->Text());
  HelpText->SetSelStart(0);
  HelpText->SetSelLength(kScrollSelection);
  HelpText->SetSelLength(0);
}
