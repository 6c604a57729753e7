#pragma once

#include <functional>

// One event at a time. Every event that the framework hands to the program (a click, a tick, a
// menu command, a paint) goes through Dispatch: it runs only when no handler of the program is
// running, so a tick that comes while a handler waits on a message box is dropped. What the
// program itself calls from inside a handler (Show, Close, a setter) runs at once, as part of
// that handler.
namespace EventGate {

bool Busy();

// Runs the handler unless another is running; returns whether it ran. An exception that escapes
// the handler goes to the unhandled-exception report and is not passed on.
bool Dispatch(const std::function<void()>& handler);

// Runs the task as soon as no handler is running: at once when none is, otherwise right after
// the outermost handler ends. Used for repaints and for destroying closed windows.
void Later(std::function<void()> task);

// Called after each outermost handler (and its later tasks): the application re-enables its
// menu items here so menus and shortcuts follow the current state.
void SetAfterEachEvent(std::function<void()> hook);

// Where an escaping exception is reported; by default, a line on the error stream.
void SetUnhandledExceptionHook(std::function<void(const char* what)> hook);

}  // namespace EventGate
