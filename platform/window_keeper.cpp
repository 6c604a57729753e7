#include "window_keeper.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace {

constexpr const char* kKeepInReach = "skellithKeepInReach";

// However often a window manager takes a window away, it is brought back at most this often, so
// that a fight costs the program next to nothing.
constexpr int kRestoreGapMs = 250;

bool MustStayInReach(const QWidget& window) {
  return window.isModal() || window.property(kKeepInReach).toBool();
}

bool OutOfReach(const QWidget& window) {
  const QWindow* handle = window.windowHandle();
  return window.isMinimized() || (handle && !handle->isExposed());
}

// The one pending restore of a window: the first comes at once, any after it no sooner than
// kRestoreGapMs after the one before.
class Restorer : public QObject {
 public:
  explicit Restorer(QWidget* window) : QObject(window), window_(window) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &Restorer::Restore);
  }

  static Restorer& Of(QWidget* window) {
    for (QObject* child : window->children()) {
      if (auto* restorer = dynamic_cast<Restorer*>(child)) return *restorer;
    }
    return *new Restorer(window);
  }

  void Schedule() {
    if (timer_.isActive() || restoring_) return;
    const qint64 since = last_.isValid() ? last_.elapsed() : kRestoreGapMs;
    timer_.start(int(std::max<qint64>(0, kRestoreGapMs - since)));
  }

 private:
  void Restore() {
    if (!window_->isVisible() || !OutOfReach(*window_)) return;
    last_.start();
    restoring_ = true;
    // Qt can miss a window manager's minimise that comes hard on the heels of a restore, and then
    // believes the window is shown. Passing through the minimised state makes it map the window
    // again, which is what brings a minimised window back.
    if (!window_->isMinimized())
      window_->setWindowState(window_->windowState() | Qt::WindowMinimized);
    WindowKeeper::BringToFront(window_);
    restoring_ = false;
  }

  QWidget* window_;
  QTimer timer_;
  QElapsedTimer last_;
  bool restoring_ = false;
};

// The widget whose top-level window a QWindow is.
QWidget* WidgetOf(QObject* watched) {
  if (auto* widget = qobject_cast<QWidget*>(watched)) return widget->isWindow() ? widget : nullptr;
  if (!watched->isWindowType()) return nullptr;
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (top->windowHandle() == watched) return top;
  }
  return nullptr;
}

class Keeper : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    // A minimise shows as a state change of the widget and as its window no longer exposed; either
    // may be all that Qt reports of it.
    const bool stateChange = event->type() == QEvent::WindowStateChange && watched->isWidgetType();
    const bool unexposed = event->type() == QEvent::Expose && watched->isWindowType() &&
                           !static_cast<QWindow*>(watched)->isExposed();
    if (!stateChange && !unexposed) return false;
    QWidget* window = WidgetOf(watched);
    if (window && window->isVisible() && MustStayInReach(*window) && OutOfReach(*window)) {
      Restorer::Of(window).Schedule();
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
