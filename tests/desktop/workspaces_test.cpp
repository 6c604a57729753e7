// The user's own window-manager commands hold while the manual and a blocking dialog are open: a
// switch to another workspace and "show desktop" stay as the user made them, the program leaves
// its windows where they are, and they are all back and usable afterwards.

#include <cstdio>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "tests/desktop/desktop.h"
#include "tests/desktop/steps.h"

namespace {

enum class Dialog { Options, CeilingMessage };

// The main window, the manual and the dialog that holds the program up.
struct Scene {
  XWindowId main = 0, manual = 0, dialog = 0;
  std::vector<XWindowId> All() const { return {main, manual, dialog}; }
};

// Waits until the window has had the focus for half a second: the window manager and the program
// may hand it back and forth a few times first (a blocked main window passes it on to the dialog).
void WaitToKeepTheFocus(Desktop& d, XWindowId window) {
  auto since = std::chrono::steady_clock::now();
  d.WaitFor(d.Name(window) + " to keep the focus", [&] {
    if (d.Active() != window) since = std::chrono::steady_clock::now();
    return std::chrono::steady_clock::now() - since > 500ms;
  });
}

Scene Open(Desktop& d, Dialog dialog) {
  d.CloseSplash();
  Scene s;
  s.main = d.WindowOf(kMainTitle);
  s.manual = OpenFromMenu(d, "Help", "Online manual...", kManualTitle);
  if (dialog == Dialog::Options) {
    s.dialog = OpenFromMenu(d, "File", "Options...", kOptionsTitle);
  } else {
    // The manual floats above the main window's buttons.
    d.MoveAside(s.manual);
    ReproduceToTheCeiling(d);
    s.dialog = d.MessageBox();
  }
  // At a user's pace: a window manager busy showing a new window finishes after a command that
  // came too soon (fluxbox focuses it and so switches back, metacity ends showing the desktop).
  WaitToKeepTheFocus(d, s.dialog);
  return s;
}

// Watches for two seconds that nothing goes wrong (the check names what did, "" while all holds)
// and that the program, with nothing changing, does next to nothing.
void HoldsFor2s(Desktop& d, const std::function<std::string()>& wrong) {
  const double cpu = d.ProgramCpuSeconds();
  for (const auto until = std::chrono::steady_clock::now() + 2s;
       std::chrono::steady_clock::now() < until; std::this_thread::sleep_for(20ms)) {
    if (const std::string what = wrong(); !what.empty()) {
      ADD_FAILURE() << what << "; screenshot: " << d.SaveFailureScreen();
      return;
    }
  }
  const double share = (d.ProgramCpuSeconds() - cpu) / 2;
  std::printf("while nothing changed: %.1f %% of a core\n", 100 * share);
  EXPECT_LT(share, 0.01) << "the program works while nothing changes";
}

// The dialog is on screen in time, keeps the keys, and Return answers it.
void ExpectBackAndAnswered(Desktop& d, XWindowId dialog, std::chrono::milliseconds within) {
  d.WaitFor(
      d.Name(dialog) + " shown", [&] { return d.Viewable(dialog); }, within);
  WaitToKeepTheFocus(d, dialog);
  d.Key("Return");
  d.WaitFor(d.Name(dialog) + " answered", [&] { return !d.Viewable(dialog); });
}

// All three are on screen again, the dialog still has the keys, and Return answers it.
void ExpectAllBackAndUsable(Desktop& d, const Scene& s,
                            std::chrono::milliseconds within = kPatience) {
  for (XWindowId w : {s.main, s.manual}) {
    d.WaitFor(
        d.Name(w) + " shown", [&] { return d.Viewable(w); }, within);
  }
  ExpectBackAndAnswered(d, s.dialog, within);
  EXPECT_TRUE(d.Viewable(s.main)) << "the main window went with the dialog";
}

class DesktopWorkspaces : public testing::TestWithParam<Dialog> {};

TEST_P(DesktopWorkspaces, ASwitchToAnotherWorkspaceHoldsAndAllIsBackOnReturn) {
  Desktop::Run([](Desktop& d) {
    const Scene s = Open(d, GetParam());
    std::vector<unsigned long> on;
    for (XWindowId w : s.All()) on.push_back(d.WorkspaceOf(w));
    const unsigned long home = d.CurrentWorkspace(), away = home == 0 ? 1 : 0;

    d.SwitchToWorkspace(away);
    d.WaitFor("the switch", [&] { return d.CurrentWorkspace() == away; });
    HoldsFor2s(d, [&]() -> std::string {
      if (d.CurrentWorkspace() != away) return "pulled back";
      for (size_t i = 0; i < on.size(); ++i) {
        if (d.WorkspaceOf(s.All()[i]) != on[i]) return d.Name(s.All()[i]) + " moved";
      }
      return "";
    });

    d.SwitchToWorkspace(home);
    ExpectAllBackAndUsable(d, s);
  });
}

INSTANTIATE_TEST_SUITE_P(Dialogs, DesktopWorkspaces,
                         testing::Values(Dialog::Options, Dialog::CeilingMessage),
                         [](const auto& info) {
                           return info.param == Dialog::Options ? "Options" : "CeilingMessage";
                         });

#define SKIP_WITHOUT_SHOW_DESKTOP(d)                               \
  if (!(d).Supports("_NET_SHOWING_DESKTOP")) {                     \
    GTEST_SKIP() << WindowManager() << " has no \"show desktop\""; \
  }

// How the user ends "show desktop": with the window manager's own command, or by activating the
// main window from a task bar, after which some window managers show that window alone.
enum class Ending { Command, MainWindowActivated };

class DesktopShowDesktop : public testing::TestWithParam<Ending> {};

TEST_P(DesktopShowDesktop, HoldsAndAllIsBackAfter) {
  Desktop::Run([](Desktop& d) {
    SKIP_WITHOUT_SHOW_DESKTOP(d);
    const Scene s = Open(d, Dialog::Options);
    d.ShowDesktop(true);
    d.WaitFor("the desktop shown", [&] { return d.ShowingDesktop(); });
    HoldsFor2s(d, [&]() -> std::string {
      if (!d.ShowingDesktop()) return "the desktop no longer shown";
      for (XWindowId w : s.All()) {
        if (d.Viewable(w)) return d.Name(w) + " over the desktop";
      }
      return "";
    });
    if (GetParam() == Ending::Command) {
      d.ShowDesktop(false);
    } else {
      d.Activate(s.main);
    }
    ExpectAllBackAndUsable(d, s, 1s);
  });
}

INSTANTIATE_TEST_SUITE_P(Endings, DesktopShowDesktop,
                         testing::Values(Ending::Command, Ending::MainWindowActivated),
                         [](const auto& info) {
                           return info.param == Ending::Command ? "Command" : "MainWindowActivated";
                         });

// The user minimises Options and, 0.2 s later, leaves for another workspace or shows the desktop,
// while the program is busy: it hears of the minimise only once the user is away, and must undo it
// when they come back.
enum class Leaving { Workspace, ShowDesktop };

class DesktopMinimiseThenLeave : public testing::TestWithParam<Leaving> {};

TEST_P(DesktopMinimiseThenLeave, TheDialogIsBackOnReturn) {
  Desktop::Run([](Desktop& d) {
    const bool workspace = GetParam() == Leaving::Workspace;
    if (!workspace) SKIP_WITHOUT_SHOW_DESKTOP(d);
    const Scene s = Open(d, Dialog::Options);
    const unsigned long home = d.CurrentWorkspace(), away = home == 0 ? 1 : 0;
    auto leave = [&](bool out) {
      if (workspace) {
        d.SwitchToWorkspace(out ? away : home);
      } else {
        d.ShowDesktop(out);
      }
    };
    auto gone = [&] { return workspace ? d.CurrentWorkspace() == away : d.ShowingDesktop(); };

    d.Stall(500ms);
    const auto minimised = std::chrono::steady_clock::now();
    if (!d.Minimise(s.dialog)) GTEST_SKIP() << WindowManager() << " did not minimise Options";
    std::this_thread::sleep_until(minimised + 200ms);
    leave(true);
    d.WaitFor("the user away", gone);
    HoldsFor2s(d, [&]() -> std::string { return gone() ? "" : "the user pulled back"; });
    leave(false);
    ExpectBackAndAnswered(d, s.dialog, 1s);
  });
}

INSTANTIATE_TEST_SUITE_P(Leavings, DesktopMinimiseThenLeave,
                         testing::Values(Leaving::Workspace, Leaving::ShowDesktop),
                         [](const auto& info) {
                           return info.param == Leaving::Workspace ? "Workspace" : "ShowDesktop";
                         });

// A window only rolled up into its title bar stays so, with the program idle; rolled up and then
// minimised, it comes back.
TEST(DesktopRolledUp, StaysRolledUpAndComesBackFromMinimising) {
  Desktop::Run([](Desktop& d) {
    const Scene s = Open(d, Dialog::Options);
    for (XWindowId w : {s.dialog, s.manual}) {
      if (!d.CanRollUp(w)) GTEST_SKIP() << WindowManager() << " cannot roll up " << d.Name(w);
      d.RollUp(w);
      d.WaitFor(d.Name(w) + " rolled up", [&] { return d.RolledUp(w); });
    }
    HoldsFor2s(d, [&]() -> std::string {
      for (XWindowId w : {s.dialog, s.manual}) {
        if (!d.RolledUp(w) || !d.OnScreen(w)) return d.Name(w) + " no longer rolled up on screen";
      }
      return "";
    });

    for (XWindowId w : {s.dialog, s.manual}) {
      if (!d.Minimise(w)) {
        GTEST_SKIP() << WindowManager() << " did not minimise the rolled-up " << d.Name(w);
      }
      d.WaitFor(
          d.Name(w) + " back on screen", [&] { return d.OnScreen(w); }, 1s);
    }
  });
}

}  // namespace
