#include "app/app.h"

#include "darwins_theory/window_sim_l1.h"
#include "model/globals.h"
#include "mutations_role/window_sim_l2.h"
#include "platform/menu.h"
#include "windows/window_about.h"
#include "windows/window_manual.h"
#include "windows/window_options.h"
#include "windows/window_splash.h"

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
  WindowSplash().Show();
}

void App::Event_EnableMenuItems() {
  Item("AppleAboutSkellith").SetEnabled(true);
  Item("WindowDarwinsTheory").SetEnabled(!WindowSimL1Open);
  Item("WindowMutationsRole").SetEnabled(!WindowSimL2Open);
  // A window's Running is read only while its flag says it exists, so this never builds one.
  const bool busy1 = WindowSimL1Open && WindowSimL1().Running;
  const bool busy2 = WindowSimL2Open && WindowSimL2().Running;
  Item("FileOptions").SetEnabled(!(busy1 || busy2));
  Item("HelpOnlinemanual").SetEnabled(!ManualWindowOpen);
}

bool App::_WindowDarwinsTheory_Action() {
  WindowSimL1().Show();
  WindowSimL1Open = true;
  return false;
}

bool App::_WindowMutationsRole_Action() {
  WindowSimL2().Show();
  WindowSimL2Open = true;
  return false;
}

bool App::_AppleAboutSkellith_Action() {
  WindowAbout().Show();
  return false;
}

bool App::_FileOptions_Action() {
  WindowOptions().Show();
  return false;
}

// The manual sets its flag itself, in its Open handling.
bool App::_HelpOnlinemanual_Action() {
  WindowManual().Show();
  return false;
}
