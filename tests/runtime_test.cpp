#include "core/runtime.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include "core/array.h"
#include "tests/param_print.h"

namespace {

struct RoundCase {
  const char* name;
  double value;
  double rounded;
};
void PrintTo(const RoundCase& c, std::ostream* os) {
  *os << c.name << " value=" << Exact(c.value) << " rounded=" << Exact(c.rounded);
}

class RoundTest : public testing::TestWithParam<RoundCase> {};

TEST_P(RoundTest, GoesToTheNearestWholeNumberHalvesAwayFromZero) {
  EXPECT_EQ(Round(GetParam().value), GetParam().rounded);
}

INSTANTIATE_TEST_SUITE_P(
    Values, RoundTest,
    testing::Values(RoundCase{"Zero", 0.0, 0.0}, RoundCase{"PlusHalf", 0.5, 1.0},
                    RoundCase{"MinusHalf", -0.5, -1.0}, RoundCase{"OneAndHalf", 1.5, 2.0},
                    RoundCase{"TwoAndHalf", 2.5, 3.0}, RoundCase{"MinusTwoAndHalf", -2.5, -3.0},
                    RoundCase{"JustBelowHalfway", 2.4999, 2.0},
                    RoundCase{"MinusJustBelowHalfway", -2.4999, -2.0},
                    // Adding 0.5 and flooring would give 1 here.
                    RoundCase{"LargestBelowHalf", 0.49999999999999994, 0.0},
                    RoundCase{"SixTimesAlmostOne", 5.9999999, 6.0}),
    [](const auto& info) { return std::string(info.param.name); });

struct ToInt32Case {
  const char* name;
  double value;
  int32_t converted;
};
void PrintTo(const ToInt32Case& c, std::ostream* os) {
  *os << c.name << " value=" << Exact(c.value) << " converted=" << c.converted;
}

class ToInt32Test : public testing::TestWithParam<ToInt32Case> {};

TEST_P(ToInt32Test, TruncatesTowardZeroAndClamps) {
  EXPECT_EQ(ToInt32(GetParam().value), GetParam().converted);
}

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
constexpr double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Values, ToInt32Test,
    testing::Values(
        ToInt32Case{"Whole", 50.0, 50}, ToInt32Case{"PositiveFraction", 2.9, 2},
        ToInt32Case{"NegativeFraction", -2.9, -2}, ToInt32Case{"SmallNegative", -0.7, 0},
        ToInt32Case{"Max", 2147483647.0, kMax}, ToInt32Case{"JustAboveMax", 2147483647.9, kMax},
        ToInt32Case{"Min", -2147483648.0, kMin}, ToInt32Case{"JustBelowMin", -2147483648.9, kMin},
        ToInt32Case{"FarAbove", 1e12, kMax}, ToInt32Case{"FarBelow", -1e12, kMin},
        ToInt32Case{"PlusInfinity", kInf, kMax}, ToInt32Case{"MinusInfinity", -kInf, kMin},
        ToInt32Case{"NaN", std::numeric_limits<double>::quiet_NaN(), 0}),
    [](const auto& info) { return std::string(info.param.name); });

struct StrCase {
  const char* name;
  double value;
  const char* text;
};
void PrintTo(const StrCase& c, std::ostream* os) {
  *os << c.name << " value=" << Exact(c.value) << " text=" << testing::PrintToString(c.text);
}

class StrTest : public testing::TestWithParam<StrCase> {};

TEST_P(StrTest, WritesWholeValuesPlainAndFractionsToSevenDigits) {
  EXPECT_EQ(Str(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, StrTest,
    testing::Values(StrCase{"Zero", 0.0, "0"}, StrCase{"NegativeZero", -0.0, "0"},
                    StrCase{"Fifty", 50.0, "50"}, StrCase{"MinusThree", -3.0, "-3"},
                    StrCase{"Thousand", 1000.0, "1000"}, StrCase{"Million", 1e6, "1000000"},
                    StrCase{"Half", 2.5, "2.5"}, StrCase{"MinusEighth", -0.125, "-0.125"},
                    StrCase{"Third", 1.0 / 3.0, "0.3333333"},
                    StrCase{"TwoThirdsRoundsUp", 2.0 / 3.0, "0.6666667"},
                    StrCase{"SevenDigitsOfLarge", 123456.78, "123456.8"},
                    StrCase{"NoTrailingZeros", 0.1 + 0.2, "0.3"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StrTest, IntegerAndDoubleAgreeOnWholeValues) {
  for (int value : {0, 1, -1, -3, 50, 999, 1000, 123456789, kMax, kMin}) {
    EXPECT_EQ(Str(value), Str(static_cast<double>(value))) << value;
  }
  EXPECT_EQ(Str(kMin), "-2147483648");
}

struct ValCase {
  const char* name;
  const char* text;
  double value;
};
void PrintTo(const ValCase& c, std::ostream* os) {
  *os << c.name << " text=" << testing::PrintToString(c.text) << " value=" << Exact(c.value);
}

class ValTest : public testing::TestWithParam<ValCase> {};

TEST_P(ValTest, ReadsTheLeadingNumber) {
  EXPECT_DOUBLE_EQ(Val(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ValTest,
    testing::Values(ValCase{"Whole", "50", 50}, ValCase{"Largest", "999", 999},
                    ValCase{"Empty", "", 0}, ValCase{"Letters", "abc", 0},
                    ValCase{"TrailingLetters", "12abc", 12}, ValCase{"Negative", "-5", -5},
                    ValCase{"PlusSign", "+3", 3}, ValCase{"Fraction", "3.75", 3.75},
                    ValCase{"NoWholePart", ".5", 0.5}, ValCase{"NoFractionDigits", "5.", 5},
                    ValCase{"NoExponent", "1e3", 1}, ValCase{"SignAlone", "-", 0},
                    ValCase{"DotAlone", ".", 0}, ValCase{"SignAndDot", "-.", 0},
                    ValCase{"LeadingBlanks", "  40", 40}, ValCase{"LeadingTab", "\t7", 7},
                    ValCase{"BlankAfterSign", "- 5", 0}, ValCase{"TwoSigns", "+-3", 0},
                    ValCase{"SecondDotEnds", "1.5.3", 1.5},
                    ValCase{"NegativeFraction", "-0.25", -0.25}, ValCase{"LeadingZeros", "007", 7}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ChrTest, GivesTheCharacterOfACode) {
  EXPECT_EQ(Chr(13), "\r");
  EXPECT_EQ(Chr(65), "A");
}

// Leaves Rnd with the source it found, whatever a test installs.
class RndTest : public testing::Test {
 protected:
  void TearDown() override { SetRndSource(saved_); }

 private:
  RndSource saved_ = SetRndSource({});
};

TEST_F(RndTest, StaysWithinZeroToOne) {
  SeedRnd(12345);
  double low = 1.0;
  double high = 0.0;
  for (int i = 0; i < 100000; ++i) {
    const double r = Rnd();
    ASSERT_GE(r, 0.0);
    ASSERT_LT(r, 1.0);
    low = std::min(low, r);
    high = std::max(high, r);
  }
  // Spread over the interval, not stuck in one part of it.
  EXPECT_LT(low, 0.01);
  EXPECT_GT(high, 0.99);
}

TEST_F(RndTest, SeedMakesTheSequenceReproducible) {
  SeedRnd(42);
  std::vector<double> first;
  for (int i = 0; i < 20; ++i) first.push_back(Rnd());
  SeedRnd(42);
  for (int i = 0; i < 20; ++i) EXPECT_EQ(Rnd(), first[i]) << i;
  SeedRnd(43);
  std::vector<double> other;
  for (int i = 0; i < 20; ++i) other.push_back(Rnd());
  EXPECT_NE(other, first);
}

TEST_F(RndTest, ScriptReplacesTheGeneratorUntilRestored) {
  SeedRnd(7);
  const double a = Rnd();
  const double b = Rnd();
  SeedRnd(7);
  const std::vector<double> script = {0.25, 0.0, 0.999};
  size_t next = 0;
  const RndSource previous = SetRndSource([&] { return script[next++]; });
  EXPECT_FALSE(previous);
  for (double expected : script) EXPECT_EQ(Rnd(), expected);
  // The script's draws did not advance the generator.
  const RndSource script_source = SetRndSource(previous);
  EXPECT_TRUE(script_source);
  EXPECT_EQ(Rnd(), a);
  EXPECT_EQ(Rnd(), b);
}

TEST(ArrayTest, NewArrayHoldsOneDefaultElement) {
  Array<int> a;
  EXPECT_EQ(a.Ubound(), 0);
  EXPECT_EQ(a(0), 0);
}

TEST(ArrayTest, RedimKeepsElementsAndDefaultsNewOnes) {
  Array<int> a;
  a(0) = 9;
  a.Redim(3);
  ASSERT_EQ(a.Ubound(), 3);
  EXPECT_EQ(a(0), 9);
  EXPECT_EQ(a(3), 0);
  a(3) = 4;
  a.Redim(1);
  a.Redim(3);
  EXPECT_EQ(a(3), 0);
}

TEST(ArrayTest, AppendAddsAtTheEndAndRemoveShiftsLaterElementsDown) {
  Array<std::string> a;
  a.Append("one");
  a.Append("two");
  a.Append("three");
  ASSERT_EQ(a.Ubound(), 3);
  a.Remove(1);
  ASSERT_EQ(a.Ubound(), 2);
  EXPECT_EQ(a(0), "");
  EXPECT_EQ(a(1), "two");
  EXPECT_EQ(a(2), "three");
  a.Remove(2);
  EXPECT_EQ(a.Ubound(), 1);
  EXPECT_EQ(a(1), "two");
}

TEST(ArrayTest, NegativeRedimLeavesNoElement) {
  Array<int> a;
  a.Redim(-5);
  EXPECT_EQ(a.Ubound(), -1);
  a.Redim(-1);
  EXPECT_EQ(a.Ubound(), -1);
  a.Append(3);
  ASSERT_EQ(a.Ubound(), 0);
  EXPECT_EQ(a(0), 3);
}

}  // namespace
