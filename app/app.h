#pragma once

#include "platform/application.h"

class MenuItem;

// The application object: the window-open flags, the menu-enabling rules and the five menu
// commands. It saves nothing and asks nothing when the program quits.
class App : public Application {
 public:
  bool WindowSimL1Open = false;
  bool WindowSimL2Open = false;
  bool ManualWindowOpen = false;

  void Event_EnableMenuItems() override;
  void Event_Open() override;

  bool _WindowDarwinsTheory_Action();
  bool _WindowMutationsRole_Action();
  bool _AppleAboutSkellith_Action();
  bool _FileOptions_Action();
  bool _HelpOnlinemanual_Action();

  // An item of the application's menu bar, by name.
  MenuItem& Item(const char* name) const;
};

// The registered application object.
App& TheApp();
