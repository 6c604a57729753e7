#pragma once

#include <array>
#include <ostream>
#include <string>

#include "platform/buttons.h"
#include "tests/param_print.h"
#include "tests/ui_fixture.h"

namespace sim_test {

using Colors = std::array<Color, Trait::kClasses>;

constexpr Color kWhite = RGB(255, 255, 255);
constexpr Color kBlack = RGB(0, 0, 0);
constexpr Color kRed = RGB(255, 0, 0);
constexpr Colors kSpectrum = {RGB(0, 0, 0),     RGB(91, 16, 172), RGB(38, 61, 240),
                              RGB(21, 144, 51), RGB(255, 210, 0), RGB(255, 81, 0),
                              RGB(255, 50, 40)};
constexpr Colors kBlue = {RGB(210, 255, 255), RGB(100, 240, 255), RGB(18, 175, 255),
                          RGB(0, 100, 255),   RGB(0, 40, 255),    RGB(0, 0, 140),
                          RGB(0, 0, 0)};

// How many pixels of two pictures differ; -1 when their sizes differ.
inline int Differing(const Picture& a, const Picture& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return -1;
  int n = 0;
  for (int y = 0; y < a.Height(); ++y) {
    for (int x = 0; x < a.Width(); ++x) n += a.Pixel(x, y) != b.Pixel(x, y);
  }
  return n;
}

}  // namespace sim_test

// The main window's simulation, with an exception escaping a handler failing the test.
class SimTest : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    EventGate::SetUnhandledExceptionHook(
        [](const char* what) { ADD_FAILURE() << "escaped a handler: " << what; });
  }
  void TearDown() override {
    EventGate::SetUnhandledExceptionHook(nullptr);
    ProgramTest::TearDown();
  }

  void SetMode(const std::string& mode) {
    Globals::Mode = mode;
    AsEvent([this] { Main().SetupWindowForMode(); });
  }

  void Press(PushButton* button) {
    EXPECT_TRUE(button->Enabled()) << button->Caption();
    button->Push();
  }
};
