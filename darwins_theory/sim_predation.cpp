// Predation by click: the student eats the organisms under the pointer, or one at random.

#include <cmath>

#include "core/runtime.h"
#include "darwins_theory/sim_instantiations.h"
#include "platform/buttons.h"

template <class Species>
bool SimWindow<Species>::Event_MouseDown(int x, int y) {
  if (!Running || Individual.Ubound() <= 0) return false;
  if (!CheckBoxSelective->Value()) {
    EatAtRandom();
    return false;
  }
  // The whole bounding box counts, not only the painted shape; both tests are strict.
  for (int i = 1; i <= Individual.Ubound(); ++i) {
    Species& o = Individual(i);
    if (std::abs(o.xctr - x) < o.width / 2.0 && std::abs(o.yctr - y) < o.height / 2.0 && o.Alive) {
      Eat(o);
    }
  }
  return false;
}

template <class Species>
void SimWindow<Species>::EatAtRandom() {
  const int n = Individual.Ubound();
  bool anyLiving = n == 1;
  for (int i = 1; i <= n && !anyLiving; ++i) anyLiving = Individual(i).Alive;
  // Drawing again past eaten organisms would never end when none is living.
  if (!anyLiving) return;
  int r;
  do {
    r = ToInt32(Round(Rnd() * (n - 1))) + 1;
  } while (n > 1 && !Individual(r).Alive);
  Eat(Individual(r));
}

template <class Species>
void SimWindow<Species>::Eat(Species& o) {
  o.Alive = false;
  o.CoatColor = Globals::Red;
  Paint(o);
  CopyArenaPicture();
}

SKELLITH_INSTANTIATE_SIM_WINDOW
