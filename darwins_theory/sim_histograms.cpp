// The starting and current histograms and their rows in the history list.

#include <array>

#include "core/runtime.h"
#include "darwins_theory/sim_instantiations.h"
#include "platform/canvas.h"
#include "platform/list_controls.h"
#include "platform/text_controls.h"

template <class Species>
void SimWindow<Species>::DrawHistoStart() {
  DrawHisto(*HistoStart, *StaticTextMaxStart, Str(0), true);
}

template <class Species>
void SimWindow<Species>::DrawHistoCurrent() {
  DrawHisto(*HistoCurrent, *StaticTextMaxCurrent, Str(Gen), false);
}

// Seven bars, one per trait class, in the palette's colors, scaled so the tallest fills the
// canvas; the counts also go into a new history row. The starting histogram's counts always go
// into the first row, the current one's into the row just added.
template <class Species>
void SimWindow<Species>::DrawHisto(Canvas& canvas, StaticText& maxLabel,
                                   const std::string& firstCell, bool countsInFirstRow) {
  std::array<int, Trait::kClasses> counts{};
  const int w = canvas.Width();
  const int h = canvas.Height();
  const int binW = ToInt32(Round(static_cast<double>(w) / Trait::kClasses));
  canvas.SetBackdrop(NewPicture(w, h, 8));
  Graphics& g = canvas.Backdrop()->Graphics();
  g.UseOldRenderer = true;
  g.ForeColor = Globals::White;
  g.FillRect(0, 0, w, h);

  // An eaten organism, painted red, is in no palette and so in no count.
  for (int i = 1; i <= Individual.Ubound(); ++i) {
    const int k = Trait::ClassOf(Individual(i).CoatColor);
    if (k >= 0) ++counts[k];
  }
  int max = 0;
  for (int count : counts) {
    if (max < count) max = count;
  }
  maxLabel.SetText(Str(max));

  const double scale = max > 0 ? static_cast<double>(h) / max : 0;
  const Array<Color>& palette = Trait::Palette();
  for (int k = 0; k < Trait::kClasses; ++k) {
    g.ForeColor = palette(k);
    const int barH = max > 0 ? ToInt32(Round(counts[k] * scale)) : 0;
    g.FillRect(binW * k, h - barH, binW, barH);
  }
  canvas.Refresh(true);

  ListBox1->AddRow(firstCell);
  const int row = countsInFirstRow ? 0 : ListBox1->LastIndex();
  for (int k = 0; k < Trait::kClasses; ++k) {
    ListBox1->SetCellAlignment(ListBox1->LastIndex(), k + 1, Alignment::Right);
    ListBox1->SetCell(row, k + 1, Str(counts[k]));
  }
}

SKELLITH_INSTANTIATE_SIM_WINDOW
