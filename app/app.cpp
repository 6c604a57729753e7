#include "app/app.h"

#include "darwins_theory/window_sim_l1.h"
#include "model/globals.h"
#include "platform/menu.h"

App& TheApp() {
  return *static_cast<App*>(Application::Current());
}

MenuItem& App::Item(const char* name) const {
  return *MenuBar->Lookup(name);
}

void App::Event_Open() {
  Globals::Startup();
  WindowSimL1().Show();
  WindowSimL1Open = true;
  WindowSimL2Open = false;
  ManualWindowOpen = false;
}

void App::Event_EnableMenuItems() {
  Item("AppleAboutSkellith").SetEnabled(true);
  Item("WindowDarwinsTheory").SetEnabled(!WindowSimL1Open);
  Item("WindowMutationsRole").SetEnabled(!WindowSimL2Open);
  // A window's Running is read only while its flag says it exists, so this never builds one.
  const bool busy1 = WindowSimL1Open && WindowSimL1().Running;
  const bool busy2 = false;
  Item("FileOptions").SetEnabled(!(busy1 || busy2));
  Item("HelpOnlinemanual").SetEnabled(!ManualWindowOpen);
}

bool App::_WindowDarwinsTheory_Action() {
  WindowSimL1().Show();
  WindowSimL1Open = true;
  return false;
}

// The other windows come with their own rooms; until then their commands do nothing.
bool App::_WindowMutationsRole_Action() {
  return false;
}
bool App::_AppleAboutSkellith_Action() {
  return false;
}
bool App::_FileOptions_Action() {
  return false;
}
bool App::_HelpOnlinemanual_Action() {
  return false;
}
