#pragma once

#include <functional>

// Runs one user command to its end. A runtime error (a malformed stored number, an engine
// failure) ends the command: it is shown in the standard error box, and what the command
// did before the error stays done. No exception ever leaves a slot or event handler.
// Returns false when the command ended in an error.
bool RunCommand(const std::function<void()>& command);
