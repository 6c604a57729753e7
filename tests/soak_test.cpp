// A long random sequence of user actions on the main window. After every step the window must
// show one of its three states and agree with itself: count, light, history, organisms and arena.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <iostream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "platform/buttons.h"
#include "platform/canvas.h"
#include "platform/list_controls.h"
#include "platform/shapes.h"
#include "platform/text_controls.h"
#include "platform/timer.h"
#include "tests/param_print.h"
#include "tests/ui_fixture.h"

namespace {

constexpr int kDefaultActions = 100000;
constexpr uint64_t kDefaultSeed = 20250611;
constexpr int kNewPopulationSize = 50;
// How far a centre may stray past the arena's side before a bounce brings it back: a step of the
// fastest dot (3.1), or in "Size" mode a division next to a side (up to 4) and a step.
constexpr double kArenaSlack = 8.0;
constexpr size_t kRecentActions = 24;
const char* const kCeilingMessage =
    "You've got to be kidding!  That's too many dots.  I'm not making any more.";

int ActionsFromEnvironment() {
  const char* text = std::getenv("SKELLITH_SOAK_ACTIONS");
  if (!text) return kDefaultActions;
  const long n = std::strtol(text, nullptr, 10);
  return n > 0 ? static_cast<int>(n) : kDefaultActions;
}

uint64_t SeedFromEnvironment(uint64_t fallback) {
  const char* text = std::getenv("SKELLITH_SOAK_SEED");
  return text ? std::strtoull(text, nullptr, 10) : fallback;
}

enum class Act {
  NewPopulation,
  RunStop,
  Reproduce,
  Tick,
  PressOnOrganism,
  PressInArena,
  PressOutside,
  Variable,
  Heritable,
  Selective,
  Triangle,
};
constexpr int kActs = 11;

const char* NameOf(Act a) {
  static const char* const kNames[kActs] = {
      "NewPopulation", "RunStop",  "Reproduce", "Tick",      "PressOnOrganism", "PressInArena",
      "PressOutside",  "Variable", "Heritable", "Selective", "Triangle"};
  return kNames[static_cast<int>(a)];
}

// Weights per mood, in the order of Act. A balanced student, one who breeds and one who hunts:
// breeding reaches the population ceiling, hunting empties the arena.
constexpr std::array<std::array<double, kActs>, 3> kMoods{{
    {1, 8, 5, 40, 14, 6, 3, 2, 2, 2, 1},
    {0.2, 10, 25, 50, 2, 1, 1, 1, 1, 1, 0.5},
    {0.5, 2, 1, 30, 40, 10, 3, 1, 1, 3, 0.5},
}};
constexpr int kMoodLength = 300;  // steps, on average, before the mood changes

// What the soak itself expects, from the actions it delivered.
struct Shadow {
  bool made = false;  // a population has been made since the window opened
  bool running = false;
  int gen = 0;
  int rows = 0;
  Color light = kLightOff;
  size_t messages = 0;
};

// What one run of the soak went through, so that it is known to have reached the far corners.
struct Coverage {
  int ceilingPresses = 0;
  int emptyRunningTicks = 0;
  int eaten = 0;
  int maxPopulation = 0;
  int yellowLights = 0;
  int redLights = 0;
  int selectiveMisses = 0;
  double worstStray = -1e9;  // the farthest a centre was seen past the arena's side
};

std::vector<int> Counts(const Array<SpeciesDot>& population) {
  std::vector<int> counts(Trait::kClasses, 0);
  for (int i = 1; i <= population.Ubound(); ++i) {
    const int k = Trait::ClassOf(population(i).CoatColor);
    if (k >= 0) ++counts[static_cast<size_t>(k)];
  }
  return counts;
}

bool SameOrganism(const SpeciesDot& a, const SpeciesDot& b) {
  return a.xctr == b.xctr && a.yctr == b.yctr && a.Direction == b.Direction && a.Alive == b.Alive &&
         a.CoatColor == b.CoatColor && a.width == b.width && a.height == b.height &&
         a.left == b.left && a.top == b.top && a.speed == b.speed;
}

class Soak {
 public:
  Soak(class WindowSimL1& w, const std::vector<std::string>& messages, uint64_t seed)
      : w_(w), messages_(messages), rng_(seed) {}

  // Runs the given number of actions; returns an empty text, or what went wrong and where.
  std::string Run(int actions) {
    for (step_ = 0; step_ < actions; ++step_) {
      if (std::uniform_int_distribution<int>(1, kMoodLength)(rng_) == 1) {
        mood_ = std::uniform_int_distribution<int>(0, 2)(rng_);
      }
      auto& weights = kMoods[static_cast<size_t>(mood_)];
      const Act act =
          static_cast<Act>(std::discrete_distribution<int>(weights.begin(), weights.end())(rng_));
      std::string problem = Deliver(act);
      if (problem.empty()) problem = CheckWindow();
      if (!problem.empty()) return Report(act, problem);
    }
    return {};
  }

  const Coverage& Seen() const { return seen_; }

 private:
  std::string Report(Act act, const std::string& problem) const {
    std::ostringstream out;
    out << "step " << step_ << ", " << NameOf(act) << ": " << problem << "\nrecent actions:";
    for (const std::string& a : recent_) out << ' ' << a;
    return out.str();
  }

  void Remember(std::string text) {
    recent_.push_back(std::move(text));
    if (recent_.size() > kRecentActions) recent_.pop_front();
  }

  std::string Deliver(Act act) {
    before_ = w_.Individual;
    beforeMessages_ = messages_.size();
    switch (act) {
      case Act::NewPopulation:
        return NewPopulation();
      case Act::RunStop:
        return RunStop();
      case Act::Reproduce:
        return Reproduce();
      case Act::Tick:
        return Tick();
      case Act::PressOnOrganism:
        return PressOnOrganism();
      case Act::PressInArena:
        return PressInArena();
      case Act::PressOutside:
        return PressOutside();
      case Act::Variable:
        return Toggle(*w_.CheckBoxVariable, "Variable");
      case Act::Heritable:
        return Toggle(*w_.CheckBoxHeritable, "Heritable");
      case Act::Selective:
        return Toggle(*w_.CheckBoxSelective, "Selective");
      case Act::Triangle:
        return Triangle();
    }
    return "unknown action";
  }

  // Each action is delivered as the framework would, then checked for what it must have done.

  std::string NewPopulation() {
    Remember("NewPop");
    const bool enabled = !shadow_.running;
    w_.PushButtonNewPop->Push();
    if (!enabled) return Unchanged();
    shadow_ = Shadow{true, false, 0, 1, kLightGreen, shadow_.messages};
    const Array<SpeciesDot>& pop = w_.Individual;
    if (pop.Ubound() != kNewPopulationSize) return "new population of " + Str(pop.Ubound());
    const bool varied = w_.CheckBoxVariable->Value();
    for (int i = 1; i <= pop.Ubound(); ++i) {
      if (!pop(i).Alive) return "a new organism is dead";
      if (!varied && Trait::ClassOf(pop(i).CoatColor) != Trait::kUnvariedClass) {
        return "an unvaried new organism outside class 3";
      }
    }
    if (w_.StaticTextMaxCurrent->Text() != "0") return "current maximum not 0";
    if (!AllOf(*w_.HistoCurrent->Backdrop(), Globals::White)) return "current histogram not blank";
    if (std::string p = CheckHistoryRow(*w_.HistoStart, *w_.StaticTextMaxStart, "0"); !p.empty()) {
      return p;
    }
    return ArenaShowsStillPopulation();
  }

  std::string RunStop() {
    const bool enabled = shadow_.made;
    Remember(shadow_.running ? "Stop" : "Run");
    w_.PushButtonRun->Push();
    if (!enabled) return Unchanged();
    shadow_.running = !shadow_.running;
    if (std::string p = PopulationUnchanged(); !p.empty()) return p;
    if (shadow_.running) {
      const Color bg = Trait::ArenaBackground(true);
      return AllOf(*w_.PictureBuffer, bg) ? "" : "Run left the arena picture unfilled";
    }
    ++shadow_.rows;
    if (std::string p =
            CheckHistoryRow(*w_.HistoCurrent, *w_.StaticTextMaxCurrent, Str(shadow_.gen));
        !p.empty()) {
      return p;
    }
    return ArenaShowsStillPopulation();
  }

  std::string Reproduce() {
    Remember("Reproduce");
    const bool enabled = shadow_.made && !shadow_.running;
    const bool heritable = w_.CheckBoxHeritable->Value();
    const bool varied = w_.CheckBoxVariable->Value();
    w_.PushButtonDivide->Push();
    if (!enabled) return Unchanged();
    ++shadow_.gen;
    ++shadow_.rows;

    // The parents that divide, in order: the living ones, until the population passes 999.
    const int n = before_.Ubound();
    std::vector<int> parents;
    for (int i = 1; i <= n; ++i) {
      if (!before_(i).Alive) continue;
      parents.push_back(i);
      if (n + static_cast<int>(parents.size()) > kPopulationCeiling) break;
    }
    const int expected = n + static_cast<int>(parents.size());
    const bool ceiling = !parents.empty() && expected > kPopulationCeiling;
    if (ceiling) {
      ++seen_.ceilingPresses;
      ++shadow_.messages;
      if (messages_.size() != beforeMessages_ + 1 || messages_.back() != kCeilingMessage) {
        return "the ceiling message was not shown once";
      }
    }
    const Array<SpeciesDot>& pop = w_.Individual;
    if (pop.Ubound() != expected) {
      return "population " + Str(pop.Ubound()) + " after dividing " + Str(n) + ", expected " +
             Str(expected);
    }
    for (size_t j = 0; j < parents.size(); ++j) {
      const SpeciesDot& p = pop(parents[j]);
      const SpeciesDot& c = pop(n + 1 + static_cast<int>(j));
      if (std::string q = CheckDivision(p, c, before_(parents[j]), heritable, varied); !q.empty()) {
        return q + " (parent " + Str(parents[j]) + ")";
      }
    }
    if (std::string p =
            CheckHistoryRow(*w_.HistoCurrent, *w_.StaticTextMaxCurrent, Str(shadow_.gen));
        !p.empty()) {
      return p;
    }
    return ArenaShowsPicture();
  }

  std::string CheckDivision(const SpeciesDot& p, const SpeciesDot& c, const SpeciesDot& old,
                            bool heritable, bool varied) const {
    if (!p.Alive || !c.Alive) return "a dead parent or child";
    if (c.yctr != p.yctr) return "child not level with its parent";
    const double apart = c.xctr - p.xctr;
    const double wanted = c.width / 3.0 + p.width / 3.0;
    if (std::abs(apart - wanted) > 1e-9) return "child " + Str(apart) + " right of its parent";
    if (heritable) {
      if (!(c.CoatColor == p.CoatColor) || c.width != p.width || c.speed != p.speed) {
        return "a child unlike its parent under Heritable";
      }
      if (!(p.CoatColor == old.CoatColor)) return "a parent changed under Heritable";
    } else if (!varied && Trait::ClassOf(p.CoatColor) != Trait::kUnvariedClass) {
      return "a parent outside class 3 with Heritable and Variable off";
    }
    if (!heritable && !varied && Trait::ClassOf(c.CoatColor) != Trait::kUnvariedClass) {
      return "a child outside class 3 with Heritable and Variable off";
    }
    return {};
  }

  std::string Tick() {
    Remember("Tick");
    w_.Timer1->Fire();
    if (!shadow_.running) return PopulationUnchanged();

    // Survivors keep their order; every eaten one is gone.
    const Array<SpeciesDot>& pop = w_.Individual;
    std::vector<int> living;
    for (int i = 1; i <= before_.Ubound(); ++i) {
      if (before_(i).Alive) living.push_back(i);
    }
    if (pop.Ubound() != static_cast<int>(living.size())) {
      return "tick left " + Str(pop.Ubound()) + " of " + Str(static_cast<int>(living.size())) +
             " living";
    }
    for (int i = 1; i <= pop.Ubound(); ++i) {
      const SpeciesDot& o = pop(i);
      const SpeciesDot& was = before_(living[static_cast<size_t>(i - 1)]);
      if (!o.Alive) return "a dead organism after a tick";
      if (!(o.CoatColor == was.CoatColor) || o.width != was.width) return "survivors reordered";
      if (std::string p = InsideArena(o); !p.empty()) return p;
    }
    const int removed = before_.Ubound() - pop.Ubound();
    if (removed > 0) {
      const int n = pop.Ubound();
      if (n < kTrafficRedBelow) {
        shadow_.light = kLightRed;
        ++seen_.redLights;
      } else if (n < kTrafficYellowBelow) {
        shadow_.light = kLightYellow;
        ++seen_.yellowLights;
      }
    }
    if (pop.Ubound() == 0) ++seen_.emptyRunningTicks;
    return ArenaShowsPicture();
  }

  std::string InsideArena(const SpeciesDot& o) {
    const Canvas& arena = *w_.RectangleRange;
    const double stray = std::max({arena.Left() - o.xctr, o.xctr - (arena.Left() + arena.Width()),
                                   arena.Top() - o.yctr, o.yctr - (arena.Top() + arena.Height())});
    seen_.worstStray = std::max(seen_.worstStray, stray);
    if (stray > kArenaSlack) {
      return "centre (" + Str(o.xctr) + ", " + Str(o.yctr) + ") " + Str(stray) + " past the arena";
    }
    return {};
  }

  std::string PressOnOrganism() {
    const int n = w_.Individual.Ubound();
    if (n == 0) return PressInArena();
    const SpeciesDot& o = w_.Individual(std::uniform_int_distribution<int>(1, n)(rng_));
    return Press(ToInt32(Round(o.xctr)), ToInt32(Round(o.yctr)));
  }

  std::string PressInArena() {
    const Canvas& arena = *w_.RectangleRange;
    std::uniform_int_distribution<int> x(arena.Left(), arena.Left() + arena.Width() - 1);
    std::uniform_int_distribution<int> y(arena.Top(), arena.Top() + arena.Height() - 1);
    return Press(x(rng_), y(rng_));
  }

  // Below the arena, where the buttons and switches are: beyond the reach of any organism.
  std::string PressOutside() {
    const Canvas& arena = *w_.RectangleRange;
    const int top = arena.Top() + arena.Height() + static_cast<int>(kArenaSlack) + 8;
    std::uniform_int_distribution<int> x(0, w_.Width() - 1);
    std::uniform_int_distribution<int> y(top, w_.Height() - 1);
    return Press(x(rng_), y(rng_));
  }

  std::string Press(int x, int y) {
    Remember("Press(" + Str(x) + "," + Str(y) + ")");
    const bool selective = w_.CheckBoxSelective->Value();
    w_.DeliverMouseDown(x, y);
    const int n = before_.Ubound();
    if (!shadow_.running || n == 0) return PopulationUnchanged();

    // Who was eaten: dead now, alive before.
    const Array<SpeciesDot>& pop = w_.Individual;
    if (pop.Ubound() != n) return "a press changed the population's size";
    std::vector<int> eaten;
    for (int i = 1; i <= n; ++i) {
      const SpeciesDot& o = pop(i);
      if (before_(i).Alive && !o.Alive) {
        if (!(o.CoatColor == Globals::Red)) return "an eaten organism not red";
        SpeciesDot unchanged = before_(i);
        unchanged.Alive = false;
        unchanged.CoatColor = Globals::Red;
        if (!SameOrganism(o, unchanged)) return "eating moved an organism";
        eaten.push_back(i);
      } else if (!SameOrganism(o, before_(i))) {
        return "a press changed an organism it did not eat";
      }
    }
    seen_.eaten += static_cast<int>(eaten.size());

    if (selective) {
      std::vector<int> hit;
      for (int i = 1; i <= n; ++i) {
        const SpeciesDot& o = before_(i);
        if (o.Alive && std::abs(o.xctr - x) < o.width / 2.0 &&
            std::abs(o.yctr - y) < o.height / 2.0) {
          hit.push_back(i);
        }
      }
      if (hit != eaten)
        return "a selective press ate " + Str(static_cast<int>(eaten.size())) + ", expected " +
               Str(static_cast<int>(hit.size()));
      if (hit.empty()) ++seen_.selectiveMisses;
    } else {
      bool anyLiving = false;
      for (int i = 1; i <= n; ++i) anyLiving = anyLiving || before_(i).Alive;
      if (eaten.size() != (anyLiving ? 1u : 0u)) {
        return "a random press ate " + Str(static_cast<int>(eaten.size()));
      }
    }
    return eaten.empty() ? "" : ArenaShowsPicture();
  }

  std::string Toggle(CheckBox& box, const char* name) {
    Remember(name);
    const bool was = box.Value();
    box.SetValue(!was);
    if (box.Value() == was) return std::string(name) + " did not switch";
    return Unchanged();
  }

  std::string Triangle() {
    Remember("Triangle");
    w_.DisclosureTriangle1->Click();
    return Unchanged();
  }

  std::string Unchanged() {
    if (messages_.size() != beforeMessages_) return "an unexpected message: " + messages_.back();
    return PopulationUnchanged();
  }

  std::string PopulationUnchanged() const {
    const Array<SpeciesDot>& pop = w_.Individual;
    if (pop.Ubound() != before_.Ubound()) return "the population changed its size";
    for (int i = 1; i <= pop.Ubound(); ++i) {
      if (!SameOrganism(pop(i), before_(i))) return "organism " + Str(i) + " changed";
    }
    return {};
  }

  // What holds after every step, whatever it was.
  std::string CheckWindow() {
    if (std::string p = CheckState(); !p.empty()) return p;
    const Array<SpeciesDot>& pop = w_.Individual;
    seen_.maxPopulation = std::max(seen_.maxPopulation, pop.Ubound());
    const std::string count = shadow_.made ? Str(pop.Ubound()) : "";
    if (w_.StaticTextNumRemaining->Text() != count) {
      return "count reads \"" + w_.StaticTextNumRemaining->Text() + "\", population " +
             Str(pop.Ubound());
    }
    if (!(w_.TrafficLight->FillColor() == shadow_.light)) return "traffic light is off its count";
    if (w_.Gen != shadow_.gen)
      return "generation " + Str(w_.Gen) + ", expected " + Str(shadow_.gen);
    if (w_.ListBox1->ListCount() != shadow_.rows) {
      return Str(w_.ListBox1->ListCount()) + " history rows, expected " + Str(shadow_.rows);
    }
    const int width = w_.DisclosureTriangle1->Value() ? kPanelShownWidth : kPanelHiddenWidth;
    if (w_.Width() != width) return "window width " + Str(w_.Width()) + " off the triangle";
    if (messages_.size() != shadow_.messages) return "an unexpected message: " + messages_.back();
    for (int i = 1; i <= pop.Ubound(); ++i) {
      if (std::string p = CheckTraits(pop(i)); !p.empty()) return p + " at " + Str(i);
    }
    return {};
  }

  // The three states of the window, by its buttons.
  std::string CheckState() const {
    const PushButton& run = *w_.PushButtonRun;
    if (w_.Running != shadow_.running) return "Running off the delivered Run/Stop presses";
    const bool ok = shadow_.running
                        ? run.Caption() == "Stop" && run.Enabled() &&
                              !w_.PushButtonNewPop->Enabled() && !w_.PushButtonDivide->Enabled()
                        : run.Caption() == "Run" && run.Enabled() == shadow_.made &&
                              w_.PushButtonNewPop->Enabled() &&
                              w_.PushButtonDivide->Enabled() == shadow_.made;
    if (ok) return {};
    return "buttons: Run \"" + run.Caption() + "\" " + Str(static_cast<int>(run.Enabled())) +
           ", New Population " + Str(static_cast<int>(w_.PushButtonNewPop->Enabled())) +
           ", Reproduce " + Str(static_cast<int>(w_.PushButtonDivide->Enabled()));
  }

  // A living organism carries the whole trait of one class; an eaten one is red.
  static std::string CheckTraits(const SpeciesDot& o) {
    if (!o.Alive) return o.CoatColor == Globals::Red ? "" : "a dead organism not red";
    const int k = Trait::ClassOf(o.CoatColor);
    if (k < 0) return "a living organism in no class";
    const bool sizeMode = Globals::Mode == "Size";
    const int size = sizeMode ? Trait::SizeOf(k) : 12;
    const double speed = Globals::Mode == "Speed" ? Trait::SpeedOf(k) : 1.0;
    if (o.width != size || o.height != size || o.speed != speed) {
      return "class " + Str(k) + " with size " + Str(o.width) + " and speed " + Str(o.speed);
    }
    if (o.left != ToInt32(Round(o.xctr) - o.width / 2.0) ||
        o.top != ToInt32(Round(o.yctr) - o.height / 2.0)) {
      return "a box off its centre";
    }
    return {};
  }

  // The history row just added and the histogram drawn with it.
  std::string CheckHistoryRow(Canvas& histo, const StaticText& maxLabel,
                              const std::string& firstCell) const {
    const Listbox& list = *w_.ListBox1;
    const int row = list.ListCount() - 1;
    if (list.Cell(row, 0) != firstCell) return "history row begins \"" + list.Cell(row, 0) + "\"";
    const std::vector<int> counts = Counts(w_.Individual);
    int sum = 0;
    int max = 0;
    for (int k = 0; k < Trait::kClasses; ++k) {
      const int shown = std::atoi(list.Cell(row, k + 1).c_str());
      if (shown != counts[static_cast<size_t>(k)] || shown > w_.Individual.Ubound()) {
        return "history count of class " + Str(k) + " reads " + Str(shown);
      }
      sum += shown;
      max = std::max(max, shown);
    }
    // Eaten organisms are red and in no count; every living one is in a palette color.
    int living = 0;
    for (int i = 1; i <= w_.Individual.Ubound(); ++i) living += w_.Individual(i).Alive ? 1 : 0;
    if (sum != living) return "history counts sum to " + Str(sum) + " of " + Str(living);
    if (maxLabel.Text() != Str(max)) return "maximum label reads " + maxLabel.Text();
    return CheckBars(*histo.Backdrop(), counts, max);
  }

  // The tallest bar fills the height; every bar stands on the bottom edge in its class's color.
  static std::string CheckBars(const Picture& pic, const std::vector<int>& counts, int max) {
    if (max == 0) return AllOf(pic, Globals::White) ? "" : "bars in an empty histogram";
    const int h = pic.Height();
    const int binW = ToInt32(Round(pic.Width() / 7.0));
    // Pixels per organism, computed once: a bar of exactly half a pixel rounds by this product.
    const double scale = static_cast<double>(h) / max;
    for (int k = 0; k < Trait::kClasses; ++k) {
      const int bar = ToInt32(Round(counts[static_cast<size_t>(k)] * scale));
      const int x = binW * k + binW / 2;
      if (bar > 0 && !(pic.PixelColor(x, h - bar) == Trait::Palette()(k))) {
        return "bar " + Str(k) + " shorter than its count";
      }
      if (bar < h && !(pic.PixelColor(x, h - bar - 1) == Globals::White)) {
        return "bar " + Str(k) + " taller than its count";
      }
    }
    return {};
  }

  std::string ArenaShowsPicture() const {
    return SamePixels(*w_.RectangleRange->Snapshot(), *w_.PictureBuffer)
               ? ""
               : "the arena does not show the arena picture";
  }

  // A stopped arena after New Population or Stop: white, with every living organism painted in
  // index order.
  std::string ArenaShowsStillPopulation() const {
    const Canvas& arena = *w_.RectangleRange;
    const PicturePtr expected = NewPicture(arena.Width(), arena.Height(), 8);
    for (int i = 1; i <= w_.Individual.Ubound(); ++i) {
      const SpeciesDot& o = w_.Individual(i);
      if (o.Alive) o.Draw(arena, *expected, o.CoatColor);
    }
    if (!SamePixels(*expected, *w_.PictureBuffer)) return "the still arena misses organisms";
    return ArenaShowsPicture();
  }

  static bool SamePixels(const Picture& a, const Picture& b) {
    const size_t bytes = static_cast<size_t>(a.BytesPerLine()) * a.Height();
    return a.Width() == b.Width() && a.Height() == b.Height() &&
           std::memcmp(a.Bits(), b.Bits(), bytes) == 0;
  }

  static bool AllOf(const Picture& pic, Color c) {
    for (int y = 0; y < pic.Height(); ++y) {
      for (int x = 0; x < pic.Width(); ++x) {
        if (!(pic.PixelColor(x, y) == c)) return false;
      }
    }
    return true;
  }

  class WindowSimL1& w_;
  const std::vector<std::string>& messages_;
  std::mt19937_64 rng_;
  int step_ = 0;
  int mood_ = 0;
  Shadow shadow_;
  Coverage seen_;
  Array<SpeciesDot> before_;
  size_t beforeMessages_ = 0;
  std::deque<std::string> recent_;
};

class SoakTest : public ProgramTest, public ::testing::WithParamInterface<const char*> {};

// The mode is chosen while the window is empty, as the options dialog would.
TEST_P(SoakTest, RandomActionsKeepTheWindowConsistent) {
  const int actions = ActionsFromEnvironment();
  const uint64_t seed = SeedFromEnvironment(kDefaultSeed);
  Globals::Mode = GetParam();
  AsEvent([this] { Main().SetupWindowForMode(); });
  SeedRnd(seed);

  Soak soak(Main(), messages, seed);
  const std::string problem = soak.Run(actions);
  ASSERT_TRUE(problem.empty()) << "soak in mode " << GetParam() << " with seed " << seed
                               << " (set SKELLITH_SOAK_SEED to replay), " << problem;

  const Coverage& seen = soak.Seen();
  std::cout << GetParam() << ": " << actions << " actions, seed " << seed << ", "
            << seen.ceilingPresses << " ceiling presses, " << seen.eaten << " eaten, "
            << seen.emptyRunningTicks << " ticks on an empty arena, largest population "
            << seen.maxPopulation << ", farthest stray " << seen.worstStray << '\n';
  // The far corners: the ceiling, an emptied arena, both warning lights, a press on nothing.
  if (actions >= 20000) {
    EXPECT_GT(seen.ceilingPresses, 0) << "seed " << seed;
    EXPECT_GT(seen.emptyRunningTicks, 0) << "seed " << seed;
    EXPECT_GT(seen.yellowLights, 0) << "seed " << seed;
    EXPECT_GT(seen.redLights, 0) << "seed " << seed;
    EXPECT_GT(seen.selectiveMisses, 0) << "seed " << seed;
  }
}

INSTANTIATE_TEST_SUITE_P(Modes, SoakTest, ::testing::Values("Speed", "Size", "Visibility"),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
