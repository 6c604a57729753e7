#include "app/startup.h"

#include <memory>

#include "app/app.h"
#include "app/cover_picture.h"
#include "app/menu.h"
#include "darwins_theory/window_sim_l1.h"
#include "model/globals.h"
#include "platform/window.h"

namespace {

std::unique_ptr<App> NewAppInstance() {
  auto app = std::make_unique<App>();
  app->MenuBar = &TheMenu();
  return app;
}

void ApplicationAddMenuHandlers(App& app) {
  app.AddMenuHandler("WindowDarwinsTheory", [&app] { return app._WindowDarwinsTheory_Action(); });
  app.AddMenuHandler("WindowMutationsRole", [&app] { return app._WindowMutationsRole_Action(); });
  app.AddMenuHandler("AppleAboutSkellith", [&app] { return app._AppleAboutSkellith_Action(); });
  app.AddMenuHandler("FileOptions", [&app] { return app._FileOptions_Action(); });
  app.AddMenuHandler("HelpOnlinemanual", [&app] { return app._HelpOnlinemanual_Action(); });
}

// The main window is built now but opens only when the application's Open handling shows it,
// after the globals are set up.
void MakeDefaultView() {
  WindowSimL1();
}

}  // namespace

std::unique_ptr<App> StartApplication() {
  auto app = NewAppInstance();
  ApplicationAddMenuHandlers(*app);
  MakeDefaultView();
  return app;
}

void EndApplication(std::unique_ptr<App> app) {
  ReleaseCalbrookCover();
  Window::DestroyAll();
  app.reset();
  ReleaseMenu();
  Globals::Release();
}

int RunSkellith() {
  auto app = StartApplication();
  const int status = app->Run();
  EndApplication(std::move(app));
  return status;
}
