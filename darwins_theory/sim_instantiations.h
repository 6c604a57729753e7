#pragma once

// Each file that defines members of the simulation-window design ends with these, so that both
// windows get every member.
#include "darwins_theory/sim_window.h"
#include "model/organism.h"

#define SKELLITH_INSTANTIATE_SIM_WINDOW \
  template class SimWindow<SpeciesDot>; \
  template class SimWindow<SpeciesSquare>;
