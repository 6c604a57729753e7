#pragma once

#include <functional>
#include <map>
#include <string>

class MenuBar;
class MenuItem;

// The application object: owns the Qt application and its event loop, delivers Open once from
// inside the loop, asks the program to enable its menu items before a menu opens and after every
// handled event, and runs menu commands by item name.
class Application {
 public:
  Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;
  virtual ~Application();

  // The registered application object, or null.
  static Application* Current();

  ::MenuBar* MenuBar = nullptr;

  // Binds a menu item, by name, to a handler; the handler's result is not used.
  void AddMenuHandler(const std::string& itemName, std::function<bool()> handler);

  // Runs the event loop until Quit; Event_Open comes first, from inside the loop.
  int Run();
  // Ends the event loop (the process then leaves Run); harmless when no loop runs.
  void Quit();
  bool QuitRequested() const { return quitRequested_; }

  // What a menu command does: the quit item quits, an item with a handler runs it. Used by the
  // menus of every window; tests call it to choose an item.
  void Choose(MenuItem& item);
  // Runs Event_EnableMenuItems now.
  void EnableMenuItems();

  virtual void Event_Open() {}
  virtual void Event_EnableMenuItems() {}

 private:
  std::map<std::string, std::function<bool()>> handlers_;
  bool quitRequested_ = false;
};

// Creates the Qt application if there is none yet (tests make their own first).
void EnsureQtApplication();
