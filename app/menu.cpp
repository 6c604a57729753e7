#include "app/menu.h"

#include <memory>

namespace {

std::unique_ptr<Menu>& Instance() {
  static std::unique_ptr<Menu> menu;
  return menu;
}

// One menu of the bar: a plain item holding the menu's items.
void AppendMenu(MenuBar& bar, const char* name, const char* text) {
  auto menu = std::make_unique<MenuItem>();
  menu->Name = name;
  menu->AutoEnable = false;
  menu->Text = text;
  menu->KeyboardShortcut = "";
  bar.Append(std::move(menu));
}

template <class Item = MenuItem>
void AppendItem(MenuBar& bar, const char* menu, const char* name, bool autoEnable, const char* text,
                const char* shortcut) {
  auto item = std::make_unique<Item>();
  item->Name = name;
  item->AutoEnable = autoEnable;
  item->Text = text;
  if (shortcut) item->KeyboardShortcut = shortcut;  // the separator gets none set at all
  bar.Child(menu)->Append(std::move(item));
}

}  // namespace

Menu::Menu() {
  Untitled1();
  Untitled2();
  Untitled3();
  Untitled4();
}

void Menu::Untitled1() {
  AppendMenu(*this, "UntitledMenu3", "File");
  AppendItem(*this, "UntitledMenu3", "FileOptions", false, "Options...", "");
  AppendItem<QuitMenuItem>(*this, "UntitledMenu3", "FileQuit", true, "Quit", "Cmd+Q");
}

void Menu::Untitled2() {
  AppendMenu(*this, "UntitledMenu1", "Edit");
  AppendItem(*this, "UntitledMenu1", "EditUndo", false, "Undo", "Cmd+Z");
  AppendItem(*this, "UntitledMenu1", "UntitledMenu2", false, "-", nullptr);
  AppendItem(*this, "UntitledMenu1", "EditCut", false, "Cut", "Cmd+X");
  AppendItem(*this, "UntitledMenu1", "EditCopy", false, "Copy", "Cmd+C");
  AppendItem(*this, "UntitledMenu1", "EditPaste", false, "Paste", "Cmd+V");
  AppendItem(*this, "UntitledMenu1", "EditClear", false, "Clear", "");
}

void Menu::Untitled3() {
  AppendMenu(*this, "MenuWindow", "Window");
  AppendItem(*this, "MenuWindow", "WindowDarwinsTheory", false, "Darwin's Theory", "");
  AppendItem(*this, "MenuWindow", "WindowMutationsRole", false, "Mutation's Role", "");
}

void Menu::Untitled4() {
  AppendMenu(*this, "UntitledMenu0", "Help");
  AppendItem(*this, "UntitledMenu0", "HelpOnlinemanual", false, "Online manual...", "");
  AppendItem<AppleMenuItem>(*this, "UntitledMenu0", "AppleAboutSkellith", false,
                            "About Skellith...", "");
}

Menu& TheMenu() {
  if (!Instance()) Instance() = std::make_unique<Menu>();
  return *Instance();
}

void ReleaseMenu() {
  Instance().reset();
}
