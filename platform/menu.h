#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

// A tree of named menu items: a menu bar is the root item, its menus are its children, their
// items the menus' children. Windows that show the bar build their own Qt menus from the tree and
// follow the items' texts and enabled states.
class MenuItem {
 public:
  MenuItem() = default;
  MenuItem(const MenuItem&) = delete;
  MenuItem& operator=(const MenuItem&) = delete;
  virtual ~MenuItem() = default;

  std::string Name;
  std::string Text;              // "-" makes a separator
  std::string KeyboardShortcut;  // "Cmd+Q"; Cmd is Ctrl on this desktop
  bool AutoEnable = false;       // an auto-enabled item is always enabled

  bool Enabled() const { return AutoEnable || enabled_; }
  void SetEnabled(bool enabled);

  // Appends a child; the item owns it.
  MenuItem& Append(std::unique_ptr<MenuItem> child);
  // The direct child of that name, or null.
  MenuItem* Child(const std::string& name) const;
  // The item of that name anywhere below this one (depth first), or null.
  MenuItem* Lookup(const std::string& name);

  int Count() const { return static_cast<int>(children_.size()); }
  MenuItem& Item(int i) const { return *children_[static_cast<size_t>(i)]; }
  bool IsSeparator() const { return Text == "-"; }

  // Called whenever Enabled changes; returns an id for Unwatch.
  int Watch(std::function<void()> onChange);
  void Unwatch(int id);

 private:
  bool enabled_ = false;
  std::vector<std::unique_ptr<MenuItem>> children_;
  std::vector<std::pair<int, std::function<void()>>> watchers_;
  int nextWatch_ = 0;
};

class MenuBar : public MenuItem {};

// The About item: on this desktop it stays in the menu the program puts it in.
class AppleMenuItem : public MenuItem {};

// Choosing it quits the application; the program gives it no handler.
class QuitMenuItem : public MenuItem {};
