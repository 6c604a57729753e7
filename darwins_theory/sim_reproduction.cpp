// Reproduce: every living organism divides in two, up to the population ceiling.

#include "core/runtime.h"
#include "darwins_theory/sim_instantiations.h"
#include "platform/canvas.h"
#include "platform/dialogs.h"
#include "platform/text_controls.h"

template <class Species>
void SimWindow<Species>::PushButtonDivide_Action() {
  ++Gen;
  StartDivisions();
  // Children appended during this press are not divided again in it.
  const int n = Individual.Ubound();
  for (int i = 1; i <= n; ++i) {
    // An organism eaten after the last tick and left by Stop stays dead and red: it does not
    // divide, and the next tick removes it.
    if (!Individual(i).Alive) continue;
    Divide(i);
    if (Individual.Ubound() > kPopulationCeiling) {
      MsgBox(texts_.CeilingMessage);
      break;
    }
  }
  StaticTextNumRemaining->SetText(Str(Individual.Ubound()));
  CopyArenaPicture();
  DrawHistoCurrent();
  HistoCurrent->Refresh(true);
}

template <class Species>
void SimWindow<Species>::Divide(int i) {
  ShiftFromEdge(Individual(i));
  Species c;
  c.Construct(*RectangleRange, Varied());
  ApplyTraitRule(Individual(i), c);

  // The child starts a third of its width right of the parent's centre.
  const Species& p = Individual(i);
  c.xctr = p.xctr;
  c.yctr = p.yctr;
  c.PlaceBox();
  c.xctr = c.xctr + c.width / 3.0;
  c.left = ToInt32(Round(c.xctr) - c.width / 2.0);
  Individual.Append(c);

  // Appending may move the population, so the parent is looked up again.
  Species& parent = Individual(i);
  Erase(parent);
  parent.xctr = parent.xctr - parent.width / 3.0;
  parent.PlaceBox();
  Paint(parent);
  Paint(Individual(Individual.Ubound()));
}

// A parent within one width of the arena's left or right side moves a third of its width away
// from it, so that parent and child both stay inside.
template <class Species>
void SimWindow<Species>::ShiftFromEdge(Species& p) {
  const int left = RectangleRange->Left();
  const int right = left + RectangleRange->Width();
  double shift = 0;
  if (p.xctr - p.width < left) {
    shift = p.width / 3.0;
  } else if (right < p.xctr + p.width) {
    shift = -(p.width / 3.0);
  } else {
    return;
  }
  Erase(p);
  p.xctr = p.xctr + shift;
  p.left = ToInt32(Round(p.xctr) - p.width / 2.0);
  Paint(p);
}

SKELLITH_INSTANTIATE_SIM_WINDOW
