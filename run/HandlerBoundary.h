#pragma once

#include <functional>

class UserInteraction;

// Runs one event handler to its end. Every error it raises is shown through
// the standard error report and goes no further, as an event handler must not
// let an exception into the event loop. True when the handler ended without
// error.
bool runHandler(UserInteraction &ui, const std::function<void()> &handler);
