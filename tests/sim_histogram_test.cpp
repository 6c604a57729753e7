#include <array>
#include <ostream>
#include <string>
#include <vector>

#include "platform/buttons.h"
#include "platform/canvas.h"
#include "platform/list_controls.h"
#include "platform/text_controls.h"
#include "tests/sim_fixture.h"

namespace {

using namespace sim_test;

using Counts = std::array<int, Trait::kClasses>;

constexpr int kHistoWidth = 154;
constexpr int kHistoHeight = 85;
constexpr int kBarWidth = 22;  // seven bars side by side span the canvas

class HistogramTest : public SimTest {
 protected:
  // counts[k] living organisms of class k, then `eaten` eaten ones.
  void Populate(const Counts& counts, int eaten = 0) {
    auto& ind = Main().Individual;
    int n = eaten;
    for (int c : counts) n += c;
    ind.Redim(n);
    int i = 1;
    for (int k = 0; k < Trait::kClasses; ++k) {
      for (int j = 0; j < counts[k]; ++j) ind(i++) = Dot(Trait::Palette()(k), true);
    }
    while (i <= n) ind(i++) = Dot(Globals::Red, false);
  }

  static SpeciesDot Dot(Color coat, bool alive) {
    SpeciesDot d;
    d.width = d.height = 12;
    d.xctr = d.yctr = 100;
    d.PlaceBox();
    d.CoatColor = coat;
    d.Alive = alive;
    return d;
  }

  std::vector<std::string> Row(int row) {
    std::vector<std::string> cells;
    for (int c = 0; c < 8; ++c) cells.push_back(Main().ListBox1->Cell(row, c));
    return cells;
  }

  static std::vector<std::string> RowOf(const std::string& first, const Counts& counts) {
    std::vector<std::string> cells{first};
    for (int c : counts) cells.push_back(std::to_string(c));
    return cells;
  }
};

// Every pixel of a histogram picture: bar k spans x [22k, 22k+22) and stands heights[k] high on
// the bottom edge; everything else is white.
void ExpectBars(const PicturePtr& pic, const Counts& heights, const Colors& colors) {
  ASSERT_TRUE(pic);
  ASSERT_EQ(pic->Width(), kHistoWidth);
  ASSERT_EQ(pic->Height(), kHistoHeight);
  int wrong = 0;
  std::string first;
  for (int y = 0; y < kHistoHeight; ++y) {
    for (int x = 0; x < kHistoWidth; ++x) {
      const int k = x / kBarWidth;
      const Color want = y >= kHistoHeight - heights[k] ? colors[k] : kWhite;
      if (pic->PixelColor(x, y) == want) continue;
      if (wrong++ == 0) first = "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
    }
  }
  EXPECT_EQ(wrong, 0) << "pixels off the expected bars, the first at " << first;
}

struct ModeCase {
  const char* name;
  const char* mode;
  Colors colors;
};
void PrintTo(const ModeCase& c, std::ostream* os) {
  *os << c.name;
}

class HistogramModeTest : public HistogramTest, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(HistogramModeTest, FiftyOfClassThreeMakeOneFullBar) {
  SetMode(GetParam().mode);
  Main().CheckBoxVariable->SetValue(false);
  Press(Main().PushButtonNewPop);

  ExpectBars(Main().HistoStart->Backdrop(), {0, 0, 0, 85, 0, 0, 0}, GetParam().colors);
  EXPECT_EQ(Main().StaticTextMaxStart->Text(), "50");
  ASSERT_EQ(Main().ListBox1->ListCount(), 1);
  EXPECT_EQ(Row(0), RowOf("0", {0, 0, 0, 50, 0, 0, 0}));
}

TEST_P(HistogramModeTest, EachClassTakesItsPaletteColor) {
  SetMode(GetParam().mode);
  Populate({1, 1, 1, 1, 1, 1, 1});
  AsEvent([this] { Main().DrawHistoCurrent(); });

  ExpectBars(Main().HistoCurrent->Backdrop(), {85, 85, 85, 85, 85, 85, 85}, GetParam().colors);
  EXPECT_EQ(Main().StaticTextMaxCurrent->Text(), "1");
}

INSTANTIATE_TEST_SUITE_P(Modes, HistogramModeTest,
                         ::testing::Values(ModeCase{"Speed", "Speed", kSpectrum},
                                           ModeCase{"Size", "Size", kSpectrum},
                                           ModeCase{"Visibility", "Visibility", kBlue}),
                         [](const auto& info) { return std::string(info.param.name); });

struct ScaleCase {
  const char* name;
  Counts counts;
  Counts heights;
  const char* maxLabel;
};
void PrintTo(const ScaleCase& c, std::ostream* os) {
  *os << c.name;
}

class HistogramScaleTest : public HistogramTest, public ::testing::WithParamInterface<ScaleCase> {};

// Both histograms chart the same population alike; the starting one's counts go to row 0, the
// current one's to the row it adds.
TEST_P(HistogramScaleTest, TallestBarFillsTheHeight) {
  const ScaleCase& c = GetParam();
  Populate(c.counts);
  AsEvent([this] {
    Main().DrawHistoStart();
    Main().DrawHistoCurrent();
  });

  ExpectBars(Main().HistoStart->Backdrop(), c.heights, kSpectrum);
  ExpectBars(Main().HistoCurrent->Backdrop(), c.heights, kSpectrum);
  EXPECT_EQ(Main().StaticTextMaxStart->Text(), c.maxLabel);
  EXPECT_EQ(Main().StaticTextMaxCurrent->Text(), c.maxLabel);
  ASSERT_EQ(Main().ListBox1->ListCount(), 2);
  EXPECT_EQ(Row(0), RowOf("0", c.counts));
  EXPECT_EQ(Row(1), RowOf("0", c.counts));
}

INSTANTIATE_TEST_SUITE_P(
    Populations, HistogramScaleTest,
    ::testing::Values(
        // 5 pixels per organism: a count of 4 stands 20 high, its top at y 65.
        ScaleCase{"MaximumSeventeen", {4, 17, 0, 9, 1, 0, 2}, {20, 85, 0, 45, 5, 0, 10}, "17"},
        ScaleCase{"AllEqual", {3, 3, 3, 3, 3, 3, 3}, {85, 85, 85, 85, 85, 85, 85}, "3"},
        // 8.5 pixels per organism: halves round away from zero.
        ScaleCase{"HalfPixels", {3, 10, 0, 0, 0, 0, 1}, {26, 85, 0, 0, 0, 0, 9}, "10"},
        ScaleCase{"LastClassOnly", {0, 0, 0, 0, 0, 0, 1}, {0, 0, 0, 0, 0, 0, 85}, "1"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(HistogramTest, EatenOrganismsAreInNoClass) {
  Populate({0, 2, 0, 5, 0, 0, 1}, 3);
  Main().Gen = 4;
  AsEvent([this] { Main().DrawHistoCurrent(); });

  ExpectBars(Main().HistoCurrent->Backdrop(), {0, 34, 0, 85, 0, 0, 17}, kSpectrum);
  EXPECT_EQ(Main().StaticTextMaxCurrent->Text(), "5");
  EXPECT_EQ(Row(0), RowOf("4", {0, 2, 0, 5, 0, 0, 1}));
}

TEST_F(HistogramTest, EmptyPopulationGivesWhitePictureAndZeroes) {
  Populate({0, 0, 9, 0, 0, 0, 0});
  AsEvent([this] { Main().DrawHistoCurrent(); });
  Main().Individual.Redim(0);
  Main().Gen = 2;
  AsEvent([this] { Main().DrawHistoCurrent(); });

  ExpectBars(Main().HistoCurrent->Backdrop(), {0, 0, 0, 0, 0, 0, 0}, kSpectrum);
  EXPECT_EQ(Main().StaticTextMaxCurrent->Text(), "0");
  EXPECT_EQ(Row(1), RowOf("2", {0, 0, 0, 0, 0, 0, 0}));
}

TEST_F(HistogramTest, CountCellsAlignRightAndGenerationCellKeepsTheDefault) {
  Press(Main().PushButtonNewPop);
  Press(Main().PushButtonRun);
  Press(Main().PushButtonRun);
  ASSERT_EQ(Main().ListBox1->ListCount(), 2);
  for (int row = 0; row < 2; ++row) {
    EXPECT_EQ(Main().ListBox1->CellAlignment(row, 0), Alignment::Left) << "row " << row;
    for (int col = 1; col < 8; ++col) {
      EXPECT_EQ(Main().ListBox1->CellAlignment(row, col), Alignment::Right)
          << "row " << row << " column " << col;
    }
  }
}

// A second starting histogram adds a row of its own but writes its counts into the first row.
TEST_F(HistogramTest, StartingCountsAlwaysGoIntoTheFirstRow) {
  Main().CheckBoxVariable->SetValue(false);
  Press(Main().PushButtonNewPop);
  Populate({7, 0, 0, 0, 0, 0, 0});
  AsEvent([this] { Main().DrawHistoStart(); });

  ASSERT_EQ(Main().ListBox1->ListCount(), 2);
  EXPECT_EQ(Row(0), RowOf("0", {7, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(Row(1), (std::vector<std::string>{"0", "", "", "", "", "", "", ""}));
}

// One row per drawing: the starting one, then one per Stop and one per Reproduce; with nothing
// eaten, each row counts the whole population.
TEST_F(HistogramTest, HistoryRowsFollowTheGenerations) {
  auto& w = Main();
  Press(w.PushButtonNewPop);
  Press(w.PushButtonRun);
  Press(w.PushButtonRun);
  Press(w.PushButtonDivide);
  Press(w.PushButtonRun);
  Press(w.PushButtonRun);
  Press(w.PushButtonDivide);

  const std::vector<std::string> generations{"0", "0", "1", "1", "2"};
  const std::vector<int> populations{50, 50, 100, 100, 200};
  ASSERT_EQ(w.ListBox1->ListCount(), 5);
  for (int row = 0; row < 5; ++row) {
    EXPECT_EQ(w.ListBox1->Cell(row, 0), generations[row]) << "row " << row;
    int sum = 0;
    for (int col = 1; col < 8; ++col) sum += std::stoi(w.ListBox1->Cell(row, col));
    EXPECT_EQ(sum, populations[row]) << "row " << row;
  }
}

}  // namespace
