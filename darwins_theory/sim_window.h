#pragma once

#include <array>
#include <string>

#include "core/array.h"
#include "core/picture.h"
#include "model/globals.h"
#include "model/organism.h"
#include "platform/window.h"

class Canvas;
class CheckBox;
class DisclosureTriangle;
class Listbox;
class Oval;
class PushButton;
class StaticText;
class Timer;

// Shared by both simulation windows.
inline constexpr int kPanelHiddenWidth = 566;  // the history panel lies right of this
inline constexpr int kPanelShownWidth = 750;
inline constexpr int kTrafficGreenAbove = 30;   // a new population above this: green
inline constexpr int kTrafficYellowBelow = 31;  // a removal leaving fewer than this: yellow
inline constexpr int kTrafficRedBelow = 26;     // ... fewer than this: red
inline constexpr int kPopulationCeiling = 999;  // Reproduce stops once the population passes it
inline constexpr Color kLightOff = RGB(255, 255, 255);
inline constexpr Color kLightGreen = RGB(0, 145, 0);
inline constexpr Color kLightYellow = RGB(245, 200, 0);
inline constexpr Color kLightRed = RGB(230, 0, 0);
inline constexpr const char* kDeadOrganismMessage =
    "There's a dead dot hanging around. Look in Timer1's Action Method.";

// What the two simulation windows word differently.
struct SimWindowTexts {
  const char* TraitLabel;      // the name of the label under the legend
  const char* FormSuffix;      // follows "Speed", "Size" or "Color" in StaticText1
  const char* CeilingMessage;  // shown when Reproduce stops at the ceiling
};

// The simulation-window design: an arena with its off-screen picture, a population used from
// index 1, a repeating timer, New Population, Run/Stop, the tick, predation by click, Reproduce,
// two histograms and a history list. A window class states its layout and what differs through
// the hooks at the end.
template <class Species>
class SimWindow : public Window {
 public:
  bool Running = false;
  int NumIndivs = 0;
  PicturePtr PictureBuffer;
  Array<Species> Individual;  // element 0 is never an organism
  int Gen = 0;

  Canvas* RectangleRange = nullptr;
  Timer* Timer1 = nullptr;
  Canvas* HistoCurrent = nullptr;
  Canvas* HistoStart = nullptr;
  PushButton* PushButtonRun = nullptr;
  PushButton* PushButtonDivide = nullptr;
  PushButton* PushButtonNewPop = nullptr;
  StaticText* StaticText1 = nullptr;
  CheckBox* CheckBoxSelective = nullptr;
  StaticText* TraitLabel = nullptr;
  std::array<Oval*, Trait::kClasses> OvalColor{};
  StaticText* StaticTextMaxCurrent = nullptr;
  StaticText* StaticTextMaxStart = nullptr;
  StaticText* StaticTextNumRemaining = nullptr;
  Oval* TrafficLight = nullptr;
  DisclosureTriangle* DisclosureTriangle1 = nullptr;
  Listbox* ListBox1 = nullptr;

  // Lifecycle, arena picture and mode set-up.
  void Event_Open() override;
  void Event_Close() override;
  void Event_Activate() override;
  void RectangleRange_Paint(Graphics& g);
  void FillPictureBuffer(Canvas& canvas, Color c);
  void DisclosureTriangle1_Action();
  void ListBox1_Open();
  void SetupWindowForMode();

  // New Population, Run/Stop and the animation tick.
  void PushButtonNewPop_Action();
  void PushButtonRun_Action();
  void Timer1_Action();

  // Predation by click.
  bool Event_MouseDown(int x, int y) override;

  // Reproduction.
  void PushButtonDivide_Action();

  // Histograms and history list.
  void DrawHistoStart();
  void DrawHistoCurrent();

 protected:
  explicit SimWindow(const SimWindowTexts& texts) : texts_(texts) {}

  // Finds the shared controls of the built layout and binds the seven control events.
  void BindControls();

  // Draw an organism into the arena picture in the background white, or in its own color.
  void Erase(Species& o);
  void Paint(Species& o);

  // Hooks.
  virtual void SetOpenFlag(bool open) = 0;
  // The size of a new population; may read the window's controls and store NumIndivs.
  virtual int NewPopulationSize() = 0;
  // Whether new organisms and children are constructed varied.
  virtual bool Varied() = 0;
  // Called once per Reproduce press, before the first division.
  virtual void StartDivisions() {}
  // Gives parent p and child c their traits after c was constructed.
  virtual void ApplyTraitRule(Species& p, Species& c) = 0;

 private:
  void CopyArenaPicture();
  void BlankCurrentHistogram();
  void DrawHisto(Canvas& canvas, StaticText& maxLabel, const std::string& firstCell,
                 bool countsInFirstRow);
  void RemoveEaten(int i, Color bg);
  void Eat(Species& o);
  void EatAtRandom();
  void ShiftFromEdge(Species& p);
  void Divide(int i);

  const SimWindowTexts& texts_;
};
