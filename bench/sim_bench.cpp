// The main window's handlers on the real, headless window, at the population sizes the program
// reaches: a tick must stay well inside the timer's 20 ms even at the ceiling of 1000 dots.

#include <memory>
#include <string>

#include <benchmark/benchmark.h>

#include "app/app.h"
#include "app/startup.h"
#include "core/runtime.h"
#include "darwins_theory/window_sim_l1.h"
#include "platform/buttons.h"
#include "platform/dialogs.h"
#include "platform/event_gate.h"
#include "platform/list_controls.h"
#include "platform/timer.h"

namespace {

// The program started as the event loop starts it, up to the application's Open handling, with
// message boxes swallowed so the ceiling's message does not wait for a click.
class Program {
 public:
  Program() {
    SetMsgBoxHook([](const std::string&) {});
    SeedRnd(1);
    app_ = StartApplication();
    EventGate::Dispatch([this] { app_->Event_Open(); });
  }
  ~Program() {
    EndApplication(std::move(app_));
    SetMsgBoxHook(nullptr);
  }
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  class WindowSimL1& Main() {
    return WindowSimL1();
  }

  // A stopped window with n new dots, made by the New Population button.
  void NewPopulation(int n) {
    Main().NumIndivs = n;
    Main().PushButtonNewPop->Push();
  }

 private:
  std::unique_ptr<App> app_;
};

// Keeps the history list from growing without end over millions of drawings.
constexpr int64_t kRowsBeforeClearing = 256;

// One tick of a running window as the timer delivers it, menu enabling included.
void BM_Tick(benchmark::State& state) {
  Program program;
  const int n = static_cast<int>(state.range(0));
  program.NewPopulation(n);
  auto& w = program.Main();
  w.PushButtonRun->Push();
  for (auto _ : state) w.Timer1->Fire();
  if (w.Individual.Ubound() != n) state.SkipWithError("the population changed");
  state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_Tick)->Arg(50)->Arg(1000)->Unit(benchmark::kMicrosecond);

// The tick handler alone, without the event gate and the menu enabling that follows each event.
void BM_TickAction(benchmark::State& state) {
  Program program;
  const int n = static_cast<int>(state.range(0));
  program.NewPopulation(n);
  auto& w = program.Main();
  w.PushButtonRun->Push();
  for (auto _ : state) w.Timer1_Action();
  state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_TickAction)->Arg(50)->Arg(1000)->Unit(benchmark::kMicrosecond);

void BM_NewPopulation(benchmark::State& state) {
  Program program;
  auto& w = program.Main();
  w.NumIndivs = 50;
  for (auto _ : state) w.PushButtonNewPop->Push();
  if (w.Individual.Ubound() != 50) state.SkipWithError("no population of 50");
}
BENCHMARK(BM_NewPopulation)->Unit(benchmark::kMicrosecond);

// One Reproduce press that doubles 500 dots to the ceiling of 1000, message included.
void BM_Reproduce500(benchmark::State& state) {
  Program program;
  auto& w = program.Main();
  for (auto _ : state) {
    state.PauseTiming();
    program.NewPopulation(500);
    state.ResumeTiming();
    w.PushButtonDivide->Push();
  }
  if (w.Individual.Ubound() != 1000) state.SkipWithError("Reproduce did not reach 1000");
}
BENCHMARK(BM_Reproduce500)->Unit(benchmark::kMicrosecond);

void BM_DrawHistoCurrent(benchmark::State& state) {
  Program program;
  program.NewPopulation(1000);
  auto& w = program.Main();
  int64_t drawn = 0;
  for (auto _ : state) {
    w.DrawHistoCurrent();
    if (++drawn % kRowsBeforeClearing == 0) {
      state.PauseTiming();
      w.ListBox1->DeleteAllRows();
      state.ResumeTiming();
    }
  }
}
BENCHMARK(BM_DrawHistoCurrent)->Unit(benchmark::kMicrosecond);

}  // namespace
