#include "application.h"

#include <QApplication>
#include <QTimer>

#include "event_gate.h"
#include "menu.h"

namespace {

Application* current = nullptr;

}  // namespace

void EnsureQtApplication() {
  if (QApplication::instance()) return;
  static int argc = 1;
  static char name[] = "Skellith";
  static char* argv[] = {name, nullptr};
  static QApplication* app = new QApplication(argc, argv);
  // The program decides itself when closing a window ends the run.
  app->setQuitOnLastWindowClosed(false);
}

Application::Application() {
  EnsureQtApplication();
  current = this;
  EventGate::SetAfterEachEvent([this] { EnableMenuItems(); });
}

Application::~Application() {
  if (current == this) {
    current = nullptr;
    EventGate::SetAfterEachEvent(nullptr);
  }
}

Application* Application::Current() {
  return current;
}

void Application::AddMenuHandler(const std::string& itemName, std::function<bool()> handler) {
  handlers_[itemName] = std::move(handler);
}

int Application::Run() {
  quitRequested_ = false;
  QTimer::singleShot(0, [this] { EventGate::Dispatch([this] { Event_Open(); }); });
  return QApplication::exec();
}

void Application::Quit() {
  quitRequested_ = true;
  QApplication::exit(0);
}

void Application::Choose(MenuItem& item) {
  if (!item.Enabled()) return;
  if (dynamic_cast<QuitMenuItem*>(&item)) {
    Quit();
    return;
  }
  auto handler = handlers_.find(item.Name);
  if (handler == handlers_.end()) return;
  auto run = handler->second;  // the handler may rebind items
  EventGate::Dispatch([&run] { run(); });
}

void Application::EnableMenuItems() {
  Event_EnableMenuItems();
}
