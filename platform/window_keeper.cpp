#include "window_keeper.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <algorithm>

#include "wm_record.h"

namespace {

// A window manager changes the record one piece at a time (it takes a window off the screen
// before it records why: a workspace switch or showing the desktop), so the record is read once it
// has been still this long.
constexpr int kSettleMs = 40;
// However often a window manager takes a window away, it is brought back at most this often, so
// that a fight costs the program next to nothing. And a record that never keeps still puts the
// decision off no longer than this.
constexpr int kRestoreGapMs = 250;

// Watches one kept window's record at the X server and decides afresh, whenever it changes,
// whether to bring the window back. Being a child of the window, it is also the window's mark.
class Keeper : public QObject, public QAbstractNativeEventFilter {
 public:
  explicit Keeper(QWidget* window) : QObject(window), window_(window) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &Keeper::Decide);
    QCoreApplication::instance()->installNativeEventFilter(this);
  }
  ~Keeper() override {
    if (auto* app = QCoreApplication::instance()) app->removeNativeEventFilter(this);
  }

  static bool Keeps(const QWidget& window) {
    const auto& children = window.children();
    return std::any_of(children.begin(), children.end(),
                       [](QObject* child) { return dynamic_cast<Keeper*>(child); });
  }

  bool nativeEventFilter(const QByteArray& type, void* event, qintptr*) override {
    if (type == "xcb_generic_event_t" &&
        WmRecords::Changes(event, window_->internalWinId(), frame_)) {
      Changed();
    }
    return false;
  }

 private:
  // The one pending decision: settled after the latest change, and no sooner than kRestoreGapMs
  // after the last restore.
  void Changed() {
    if (!window_->isVisible()) return;
    if (timer_.isActive() && pending_.elapsed() > kRestoreGapMs) return;
    if (!timer_.isActive()) pending_.start();
    const qint64 since = last_.isValid() ? last_.elapsed() : kRestoreGapMs;
    timer_.start(int(std::max<qint64>(kSettleMs, kRestoreGapMs - since)));
  }

  void Decide() {
    if (!window_->isVisible()) return;
    const WId id = window_->internalWinId();
    frame_ = WmRecords::Watch(id);
    const auto record = WmRecords::Read(id);
    if (!record || !record->OutOfReach()) return;
    last_.start();
    // Mapped at the X server whatever Qt believes of its state; Qt hears of the restore from the
    // window manager.
    WmRecords::Map(id);
    window_->raise();
    window_->activateWindow();
  }

  QWidget* window_;
  WId frame_ = 0;
  QTimer timer_;
  QElapsedTimer pending_, last_;
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
