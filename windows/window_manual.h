#pragma once

#include <array>

#include "platform/window.h"
#include "windows/help_texts.h"

class EditField;
class PopupMenu;
class PushButton;
class StaticText;

// "Skellith Online Manual": a read-only text field showing one of eight help topics, chosen with
// the "Topic:" pop-up. The topic texts are held by labels below the window's visible area.
class WindowManual : public Window {
 public:
  WindowManual();

  EditField* HelpText = nullptr;
  PushButton* ButtonOK = nullptr;
  StaticText* LabelTopic = nullptr;
  PopupMenu* PopupMenuTopics = nullptr;

  void Event_Open() override;
  void Event_Close() override;
  void ButtonOK_Action();
  void PopupMenuTopics_Change();

 private:
  // The holder of each topic, by pop-up index.
  std::array<StaticText*, HelpTexts::kTopicCount> holders_{};
};

// The window's single instance: the open one, or a new one built from the layout.
class WindowManual& WindowManual();
