#include "window_keeper.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>

#include "wm_record.h"

namespace {

// A window manager takes a window off the screen before it records why (a workspace switch or
// showing the desktop): the record is read once it has had a moment to finish.
constexpr int kSettleMs = 40;
// However often a window manager takes a window away, it is brought back at most this often, so
// that a fight costs the program next to nothing.
constexpr int kRestoreGapMs = 250;

// Watches one kept window, and its window at the X server, and brings it back. Being a child of
// the window, it is also the window's mark.
class Keeper : public QObject {
 public:
  explicit Keeper(QWidget* window) : QObject(window), window_(window) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &Keeper::Restore);
    window->installEventFilter(this);
    WatchHandle();
  }

  static bool Keeps(const QWidget& window) {
    const auto& children = window.children();
    return std::any_of(children.begin(), children.end(),
                       [](QObject* child) { return dynamic_cast<Keeper*>(child); });
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    // A minimised window is unmapped, which Qt always reports as the window no longer exposed.
    // Qt's own minimised state is not relied on: it can miss a minimise that follows hard on a
    // restore.
    if (watched == window_) {
      if (event->type() == QEvent::WinIdChange || event->type() == QEvent::Show) WatchHandle();
    } else if (event->type() == QEvent::Expose && !static_cast<QWindow*>(watched)->isExposed()) {
      Schedule();
    }
    return false;
  }

 private:
  void WatchHandle() {
    if (QWindow* handle = window_->windowHandle()) handle->installEventFilter(this);
  }

  // The one pending restore: the first soon after the window went, any after it no sooner than
  // kRestoreGapMs after the one before.
  void Schedule() {
    if (timer_.isActive() || !window_->isVisible()) return;
    const qint64 since = last_.isValid() ? last_.elapsed() : kRestoreGapMs;
    timer_.start(int(std::max<qint64>(kSettleMs, kRestoreGapMs - since)));
  }

  void Restore() {
    if (!window_->isVisible()) return;
    const auto record = WmRecords::Read(window_->internalWinId());
    if (!record || !record->MinimisedHere()) return;
    last_.start();
    // Mapped at the X server whatever Qt believes of its state; Qt hears of the restore from the
    // window manager.
    WmRecords::Map(window_->internalWinId());
    window_->raise();
    window_->activateWindow();
  }

  QWidget* window_;
  QTimer timer_;
  QElapsedTimer last_;
};

}  // namespace

namespace WindowKeeper {

void KeepInReach(QWidget* window) {
  if (WmRecords::Available() && !Keeper::Keeps(*window)) new Keeper(window);
}

void BringToFront(QWidget* window) {
  if (window->isMinimized()) window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
  window->show();
  window->raise();
  window->activateWindow();
}

}  // namespace WindowKeeper
