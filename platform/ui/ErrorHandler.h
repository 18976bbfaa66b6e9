// The application's default error handler: a command that fails shows its error's text in an
// error box and the program goes on. No exception ever crosses the Qt event loop.
#pragma once

#include <functional>

namespace wf {

// Runs command; an exception it throws is shown in an error box with its text.
// Returns false when the command ended with an error.
bool runGuarded(const std::function<void()>& command);

}  // namespace wf
