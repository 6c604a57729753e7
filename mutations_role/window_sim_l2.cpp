#include "mutations_role/window_sim_l2.h"

#include <algorithm>

#include "app/app.h"
#include "core/runtime.h"
#include "platform/buttons.h"
#include "platform/text_controls.h"

namespace {

const SimWindowTexts kTexts{
    .TraitLabel = "StaticText11",
    .FormSuffix = " of dots is variable and heritable",
    .CeilingMessage =
        "You've got to be kidding!  That's too many squares.  I'm not making any more.",
};

constexpr int kMutationRoll = 6;  // one roll of 0..10 in ten

}  // namespace

WindowSimL2::WindowSimL2() : SimWindow(kTexts) {
  Build(kWindowSimL2Record, nullptr, kWindowSimL2Controls);
  BindControls();
  CheckBoxWithMut = &Find<CheckBox>("CheckBoxWithMut");
  EditFieldPopSz = &Find<EditField>("EditFieldPopSz");
}

class WindowSimL2& WindowSimL2() {
  return ImplicitWindow<class WindowSimL2>();
}

void WindowSimL2::SetOpenFlag(bool open) {
  TheApp().WindowSimL2Open = open;
}

// The typed size, read once; a text that begins with no number makes an empty population.
int WindowSimL2::NewPopulationSize() {
  NumIndivs = ToInt32(Val(EditFieldPopSz->Text()));
  return NumIndivs;
}

// The daughter is an exact copy of its parent, unless with mutation one division in ten moves
// the parent or the daughter one class up or down.
void WindowSimL2::ApplyTraitRule(SpeciesSquare& p, SpeciesSquare& d) {
  auto copy = [&] {
    d.CoatColor = p.CoatColor;
    d.speed = p.speed;
    d.height = p.height;
    d.width = p.width;
  };
  if (!CheckBoxWithMut->Value() || ToInt32(Round(Rnd() * 10.0)) != kMutationRoll) {
    copy();
    return;
  }
  const Array<Color>& palette = Trait::Palette();
  for (int k = 0; k <= palette.Ubound(); ++k) {
    if (palette(k) == p.CoatColor) class_ = k;
  }
  if (Rnd() < 0.5) {
    copy();
    Mutate(p, true);
  } else {
    Mutate(d, false);
  }
}

// One class up or down with equal chance, the end classes staying put; color, and speed or size,
// follow the new class. A square already in the arena picture is erased at its former size first,
// so one that shrinks leaves nothing behind; the placement that follows draws it anew.
void WindowSimL2::Mutate(SpeciesSquare& o, bool inArena) {
  if (Rnd() < 0.5) {
    class_ = std::min(class_ + 1, Trait::kClasses - 1);
  } else {
    class_ = std::max(class_ - 1, 0);
  }
  o.CoatColor = Trait::Palette()(class_);
  if (Globals::Mode == "Speed") o.speed = Trait::SpeedOf(class_);
  if (Globals::Mode == "Size") {
    if (inArena) Erase(o);
    o.height = Trait::SizeOf(class_);
    o.width = Trait::SizeOf(class_);
  }
}
