#include "window_keeper.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace {

constexpr const char* kKeepInReach = "skellithKeepInReach";

bool MustStayInReach(const QWidget& window) {
  return window.isModal() || window.property(kKeepInReach).toBool();
}

class Keeper : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const QEvent::Type type = event->type();
    if (type != QEvent::WindowStateChange && type != QEvent::WindowActivate) return false;
    auto* window = qobject_cast<QWidget*>(watched);
    if (!window || !window->isWindow() || !MustStayInReach(*window)) return false;
    if (type == QEvent::WindowActivate) {
      window->raise();
    } else if (window->isMinimized()) {
      // Not from inside the state change itself: the platform window is still settling it.
      QTimer::singleShot(0, window, [window = QPointer<QWidget>(window)] {
        if (window && window->isVisible()) WindowKeeper::BringToFront(window);
      });
    }
    return false;
  }
};

}  // namespace

namespace WindowKeeper {

void Install() {
  static Keeper* keeper = nullptr;
  if (keeper || !qApp) return;
  keeper = new Keeper(qApp);
  qApp->installEventFilter(keeper);
}

void KeepInReach(QWidget* window) {
  window->setProperty(kKeepInReach, true);
}

void BringToFront(QWidget* window) {
  if (window->isMinimized()) window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
  window->show();
  window->raise();
  window->activateWindow();
}

}  // namespace WindowKeeper
