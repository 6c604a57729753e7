#include "menu.h"

#include <algorithm>

void MenuItem::SetEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  // A copy, so a watcher may unwatch itself.
  auto watchers = watchers_;
  for (auto& [id, onChange] : watchers) onChange();
}

MenuItem& MenuItem::Append(std::unique_ptr<MenuItem> child) {
  children_.push_back(std::move(child));
  return *children_.back();
}

MenuItem* MenuItem::Child(const std::string& name) const {
  for (const auto& child : children_) {
    if (child->Name == name) return child.get();
  }
  return nullptr;
}

MenuItem* MenuItem::Lookup(const std::string& name) {
  if (Name == name) return this;
  for (const auto& child : children_) {
    if (MenuItem* found = child->Lookup(name)) return found;
  }
  return nullptr;
}

int MenuItem::Watch(std::function<void()> onChange) {
  watchers_.emplace_back(nextWatch_, std::move(onChange));
  return nextWatch_++;
}

void MenuItem::Unwatch(int id) {
  std::erase_if(watchers_, [id](const auto& w) { return w.first == id; });
}
