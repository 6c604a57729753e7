#pragma once

#include "darwins_theory/sim_window.h"
#include "model/organism.h"

class CheckBox;
class EditField;

// "Mutation's Role": the simulation design on squares, with a typed population size, always
// variable and heritable organisms, and reproduction with or without mutation.
class WindowSimL2 : public SimWindow<SpeciesSquare> {
 public:
  WindowSimL2();

  CheckBox* CheckBoxWithMut = nullptr;
  EditField* EditFieldPopSz = nullptr;

 protected:
  void SetOpenFlag(bool open) override;
  int NewPopulationSize() override;
  bool Varied() override { return true; }
  void StartDivisions() override { class_ = 0; }
  void ApplyTraitRule(SpeciesSquare& p, SpeciesSquare& d) override;

 private:
  void Mutate(SpeciesSquare& o, bool inArena);

  // The class a mutation works on: set to 0 at each press and carried from one division to the
  // next, so a parent of no class (an eaten one) mutates from the class left before.
  int class_ = 0;
};

// The window's single instance: the open one, or a new one built from the layout.
class WindowSimL2& WindowSimL2();

// The layout, in creation order.
extern const WindowRecord kWindowSimL2Record;
extern const std::span<const ControlSpec> kWindowSimL2Controls;
