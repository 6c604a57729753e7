#pragma once

#include "darwins_theory/sim_window.h"
#include "model/organism.h"

class CheckBox;

// "Darwin's Theory", the main window: a population of dots under the switches Variable,
// Heritable and Selective.
class WindowSimL1 : public SimWindow<SpeciesDot> {
 public:
  WindowSimL1();

  CheckBox* CheckBoxVariable = nullptr;
  CheckBox* CheckBoxHeritable = nullptr;

 protected:
  void SetOpenFlag(bool open) override;
  int NewPopulationSize() override { return NumIndivs; }
  bool Varied() override;
  void ApplyTraitRule(SpeciesDot& p, SpeciesDot& c) override;
};

// The window's single instance: the open one, or a new one built from the layout.
class WindowSimL1& WindowSimL1();

// The layout, in creation order.
extern const WindowRecord kWindowSimL1Record;
extern const std::span<const ControlSpec> kWindowSimL1Controls;
