#include "buttons.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "qt_text.h"
#include "window.h"

namespace {

template <class W>
W* As(QWidget* widget) {
  return static_cast<W*>(widget);
}

}  // namespace

PushButton::PushButton(Window& owner, const ControlSpec& entry)
    : Control(owner, entry), cancel_(entry.Cancel) {
  auto* button = new QPushButton(ToQt(entry.Text), owner.Content());
  button->setDefault(entry.Default);
  button->setAutoDefault(false);
  QObject::connect(button, &QPushButton::clicked, [this] { Push(); });
  Adopt(button, entry);
}

std::string PushButton::Caption() const {
  return FromQt(As<QPushButton>(Widget())->text());
}
void PushButton::SetCaption(const std::string& caption) {
  As<QPushButton>(Widget())->setText(ToQt(caption));
}
bool PushButton::Default() const {
  return As<QPushButton>(Widget())->isDefault();
}
void PushButton::Push() {
  Raise(Action);
}

CheckBox::CheckBox(Window& owner, const ControlSpec& entry) : Control(owner, entry) {
  auto* box = new QCheckBox(ToQt(entry.Text), owner.Content());
  box->setChecked(entry.Value);
  Adopt(box, entry);
}

std::string CheckBox::Caption() const {
  return FromQt(As<QCheckBox>(Widget())->text());
}
bool CheckBox::Value() const {
  return As<QCheckBox>(Widget())->isChecked();
}
void CheckBox::SetValue(bool value) {
  As<QCheckBox>(Widget())->setChecked(value);
}

RadioButton::RadioButton(Window& owner, const ControlSpec& entry) : Control(owner, entry) {
  auto* button = new QRadioButton(ToQt(entry.Text), owner.Content());
  button->setChecked(entry.Value);
  Adopt(button, entry);
}

std::string RadioButton::Caption() const {
  return FromQt(As<QRadioButton>(Widget())->text());
}
bool RadioButton::Value() const {
  return As<QRadioButton>(Widget())->isChecked();
}

void RadioButton::SetValue(bool value) {
  auto* button = As<QRadioButton>(Widget());
  // Qt keeps one button of an exclusive group checked; clearing one needs the group let go.
  button->setAutoExclusive(value);
  button->setChecked(value);
  button->setAutoExclusive(true);
}

DisclosureTriangle::DisclosureTriangle(Window& owner, const ControlSpec& entry)
    : Control(owner, entry), value_(entry.Value) {
  auto* button = new QToolButton(owner.Content());
  button->setAutoRaise(true);
  button->setArrowType(value_ ? Qt::DownArrow : Qt::RightArrow);
  QObject::connect(button, &QToolButton::clicked, [this] { Click(); });
  Adopt(button, entry);
}

void DisclosureTriangle::SetValue(bool value) {
  value_ = value;
  As<QToolButton>(Widget())->setArrowType(value ? Qt::DownArrow : Qt::RightArrow);
}

void DisclosureTriangle::Click() {
  if (!Enabled()) return;
  Raise([this] {
    SetValue(!value_);
    if (Action) Action();
  });
}
