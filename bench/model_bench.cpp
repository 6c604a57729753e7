#include <vector>

#include <benchmark/benchmark.h>

#include "core/picture.h"
#include "core/runtime.h"
#include "model/globals.h"
#include "model/organism.h"

namespace {

// One animation tick of a population of varied dots on the Darwin's Theory arena: erase, move,
// bounce and draw every organism in a 280 by 250 picture.
void BM_DotTick(benchmark::State& state) {
  Globals::Startup();
  SeedRnd(1);
  const RectControl canvas(22, 22, 280, 250);
  std::vector<SpeciesDot> dots(static_cast<size_t>(state.range(0)));
  for (SpeciesDot& dot : dots) dot.Construct(canvas, true);
  PicturePtr buffer = NewPicture(280, 250, 8);
  const Color background = Trait::ArenaBackground(true);
  for (auto _ : state) {
    for (SpeciesDot& dot : dots) {
      dot.Draw(canvas, *buffer, background);
      dot.Move();
      dot.Bounce(canvas);
      dot.Draw(canvas, *buffer, dot.CoatColor);
    }
    benchmark::DoNotOptimize(buffer->Bits());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_DotTick)->Arg(50)->Arg(1000);

}  // namespace
