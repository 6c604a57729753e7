#include "window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>
#include <algorithm>
#include <stdexcept>

#include "application.h"
#include "buttons.h"
#include "canvas.h"
#include "event_gate.h"
#include "list_controls.h"
#include "menu.h"
#include "qt_text.h"
#include "shapes.h"
#include "text_controls.h"
#include "timer.h"
#include "window_keeper.h"

namespace {

std::vector<Window*>& Existing() {
  static std::vector<Window*> windows;
  return windows;
}

// Closed windows wait here until no handler of theirs can still be running.
std::vector<Window*>& Graveyard() {
  static std::vector<Window*> windows;
  return windows;
}

void Bury() {
  auto dead = std::move(Graveyard());
  Graveyard().clear();
  for (Window* w : dead) delete w;
}

class FrameWidget : public QWidget {
 public:
  FrameWidget(Window& owner, Qt::WindowFlags flags) : QWidget(nullptr, flags), owner_(owner) {}
  bool closingByProgram = false;

 protected:
  void closeEvent(QCloseEvent* event) override {
    if (closingByProgram) {
      event->accept();
      return;
    }
    // The close box: the window closes through its own Close handling, or not at all.
    event->ignore();
    owner_.DeliverCloseBox();
  }
  void changeEvent(QEvent* event) override {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) owner_.DeliverActivate();
    QWidget::changeEvent(event);
  }
  // Only keys that the focused control left alone come here.
  void keyPressEvent(QKeyEvent* event) override {
    bool taken = false;
    switch (event->key()) {
      case Qt::Key_Return:
      case Qt::Key_Enter:
        taken = owner_.DeliverKey(Window::Key::Return);
        break;
      case Qt::Key_Escape:
        taken = owner_.DeliverKey(Window::Key::Escape);
        break;
      default:
        break;
    }
    if (!taken) QWidget::keyPressEvent(event);
  }
  void resizeEvent(QResizeEvent* event) override {
    owner_.FitContent();
    QWidget::resizeEvent(event);
  }

 private:
  Window& owner_;
};

class ContentWidget : public QWidget {
 public:
  ContentWidget(QWidget* parent, Window& owner) : QWidget(parent), owner_(owner) {}

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() != Qt::LeftButton) return;
    const QPoint at = event->position().toPoint();
    owner_.DeliverMouseDown(at.x(), at.y());
  }

 private:
  Window& owner_;
};

// Every window but a document window stays on top: the floating manual above the document
// windows, as a floating window does, and the dialogs with it, so that a new dialog never opens
// under the manual. With no parent, each is stacked among the others by the order they were
// raised in, which lets a blocking dialog come back above whichever of them the user clicks.
// Only the movable modal frame holds the program up (Build makes it modal): the splash must not
// keep the student from the main window for its eight seconds. The floating frame is a dialog
// too, not a tool window: some window managers leave tool windows out when they show the desktop
// and focus one, which Qt hands on to a blocking dialog, and that ends showing the desktop.
Qt::WindowFlags FlagsOf(const WindowRecord& record) {
  Qt::WindowFlags flags = Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  if (record.CloseButton) flags |= Qt::WindowCloseButtonHint;
  if (record.frame == Frame::Document) return flags | Qt::Window;
  return flags | Qt::Dialog | Qt::WindowStaysOnTopHint;
}

std::unique_ptr<Control> MakeControl(Window& owner, const ControlSpec& entry) {
  switch (entry.kind) {
    case Kind::Rectangle:
      return std::make_unique<Rectangle>(owner, entry);
    case Kind::Oval:
      return std::make_unique<Oval>(owner, entry);
    case Kind::Line:
      return std::make_unique<Line>(owner, entry);
    case Kind::Canvas:
      return std::make_unique<Canvas>(owner, entry);
    case Kind::Timer:
      return std::make_unique<Timer>(owner, entry);
    case Kind::PushButton:
      return std::make_unique<PushButton>(owner, entry);
    case Kind::CheckBox:
      return std::make_unique<CheckBox>(owner, entry);
    case Kind::RadioButton:
      return std::make_unique<RadioButton>(owner, entry);
    case Kind::StaticText:
      return std::make_unique<StaticText>(owner, entry);
    case Kind::EditField:
      return std::make_unique<EditField>(owner, entry);
    case Kind::Listbox:
      return std::make_unique<Listbox>(owner, entry);
    case Kind::PopupMenu:
      return std::make_unique<PopupMenu>(owner, entry);
    case Kind::DisclosureTriangle:
      return std::make_unique<DisclosureTriangle>(owner, entry);
  }
  throw std::logic_error("unknown control kind");
}

QKeySequence ShortcutOf(const std::string& text) {
  QString s = QString::fromStdString(text);
  s.replace("Cmd", "Ctrl");
  return QKeySequence::fromString(s);
}

}  // namespace

struct Window::Widgets {
  FrameWidget* frame = nullptr;
  QMenuBar* menuBar = nullptr;
  ContentWidget* content = nullptr;
};

Window::Window() : qt_(std::make_unique<Widgets>()) {
  Existing().push_back(this);
}

Window::~Window() {
  for (auto [item, id] : menuWatches_) item->Unwatch(id);
  controls_.clear();
  delete qt_->frame;
  std::erase(Existing(), this);
  std::erase(Graveyard(), this);
  if (!closed_ && forgetInstance_) forgetInstance_();
}

void Window::Build(const WindowRecord& record, ::MenuBar* menuBar,
                   std::span<const ControlSpec> table) {
  record_ = record;
  title_ = record.Title;
  qt_->frame = new FrameWidget(*this, FlagsOf(record));
  qt_->frame->setWindowTitle(ToQt(title_));
  if (record.frame == Frame::MovableModal) qt_->frame->setWindowModality(::Qt::ApplicationModal);
  if (record.frame == Frame::MovableModal || record.frame == Frame::Floating) {
    WindowKeeper::KeepInReach(qt_->frame);
  }
  if (!menuBar && record.frame == Frame::Document && Application::Current()) {
    menuBar = Application::Current()->MenuBar;
  }
  menuBar_ = menuBar;
  if (menuBar_ && record.MenuBarVisible) {
    BuildMenuBar(*menuBar_);
  } else if (record.frame != Frame::MovableModal && Application::Current() &&
             Application::Current()->MenuBar) {
    // A window without a bar still answers the bar's shortcuts (Ctrl+Q), unless it is a dialog
    // that holds up the whole program.
    AddMenuShortcuts(*Application::Current()->MenuBar);
  }

  qt_->content = new ContentWidget(qt_->frame, *this);
  if (record.HasBackColor) {
    QPalette palette = qt_->content->palette();
    palette.setColor(QPalette::Window, ToQColor(record.BackColor));
    qt_->content->setPalette(palette);
    qt_->content->setAutoFillBackground(true);
  }
  SetWidth(record.Width);

  for (const ControlSpec& entry : table) {
    if (entry.Inside && !ControlByName(entry.Inside)) {
      throw std::logic_error(std::string("container created after ") + entry.Name);
    }
    controls_.push_back(MakeControl(*this, entry));
  }
  ApplyTabOrder();
}

QAction* Window::ActionFor(MenuItem& item, QObject* parent) {
  auto* action = new QAction(ToQt(item.Text), parent);
  action->setShortcut(ShortcutOf(item.KeyboardShortcut));
  action->setEnabled(item.Enabled());
  QObject::connect(action, &QAction::triggered, [&item] {
    if (Application::Current()) Application::Current()->Choose(item);
  });
  QPointer<QAction> alive = action;
  const int id = item.Watch([alive, &item] {
    if (alive) alive->setEnabled(item.Enabled());
  });
  menuWatches_.emplace_back(&item, id);
  return action;
}

void Window::BuildMenuBar(::MenuBar& bar) {
  qt_->menuBar = new QMenuBar(qt_->frame);
  qt_->menuBar->setNativeMenuBar(false);
  for (int m = 0; m < bar.Count(); ++m) {
    MenuItem& menuItem = bar.Item(m);
    QMenu* menu = qt_->menuBar->addMenu(ToQt(menuItem.Text));
    QObject::connect(menu, &QMenu::aboutToShow, [] {
      if (Application::Current()) Application::Current()->EnableMenuItems();
    });
    for (int i = 0; i < menuItem.Count(); ++i) {
      MenuItem& item = menuItem.Item(i);
      if (item.IsSeparator()) {
        menu->addSeparator();
      } else {
        menu->addAction(ActionFor(item, menu));
      }
    }
  }
}

void Window::AddMenuShortcuts(::MenuBar& bar) {
  for (int m = 0; m < bar.Count(); ++m) {
    for (int i = 0; i < bar.Item(m).Count(); ++i) {
      MenuItem& item = bar.Item(m).Item(i);
      if (!item.KeyboardShortcut.empty()) qt_->frame->addAction(ActionFor(item, qt_->frame));
    }
  }
}

void Window::ApplyTabOrder() {
  std::vector<Control*> order;
  for (const auto& c : controls_) {
    if (c->Widget() && c->Widget()->focusPolicy() != ::Qt::NoFocus) order.push_back(c.get());
  }
  std::stable_sort(order.begin(), order.end(),
                   [](Control* a, Control* b) { return a->TabIndex() < b->TabIndex(); });
  for (size_t i = 1; i < order.size(); ++i) {
    QWidget::setTabOrder(order[i - 1]->Widget(), order[i]->Widget());
  }
}

void Window::Show() {
  if (closed_) return;
  if (!opened_) {
    opened_ = true;
    for (const auto& c : controls_) c->RaiseOpen();
    Event_Open();
    if (closed_) return;
    qt_->frame->show();
    if (record_.Placement == 2 && qt_->frame->screen()) {
      const QRect screen = qt_->frame->screen()->availableGeometry();
      qt_->frame->move(screen.center() - qt_->frame->rect().center());
    }
    for (const auto& c : controls_) {
      if (auto* canvas = dynamic_cast<Canvas*>(c.get())) canvas->Refresh(false);
    }
  }
  // Shown again, a window comes back even from being minimised.
  WindowKeeper::BringToFront(qt_->frame);
}

void Window::Close() {
  if (closed_) return;
  closed_ = true;
  Event_Close();
  qt_->frame->closingByProgram = true;
  qt_->frame->close();
  if (forgetInstance_) forgetInstance_();
  Graveyard().push_back(this);
  if (EventGate::Busy()) EventGate::Later(Bury);

  // With no document window left there is no menu bar to go on from: the run ends.
  const auto open = OpenWindows();
  const bool documentLeft = std::any_of(
      open.begin(), open.end(), [](Window* w) { return w->record_.frame == Frame::Document; });
  if (!documentLeft && record_.frame == Frame::Document && Application::Current()) {
    Application::Current()->Quit();
  }
}

void Window::Refresh(bool eraseBackground) {
  qt_->frame->update();
  for (const auto& c : controls_) c->Refresh(eraseBackground);
}

int Window::Width() const {
  return qt_->content ? qt_->content->width() : record_.Width;
}
int Window::Height() const {
  return qt_->content ? qt_->content->height() : record_.Height;
}

void Window::FitContent() {
  if (!record_.Resizeable || !qt_->content) return;
  const int bar = qt_->menuBar ? qt_->menuBar->height() : 0;
  if (qt_->menuBar) qt_->menuBar->setGeometry(0, 0, qt_->frame->width(), bar);
  qt_->content->setGeometry(0, bar, qt_->frame->width(), qt_->frame->height() - bar);
}

bool Window::DeliverKey(Key key) {
  if (!IsOpen()) return false;
  for (const auto& c : controls_) {
    auto* button = dynamic_cast<PushButton*>(c.get());
    if (!button || !button->Enabled() || !button->Visible()) continue;
    if (key == Key::Return ? button->Default() : button->Cancel()) {
      button->Push();
      return true;
    }
  }
  return false;
}

void Window::SetWidth(int width) {
  const int bar = qt_->menuBar ? qt_->menuBar->sizeHint().height() : 0;
  const int height = record_.Height;
  if (qt_->menuBar) qt_->menuBar->setGeometry(0, 0, width, bar);
  qt_->content->setGeometry(0, bar, width, height);
  if (record_.Resizeable) {
    qt_->frame->resize(width, height + bar);
  } else {
    qt_->frame->setFixedSize(width, height + bar);
  }
}

Control* Window::ControlByName(const std::string& name, int index) const {
  for (const auto& c : controls_) {
    if (c->Name() == name && c->Index() == index) return c.get();
  }
  return nullptr;
}

std::vector<Control*> Window::Controls() const {
  std::vector<Control*> all;
  for (const auto& c : controls_) all.push_back(c.get());
  return all;
}

void Window::ThrowNoControl(const std::string& name, int index) {
  throw std::out_of_range("no control " + name +
                          (index >= 0 ? "(" + std::to_string(index) + ")" : ""));
}

void Window::DeliverActivate() {
  if (!IsOpen()) return;
  EventGate::Dispatch([this] { Event_Activate(); });
}

void Window::DeliverMouseDown(int x, int y) {
  if (!IsOpen()) return;
  EventGate::Dispatch([this, x, y] { Event_MouseDown(x, y); });
}

void Window::DeliverCloseBox() {
  if (!IsOpen() || !record_.CloseButton) return;
  EventGate::Dispatch([this] { Close(); });
}

QWidget* Window::Widget() const {
  return qt_->frame;
}
QWidget* Window::Content() const {
  return qt_->content;
}

void Window::DestroyAll() {
  Bury();
  while (!Existing().empty()) delete Existing().back();
}

std::vector<Window*> Window::OpenWindows() {
  std::vector<Window*> open;
  for (Window* w : Existing()) {
    if (w->IsOpen()) open.push_back(w);
  }
  return open;
}
