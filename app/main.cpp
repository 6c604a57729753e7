#include <cstdio>
#include <exception>

#include "app/startup.h"

int main() {
  // Exceptions inside the event loop are reported by the event gate and the loop goes on; one
  // that escapes start-up itself ends the run with a report instead of an abort.
  try {
    return RunSkellith();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "skellith: unhandled exception: %s\n", e.what());
  } catch (...) {
    std::fprintf(stderr, "skellith: unhandled exception\n");
  }
  return 1;
}
