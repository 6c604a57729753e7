#include "darwins_theory/window_sim_l1.h"

#include "app/app.h"
#include "app/menu.h"
#include "core/runtime.h"
#include "platform/buttons.h"

namespace {

const SimWindowTexts kTexts{
    .TraitLabel = "StaticText4",
    .FormSuffix = " of dots is:",
    .CeilingMessage = "You've got to be kidding!  That's too many dots.  I'm not making any more.",
};

}  // namespace

WindowSimL1::WindowSimL1() : SimWindow(kTexts) {
  Build(kWindowSimL1Record, &TheMenu(), kWindowSimL1Controls);
  BindControls();
  CheckBoxVariable = &Find<CheckBox>("CheckBoxVariable");
  CheckBoxHeritable = &Find<CheckBox>("CheckBoxHeritable");
}

class WindowSimL1& WindowSimL1() {
  return ImplicitWindow<class WindowSimL1>();
}

void WindowSimL1::SetOpenFlag(bool open) {
  TheApp().WindowSimL1Open = open;
}

bool WindowSimL1::Varied() {
  return CheckBoxVariable->Value();
}

// Heritable: the child takes the parent's trait. Not heritable: the child keeps the trait it was
// constructed with and the parent's is drawn afresh (class 3 when not Variable).
void WindowSimL1::ApplyTraitRule(SpeciesDot& p, SpeciesDot& c) {
  const bool heritable = CheckBoxHeritable->Value();
  auto freshClass = [this] {
    return CheckBoxVariable->Value() ? ToInt32(Round(Rnd() * 6)) : Trait::kUnvariedClass;
  };
  if (Globals::Mode == "Speed") {
    if (heritable) {
      c.speed = p.speed;
      c.CoatColor = p.CoatColor;
    } else {
      const int k = freshClass();
      p.speed = Trait::SpeedOf(k);
      p.CoatColor = Globals::Spectrum(k);
    }
  } else if (Globals::Mode == "Size") {
    if (heritable) {
      c.height = p.height;
      c.width = p.width;
      c.CoatColor = p.CoatColor;
    } else {
      const int k = freshClass();
      // Erased at its old size so that a parent that shrinks leaves nothing behind.
      Erase(p);
      p.height = Trait::SizeOf(k);
      p.width = Trait::SizeOf(k);
      p.CoatColor = Globals::Spectrum(k);
      Paint(p);
    }
  } else if (Globals::Mode == "Visibility") {
    if (heritable) {
      c.CoatColor = p.CoatColor;
    } else {
      p.CoatColor = Globals::Blue(freshClass());
    }
  }
}
