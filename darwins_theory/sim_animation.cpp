// New Population, Run/Stop and the animation tick.

#include "core/runtime.h"
#include "darwins_theory/sim_instantiations.h"
#include "platform/buttons.h"
#include "platform/canvas.h"
#include "platform/dialogs.h"
#include "platform/list_controls.h"
#include "platform/shapes.h"
#include "platform/text_controls.h"
#include "platform/timer.h"

template <class Species>
void SimWindow<Species>::PushButtonNewPop_Action() {
  FillPictureBuffer(*RectangleRange, Globals::White);
  Gen = 0;
  // A size below zero makes an empty population, as zero does.
  Individual.Redim(std::max(NewPopulationSize(), 0));
  for (int i = 1; i <= Individual.Ubound(); ++i) {
    Species d;
    d.Construct(*RectangleRange, Varied());
    Individual(i) = d;
    Paint(Individual(i));
  }
  const int n = Individual.Ubound();
  StaticTextNumRemaining->SetText(Str(n));
  if (n > kTrafficGreenAbove) TrafficLight->SetFillColor(kLightGreen);
  CopyArenaPicture();
  PushButtonRun->SetEnabled(true);
  PushButtonDivide->SetEnabled(true);
  ListBox1->DeleteAllRows();
  DrawHistoStart();
  BlankCurrentHistogram();
  StaticTextMaxCurrent->SetText(Str(0));
}

template <class Species>
void SimWindow<Species>::BlankCurrentHistogram() {
  const int w = HistoCurrent->Width();
  const int h = HistoCurrent->Height();
  HistoCurrent->SetBackdrop(NewPicture(w, h, 8));
  Graphics& g = HistoCurrent->Backdrop()->Graphics();
  g.UseOldRenderer = true;
  g.ForeColor = Globals::White;
  g.FillRect(0, 0, w, h);
  HistoCurrent->Refresh(true);
}

template <class Species>
void SimWindow<Species>::PushButtonRun_Action() {
  if (!Running) {
    Running = true;
    Timer1->SetMode(TimerMode::Repeating);
    PushButtonRun->SetCaption("Stop");
    PushButtonNewPop->SetEnabled(false);
    PushButtonDivide->SetEnabled(false);
    // The screen keeps the stopped picture until the first tick paints on this background.
    FillPictureBuffer(*RectangleRange, Trait::ArenaBackground(true));
    return;
  }
  Running = false;
  Timer1->SetMode(TimerMode::Off);
  PushButtonRun->SetCaption("Run");
  PushButtonNewPop->SetEnabled(true);
  PushButtonDivide->SetEnabled(true);
  FillPictureBuffer(*RectangleRange, Globals::White);
  // An organism eaten since the last tick stays in the population, unpainted.
  for (int i = 1; i <= Individual.Ubound(); ++i) {
    if (Individual(i).Alive) Paint(Individual(i));
  }
  CopyArenaPicture();
  DrawHistoCurrent();
}

template <class Species>
void SimWindow<Species>::Timer1_Action() {
  const Color bg = Trait::ArenaBackground(true);
  if (!Running) return;
  int i = 1;
  while (i <= Individual.Ubound()) {
    Species& o = Individual(i);
    if (o.Alive) {
      o.Draw(*RectangleRange, *PictureBuffer, bg);
      o.Move();
      o.Bounce(*RectangleRange);
      o.Draw(*RectangleRange, *PictureBuffer, o.CoatColor);
      ++i;
      continue;
    }
    // Only a click kills, and it paints its victim red; anything else dead is reported once and
    // then removed like an eaten organism, so the tick always gets past it.
    if (!(o.CoatColor == Globals::Red)) MsgBox(kDeadOrganismMessage);
    RemoveEaten(i, bg);
  }
  CopyArenaPicture();
}

template <class Species>
void SimWindow<Species>::RemoveEaten(int i, Color bg) {
  // An eaten organism does not move, so this erases the red mark where it was painted.
  Individual(i).Draw(*RectangleRange, *PictureBuffer, bg);
  Individual.Remove(i);
  const int n = Individual.Ubound();
  StaticTextNumRemaining->SetText(Str(n));
  if (n < kTrafficRedBelow) {
    TrafficLight->SetFillColor(kLightRed);
  } else if (n < kTrafficYellowBelow) {
    TrafficLight->SetFillColor(kLightYellow);
  }
}

SKELLITH_INSTANTIATE_SIM_WINDOW
