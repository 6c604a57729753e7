#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/startup.h"
#include "core/runtime.h"
#include "darwins_theory/window_sim_l1.h"
#include "platform/dialogs.h"
#include "platform/event_gate.h"

// Starts the program as the event loop would, up to and including the application's Open
// handling, with message boxes and web addresses recorded instead of shown. Every window and the
// globals go again after each test.
class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetMsgBoxHook([this](const std::string& text) { messages.push_back(text); });
    SetShowURLHook([this](const std::string& address) { urls.push_back(address); });
    SeedRnd(12345);
    app_ = StartApplication();
    EventGate::Dispatch([this] { app_->Event_Open(); });
  }

  void TearDown() override {
    EndApplication(std::move(app_));
    SetRndSource(nullptr);
    SetMsgBoxHook(nullptr);
    SetShowURLHook(nullptr);
  }

  App& app() { return *app_; }
  class WindowSimL1& Main() {
    return WindowSimL1();
  }

  // Runs code as one event of the framework, as a click or a tick would.
  template <class F>
  void AsEvent(F&& f) {
    EventGate::Dispatch(std::forward<F>(f));
  }

  std::vector<std::string> messages;
  std::vector<std::string> urls;

 private:
  std::unique_ptr<App> app_;
};

// Feeds Rnd from a list, then from a generator of its own once the list is used up.
class RndScript {
 public:
  explicit RndScript(std::vector<double> values) : values_(std::move(values)) {
    SetRndSource([this] {
      if (next_ < values_.size()) return values_[next_++];
      return static_cast<double>(fallback_() >> 11) * 0x1.0p-53;
    });
  }
  ~RndScript() { SetRndSource(nullptr); }
  size_t Used() const { return next_; }

 private:
  std::vector<double> values_;
  size_t next_ = 0;
  std::mt19937_64 fallback_{7};
};
