// Lifecycle, the arena picture and the set-up for the trait mode.

#include "darwins_theory/sim_instantiations.h"
#include "platform/buttons.h"
#include "platform/canvas.h"
#include "platform/list_controls.h"
#include "platform/shapes.h"
#include "platform/text_controls.h"
#include "platform/timer.h"

template <class Species>
void SimWindow<Species>::BindControls() {
  RectangleRange = &Find<Canvas>("RectangleRange");
  Timer1 = &Find<Timer>("Timer1");
  HistoCurrent = &Find<Canvas>("HistoCurrent");
  HistoStart = &Find<Canvas>("HistoStart");
  PushButtonRun = &Find<PushButton>("PushButtonRun");
  PushButtonDivide = &Find<PushButton>("PushButtonDivide");
  PushButtonNewPop = &Find<PushButton>("PushButtonNewPop");
  StaticText1 = &Find<StaticText>("StaticText1");
  CheckBoxSelective = &Find<CheckBox>("CheckBoxSelective");
  TraitLabel = &Find<StaticText>(texts_.TraitLabel);
  for (int k = 0; k < Trait::kClasses; ++k) OvalColor[k] = &Find<Oval>("OvalColor", k);
  StaticTextMaxCurrent = &Find<StaticText>("StaticTextMaxCurrent");
  StaticTextMaxStart = &Find<StaticText>("StaticTextMaxStart");
  StaticTextNumRemaining = &Find<StaticText>("StaticTextNumRemaining");
  TrafficLight = &Find<Oval>("TrafficLight");
  DisclosureTriangle1 = &Find<DisclosureTriangle>("DisclosureTriangle1");
  ListBox1 = &Find<Listbox>("ListBox1");

  RectangleRange->Paint = [this](Graphics& g) { RectangleRange_Paint(g); };
  Timer1->Action = [this] { Timer1_Action(); };
  PushButtonRun->Action = [this] { PushButtonRun_Action(); };
  PushButtonDivide->Action = [this] { PushButtonDivide_Action(); };
  PushButtonNewPop->Action = [this] { PushButtonNewPop_Action(); };
  DisclosureTriangle1->Action = [this] { DisclosureTriangle1_Action(); };
  ListBox1->Open = [this] { ListBox1_Open(); };
}

template <class Species>
void SimWindow<Species>::Event_Open() {
  SetOpenFlag(true);
  SetWidth(kPanelHiddenWidth);
  Running = false;
  NumIndivs = 50;
  FillPictureBuffer(*RectangleRange, Globals::White);
  PushButtonNewPop->SetEnabled(true);
  SetupWindowForMode();
}

// The window, its timer and its population go with it; Running is left as it is.
template <class Species>
void SimWindow<Species>::Event_Close() {
  SetOpenFlag(false);
}

template <class Species>
void SimWindow<Species>::Event_Activate() {
  Refresh(true);
  CopyArenaPicture();
  HistoStart->Refresh(true);
  HistoCurrent->Refresh(true);
}

template <class Species>
void SimWindow<Species>::RectangleRange_Paint(Graphics& /*g*/) {
  CopyArenaPicture();
}

template <class Species>
void SimWindow<Species>::CopyArenaPicture() {
  if (PictureBuffer) RectangleRange->Graphics().DrawPicture(*PictureBuffer, 0, 0);
}

template <class Species>
void SimWindow<Species>::FillPictureBuffer(Canvas& canvas, Color c) {
  const int w = canvas.Width();
  const int h = canvas.Height();
  PictureBuffer = NewPicture(w, h, 8);
  Graphics& g = PictureBuffer->Graphics();
  g.UseOldRenderer = true;
  g.ForeColor = c;
  g.FillRect(0, 0, w, h);
}

template <class Species>
void SimWindow<Species>::DisclosureTriangle1_Action() {
  SetWidth(DisclosureTriangle1->Value() ? kPanelShownWidth : kPanelHiddenWidth);
}

template <class Species>
void SimWindow<Species>::ListBox1_Open() {
  ListBox1->SetHeading(0, "g");
}

template <class Species>
void SimWindow<Species>::SetupWindowForMode() {
  const Array<Color>* legend = nullptr;
  const char* trait = nullptr;
  if (Globals::Mode == "Speed") {
    legend = &Globals::Spectrum;
    trait = "Speed";
  } else if (Globals::Mode == "Size") {
    legend = &Globals::Spectrum;
    trait = "Size";
  } else if (Globals::Mode == "Visibility") {
    legend = &Globals::Blue;
    trait = "Color";
  }
  // Any other mode leaves the legend and the labels as they are.
  if (legend) {
    for (int k = 0; k <= legend->Ubound() && k < Trait::kClasses; ++k) {
      OvalColor[k]->SetFillColor((*legend)(k));
    }
    TraitLabel->SetText(trait);
    StaticText1->SetText(std::string(trait) + texts_.FormSuffix);
  }
  TrafficLight->SetFillColor(kLightOff);
  ListBox1->DeleteAllRows();
}

template <class Species>
void SimWindow<Species>::Erase(Species& o) {
  o.Draw(*RectangleRange, *PictureBuffer, Globals::White);
}

template <class Species>
void SimWindow<Species>::Paint(Species& o) {
  o.Draw(*RectangleRange, *PictureBuffer, o.CoatColor);
}

SKELLITH_INSTANTIATE_SIM_WINDOW
