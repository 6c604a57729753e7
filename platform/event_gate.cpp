#include "event_gate.h"

#include <cstdio>
#include <deque>
#include <exception>
#include <utility>

namespace {

struct Gate {
  int depth = 0;
  bool draining = false;
  std::deque<std::function<void()>> later;
  std::function<void()> afterEach;
  std::function<void(const char*)> unhandled;
};

Gate& State() {
  static Gate gate;
  return gate;
}

void Report(const char* what) {
  if (State().unhandled) {
    State().unhandled(what);
  } else {
    std::fprintf(stderr, "skellith: unhandled exception: %s\n", what);
  }
}

void RunGuarded(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& e) {
    Report(e.what());
  } catch (...) {
    Report("unknown exception");
  }
}

// Runs the queued tasks, and tasks they queue, in order.
void RunLater() {
  Gate& g = State();
  while (!g.later.empty()) {
    std::function<void()> task = std::move(g.later.front());
    g.later.pop_front();
    ++g.depth;
    RunGuarded(task);
    --g.depth;
  }
}

// Runs the queued tasks and the after-each hook once the outermost handler has ended.
void Drain() {
  Gate& g = State();
  if (g.draining) return;
  g.draining = true;
  RunLater();
  if (g.afterEach) {
    ++g.depth;
    RunGuarded(g.afterEach);
    --g.depth;
  }
  g.draining = false;
}

}  // namespace

namespace EventGate {

bool Busy() {
  return State().depth > 0;
}

bool Dispatch(const std::function<void()>& handler) {
  Gate& g = State();
  if (g.depth > 0 || g.draining) return false;
  ++g.depth;
  RunGuarded(handler);
  --g.depth;
  Drain();
  return true;
}

void Later(std::function<void()> task) {
  Gate& g = State();
  g.later.push_back(std::move(task));
  if (g.depth > 0 || g.draining) return;
  g.draining = true;
  RunLater();
  g.draining = false;
}

void SetAfterEachEvent(std::function<void()> hook) {
  State().afterEach = std::move(hook);
}

void SetUnhandledExceptionHook(std::function<void(const char*)> hook) {
  State().unhandled = std::move(hook);
}

}  // namespace EventGate
