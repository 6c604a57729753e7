#include "model/globals.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include <gtest/gtest.h>

#include "tests/param_print.h"

namespace {

// The palettes, written out once more so that a slip in Startup shows.
constexpr std::array<Color, 7> kSpectrum = {RGB(0, 0, 0),     RGB(91, 16, 172), RGB(38, 61, 240),
                                            RGB(21, 144, 51), RGB(255, 210, 0), RGB(255, 81, 0),
                                            RGB(255, 50, 40)};
constexpr std::array<Color, 7> kBlue = {RGB(210, 255, 255), RGB(100, 240, 255), RGB(18, 175, 255),
                                        RGB(0, 100, 255),   RGB(0, 40, 255),    RGB(0, 0, 140),
                                        RGB(0, 0, 0)};

class GlobalsTest : public testing::Test {
 protected:
  void SetUp() override { Globals::Startup(); }
};

// Runs in a fresh process (the "threadsafe" death-test style re-executes the test binary with
// only this test selected), so no other test has run Startup yet.
TEST(GlobalsBeforeStartup, ModeIsEmptyColorsAreBlackAndPalettesHoldOneEntry) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        const Color zero = RGB(0, 0, 0);
        int faults = 0;
        auto check = [&faults](bool ok, const char* what) {
          if (!ok) {
            std::fprintf(stderr, "before Startup: %s\n", what);
            ++faults;
          }
        };
        check(Globals::Mode.empty(), "Mode is not empty");
        check(Globals::White == zero, "White is not (0, 0, 0)");
        check(Globals::Black == zero, "Black is not (0, 0, 0)");
        check(Globals::Red == zero, "Red is not (0, 0, 0)");
        check(Globals::Spectrum.Ubound() == 0, "Spectrum's upper bound is not 0");
        check(Globals::Blue.Ubound() == 0, "Blue's upper bound is not 0");
        check(Globals::Spectrum(0) == zero && Globals::Blue(0) == zero,
              "a palette's single entry is not (0, 0, 0)");
        std::exit(faults == 0 ? 0 : 1);
      },
      testing::ExitedWithCode(0), "");
}

TEST_F(GlobalsTest, StartupSetsModeToSpeedAndTheThreeColorConstants) {
  EXPECT_EQ(Globals::Mode, "Speed");
  EXPECT_EQ(Globals::White, RGB(255, 255, 255));
  EXPECT_EQ(Globals::Black, RGB(0, 0, 0));
  EXPECT_EQ(Globals::Red, RGB(255, 0, 0));
}

TEST_F(GlobalsTest, StartupFillsBothPalettesWithExactlyTheTableValues) {
  ASSERT_EQ(Globals::Spectrum.Ubound(), 6);
  ASSERT_EQ(Globals::Blue.Ubound(), 6);
  for (int k = 0; k < Trait::kClasses; ++k) {
    EXPECT_EQ(Globals::Spectrum(k), kSpectrum[k]) << "Spectrum entry " << k;
    EXPECT_EQ(Globals::Blue(k), kBlue[k]) << "Blue entry " << k;
  }
}

TEST_F(GlobalsTest, StartupAgainRestoresSpeedModeAndKeepsSevenEntries) {
  Globals::Mode = "Visibility";
  Globals::Startup();
  EXPECT_EQ(Globals::Mode, "Speed");
  EXPECT_EQ(Globals::Spectrum.Ubound(), 6);
  EXPECT_EQ(Globals::Blue.Ubound(), 6);
}

TEST_F(GlobalsTest, EntriesOfEachPaletteArePairwiseDistinct) {
  for (int i = 0; i < Trait::kClasses; ++i) {
    for (int j = i + 1; j < Trait::kClasses; ++j) {
      EXPECT_NE(Globals::Spectrum(i), Globals::Spectrum(j)) << i << " and " << j;
      EXPECT_NE(Globals::Blue(i), Globals::Blue(j)) << i << " and " << j;
    }
  }
}

TEST_F(GlobalsTest, PaletteOfTheModeIsBlueOnlyInVisibility) {
  EXPECT_EQ(&Trait::Palette(), &Globals::Spectrum);
  Globals::Mode = "Size";
  EXPECT_EQ(&Trait::Palette(), &Globals::Spectrum);
  Globals::Mode = "Visibility";
  EXPECT_EQ(&Trait::Palette(), &Globals::Blue);
}

TEST_F(GlobalsTest, EveryPaletteColorGivesBackItsClass) {
  for (const char* mode : {"Speed", "Size", "Visibility"}) {
    Globals::Mode = mode;
    for (int k = 0; k < Trait::kClasses; ++k) {
      EXPECT_EQ(Trait::ClassOf(Trait::Palette()(k)), k) << mode;
    }
  }
}

TEST_F(GlobalsTest, RedAndWhiteAreInNeitherPalette) {
  for (const char* mode : {"Speed", "Visibility"}) {
    Globals::Mode = mode;
    EXPECT_EQ(Trait::ClassOf(Globals::Red), -1) << mode;
    EXPECT_EQ(Trait::ClassOf(Globals::White), -1) << mode;
  }
}

TEST_F(GlobalsTest, BlackIsSpectrumClassZeroAndBlueClassSix) {
  EXPECT_EQ(Trait::ClassOf(Globals::Black), 0);
  Globals::Mode = "Visibility";
  EXPECT_EQ(Trait::ClassOf(Globals::Black), 6);
}

TEST(TraitTable, SpeedOfClassThreeIsBitForBitTheUnvariedSpeed) {
  EXPECT_EQ(std::bit_cast<uint64_t>(Trait::SpeedOf(3)), std::bit_cast<uint64_t>(0.85));
}

TEST(TraitTable, SpeedsOfTheEndClassesAreExact) {
  EXPECT_EQ(Trait::SpeedOf(0), 0.1);
  EXPECT_EQ(Trait::SpeedOf(6), 3.1);
}

TEST(TraitTable, SpeedGrowsWithTheSquareOfTheClass) {
  const double expected[] = {0.1,  0.18333333333333335, 0.43333333333333335,
                             0.85, 1.4333333333333333,  2.183333333333333,
                             3.1};
  for (int k = 0; k < Trait::kClasses; ++k) {
    EXPECT_DOUBLE_EQ(Trait::SpeedOf(k), expected[k]) << "class " << k;
  }
}

TEST(TraitTable, SizesRunFromFourToSixteenInStepsOfTwo) {
  const int expected[] = {4, 6, 8, 10, 12, 14, 16};
  for (int k = 0; k < Trait::kClasses; ++k) EXPECT_EQ(Trait::SizeOf(k), expected[k]);
  EXPECT_EQ(Trait::SizeOf(Trait::kUnvariedClass), 10);
}

TEST_F(GlobalsTest, ArenaIsBlackOnlyWhileRunningInVisibilityMode) {
  for (const char* mode : {"Speed", "Size", "Visibility"}) {
    Globals::Mode = mode;
    EXPECT_EQ(Trait::ArenaBackground(false), Globals::White) << mode << ", not running";
  }
  Globals::Mode = "Speed";
  EXPECT_EQ(Trait::ArenaBackground(true), Globals::White);
  Globals::Mode = "Size";
  EXPECT_EQ(Trait::ArenaBackground(true), Globals::White);
  Globals::Mode = "Visibility";
  EXPECT_EQ(Trait::ArenaBackground(true), Globals::Black);
}

}  // namespace
